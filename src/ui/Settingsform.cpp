#include "ui/Settingsform.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>

#include "graphics/Qxcolor.h"
#include "ui/Composers.h"
#include "ui/Controlfont.h"
#include "ui/Formparts.h"
#include "ui/Geometrywin.h"
#include "ui/Modal.h"
#include "ui/Uihandles.h"
#include "uimodel/Contextwindow.h"
#include "uimodel/Settingsmodel.h"

namespace tolvane::ui {

namespace {

constexpr int kOkId = uimodel::settingscontrol::OkButton;
constexpr int kCancelId = uimodel::settingscontrol::CancelButton;
constexpr COLORREF kGroupLineColor = RGB(128, 128, 128);
constexpr int kButtonWidth = 150;  // design pixels
constexpr int kButtonHeight = 45;
constexpr int kBottomMargin = 20;
constexpr int kHintWidth = 500;
constexpr std::u16string_view kHelpText = u" ? ";

// Custom colours of the colour dialog, kept while the program runs.
COLORREF gCustomColors[16] = {};

}  // namespace

TSettingsForm::TSettingsForm(TAppContext& context, HWND owner, const wchar_t* className,
                             const wchar_t* caption, TSize designClient, std::u16string_view helpAnchor)
    : Context(context),
      Working(context.Settings),
      OwnerWindow(owner),
      DesignClient(designClient),
      HelpAnchor(helpAnchor) {
  TWindowClass windowClass;
  windowClass.Name = className;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  params.ExStyle = WS_EX_DLGMODALFRAME;
  params.Caption = caption;
  params.Parent = owner;
  Create(windowClass, params);

  // Sized for the client at this scale, centred on the owner, inside its monitor's work area.
  RECT frame{0, 0, Scaled(designClient.Width), Scaled(designClient.Height)};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(Hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(Hwnd, GWL_EXSTYLE)));
  const TRect ownerBounds = owner != nullptr ? WindowBounds(owner) : TRect{};
  const TRect work = MonitorWorkArea(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Over the thin bar the dialog would hide the menus it changes: then it sits in the middle of the work
  // area.
  const bool overOwner = owner != nullptr && ownerBounds.Height() >= height;
  const TPoint centre{
      owner != nullptr ? (ownerBounds.Left + ownerBounds.Right) / 2 : (work.Left + work.Right) / 2,
      overOwner ? (ownerBounds.Top + ownerBounds.Bottom) / 2 : (work.Top + work.Bottom) / 2};
  SetBounds(Hwnd, uimodel::KeptInside(
                      TRect::Sized(centre.X - width / 2, centre.Y - height / 2, width, height), work));

  platform::ISystemColors& systemColors = context.Services.SystemColors;
  OkButton = std::make_unique<TQxButton>(Hwnd, kOkId, u"OK", systemColors);
  CancelButton = std::make_unique<TQxButton>(Hwnd, kCancelId, u"Cancel", systemColors);
  OkButton->setDefault(true);
  OkButton->OnClick = [this] { Finish(true); };
  CancelButton->OnClick = [this] { Finish(false); };
  for (TQxButton* button : {OkButton.get(), CancelButton.get()}) {
    const TRect area = ButtonArea(button == OkButton.get() ? 0 : 1);
    button->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    button->setFont(ControlFont(Scale()));
    button->setVisible(true);
  }

  LinkFont = CreateLinkFont(ControlFont(Scale()), true);
  (void)Hints.Create(Hwnd, Scaled(kHintWidth));
  WindowColorsChanged();
}

TSettingsForm::~TSettingsForm() {
  Hints.Reset();
  Destroy();
}

bool TSettingsForm::ShowModal() {
  if (Hwnd == nullptr)
    return false;
  TModalHooks hooks;
  hooks.Shown = [this] { Shown(); };
  hooks.PreTranslate = [this](const MSG& message) { return PreTranslate(message); };
  hooks.ClickDefault = [this] { Finish(true); };
  hooks.Cancel = [this] { Finish(false); };
  RunModal(
      Hwnd, [this] { return Done; }, hooks);
  ::ShowWindow(Hwnd, SW_HIDE);
  return Accepted;
}

void TSettingsForm::Finish(bool ok) {
  if (Done)
    return;
  if (ok)
    Accept();
  Accepted = ok;
  Done = true;
}

bool TSettingsForm::PreTranslate(const MSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
    ShowHelp();
    return true;
  }
  if (message.message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_SHIFT) < 0 &&
      ::GetKeyState(VK_MENU) >= 0)
    return CtrlShiftKey(static_cast<UINT>(message.wParam));
  return false;
}

void TSettingsForm::ShowHelp() {
  if (OnHelp)
    OnHelp(HelpAnchor);
}

TRect TSettingsForm::ButtonArea(int index) const {
  const int right = DesignClient.Width - 20 - index * (kButtonWidth + 15);
  return Px(TRect::Sized(right - kButtonWidth, DesignClient.Height - kBottomMargin - kButtonHeight,
                         kButtonWidth, kButtonHeight));
}

TRect TSettingsForm::HelpLink() const {
  return Px(TRect::Sized(20, DesignClient.Height - kBottomMargin - kButtonHeight, 60, kButtonHeight));
}

void TSettingsForm::AddLabel(const TRect& design, std::u16string text) {
  Labels.push_back({design, std::move(text), false});
}

void TSettingsForm::AddGroup(const TRect& design, std::u16string caption) {
  Labels.push_back({design, std::move(caption), true});
}

void TSettingsForm::AddSwatch(const TRect& design, std::u16string caption, storage::TSettingsColor& color) {
  Swatches.push_back({design, std::move(caption), &color});
}

void TSettingsForm::AddHint(HWND control, std::u16string_view text) {
  Hints.Add(control, text);
}

void TSettingsForm::Place(TControl& control, const TRect& design) {
  control.SetBounds(Px(design));
}

void TSettingsForm::Invalidate(const TRect& design) {
  const RECT rect = ToRECT(Px(design));
  ::InvalidateRect(Hwnd, &rect, FALSE);
}

// The gradient is painted behind everything and handed to the controls as their background.
void TSettingsForm::MakeBackground() {
  platform::ISystemColors& colors = Context.Services.SystemColors;
  Background.Make(Hwnd, graphics::ResolveColor(colors, Working.FormTopColor),
                  graphics::ResolveColor(colors, Working.FormBottomColor));
}

void TSettingsForm::WindowColorsChanged() {
  MakeBackground();
  const TButtonColors colors = ButtonColorsOf(Working);
  const graphics::TColor parent =
      graphics::ResolveColor(Context.Services.SystemColors, Working.FormBottomColor);
  for (TQxButton* button : {OkButton.get(), CancelButton.get()}) {
    if (button != nullptr) {
      button->setColors(colors);
      button->setParentColor(parent);
    }
  }
  ::RedrawWindow(Hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSettingsForm::Paint(HDC dc) {
  const TRect client = ClientBounds(Hwnd);
  Background.Paint(dc, ToRECT(client));
  PaintLabels(dc);
  PaintSwatches(dc);
  PaintPictures(dc);
  PaintHelpLink(dc, LinkFont.get(), HelpLink(), kHelpText, DT_LEFT);
}

// Group frames are a line around their controls with the caption set into the top edge.
void TSettingsForm::PaintLabels(HDC dc) {
  const win32::TSelectGuard font(dc, ControlFont(Scale()));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  const win32::unique_hpen pen(::CreatePen(PS_SOLID, 1, kGroupLineColor));
  for (const TLabel& label : Labels) {
    RECT bounds = ToRECT(Px(label.Design));
    const std::wstring text = win32::Wide(label.Text);
    if (!label.Group) {
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
      continue;
    }
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int line = bounds.top + extent.cy / 2;
    const int gap = Scaled(12);
    const win32::TSelectGuard selectedPen(dc, pen.get());
    const POINT outline[] = {{bounds.left + gap, line},    {bounds.left, line},
                             {bounds.left, bounds.bottom}, {bounds.right, bounds.bottom},
                             {bounds.right, line},         {bounds.left + 2 * gap + extent.cx, line}};
    ::Polyline(dc, outline, static_cast<int>(std::size(outline)));
    RECT caption{bounds.left + gap + gap / 2, bounds.top, bounds.right, bounds.top + extent.cy};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_SINGLELINE | DT_NOPREFIX);
  }
}

void TSettingsForm::PaintSwatches(HDC dc) {
  const win32::TSelectGuard font(dc, ControlFont(Scale()));
  ::SetBkMode(dc, TRANSPARENT);
  platform::ISystemColors& colors = Context.Services.SystemColors;
  for (const TSwatch& swatch : Swatches) {
    const COLORREF color = graphics::ResolveColor(colors, *swatch.Color);
    RECT bounds = ToRECT(Px(swatch.Design));
    const win32::unique_hbrush fill(::CreateSolidBrush(color));
    ::FillRect(dc, &bounds, fill.get());
    ::FrameRect(dc, &bounds, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::SetTextColor(dc, uimodel::SwatchTextColor(color));
    const std::wstring text = win32::Wide(swatch.Caption);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

void TSettingsForm::Click(TPoint client) {
  if (HelpLink().Contains(client)) {
    ShowHelp();
    return;
  }
  for (TSwatch& swatch : Swatches) {
    if (Px(swatch.Design).Contains(client)) {
      ChooseSwatchColor(swatch);
      return;
    }
  }
  (void)PictureClicked(client);
}

void TSettingsForm::ChooseSwatchColor(TSwatch& swatch) {
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = Hwnd;
  choose.rgbResult = graphics::ResolveColor(Context.Services.SystemColors, *swatch.Color);
  choose.lpCustColors = gCustomColors;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (::ChooseColorW(&choose) == FALSE)
    return;
  *swatch.Color = choose.rgbResult & 0xFFFFFF;
  Invalidate(swatch.Design);
  SwatchChanged();
}

LRESULT TSettingsForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      Paint(paint.get());
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (const LRESULT brush = Background.ControlColor(Hwnd, wParam, lParam); brush != 0)
        return brush;
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Hwnd, &cursor);
        if (HelpLink().Contains(FromPOINT(cursor))) {
          ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONUP:
      Click(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_TIMER:
      TimerTick(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_CLOSE:
      Finish(false);
      return 0;
    default:
      break;
  }
  return TWindow::WindowProc(message, wParam, lParam);
}

}  // namespace tolvane::ui
