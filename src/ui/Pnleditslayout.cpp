// TPnlEdits: its messages, the layout of the type's panels, the painted labels and glyph box, the colours and
// fonts of the settings, and the hints.

#include "ui/Pnledits.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "graphics/Qxcolor.h"
#include "graphics/Shapes.h"
#include "ui/Controlfont.h"
#include "ui/Dibcanvas.h"
#include "ui/Formparts.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Editpanellayout.h"

// After the Windows headers.
#include <richedit.h>

namespace tolvane::ui {

namespace node = uimodel;
using graphics::TQxColor;

namespace {

constexpr int kGlyphBoxRadius = 9;  // design pixels
constexpr int kHintWidth = 600;
constexpr int kTypeListWidth = 480;  // the opened type list shows its long entries whole
constexpr int kGlyphBoxShade = 251;  // the box is the window colour darkened to 251/255
constexpr int kGlyphBorderShade = 200;
constexpr std::u16string_view kRepeatHint = u" Number of times this Macro should be run when executed ";
constexpr std::u16string_view kNewLineHomeHint =
    u" When checked there will be inserted an extra Home \r\n keystroke after every line break in the final "
    u"macro";

TQxColor Shaded(COLORREF color, int numerator) {
  return TQxColor::FromChannels(static_cast<std::uint8_t>(GetRValue(color) * numerator / 255),
                                static_cast<std::uint8_t>(GetGValue(color) * numerator / 255),
                                static_cast<std::uint8_t>(GetBValue(color) * numerator / 255));
}

TControl* ControlOf(TPnlEdits::TControls& c, int id) {
  switch (id) {
    case node::EdCaption:
      return &c.EdCaption;
    case node::CmbType:
      return &c.CmbType;
    case node::EdProgram:
      return &c.EdProgram;
    case node::EdParams:
      return &c.EdParams;
    case node::CmbBrowsers:
      return &c.CmbBrowsers;
    case node::EdWebsite:
      return &c.EdWebsite;
    case node::EdEmailTo:
      return &c.EdEmailTo;
    case node::EdEmailCc:
      return &c.EdEmailCc;
    case node::EdEmailBcc:
      return &c.EdEmailBcc;
    case node::EdMailSubject:
      return &c.EdMailSubject;
    case node::EdMacro:
      return &c.EdMacro;
    case node::CbxMacroUseNewLineHome:
      return &c.CbxMacroUseNewLineHome;
    case node::EdMacroRepeat:
      return &c.EdMacroRepeat;
    case node::MmHint:
      return &c.MmHint;
    case node::CbxMonoSpace:
      return &c.CbxMonoSpace;
    case node::ReCode:
      return &c.ReCode;
    default:
      return nullptr;
  }
}

TQxButton* ButtonOf(TPnlEdits::TControls& c, int id) {
  switch (id) {
    case node::ButBrowseProgram:
      return &c.ButBrowseProgram;
    case node::ButEditMacro:
      return &c.ButEditMacro;
    case node::ButEditModifier:
      return &c.ButEditModifier;
    default:
      return nullptr;
  }
}

}  // namespace

LRESULT TPnlEdits::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      // Themed check boxes ask for the background under them through this message as well.
      RECT client{};
      ::GetClientRect(Hwnd, &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush.get());
      return 1;
    }
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      PaintTo(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      Arrange();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Hwnd, &cursor);
        if (SetCursorAt(cursor))
          return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      MouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONDBLCLK:
      MouseDoubleClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CTLCOLORSTATIC:
      if (const std::optional<LRESULT> brush =
              ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return *brush;
      break;
    case WM_DROPFILES:
      FilesDropped(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_DESTROY:
      // The hints belong to the top-level window; they go with the panel.
      Hints.Reset();
      break;
    case UM_FOCUS_CAPTION:
      if (Hosted && !Hosted->MmHint.Enabled())
        FocusCaption();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void TPnlEdits::ScaleChanged() {
  if (!Hosted)
    return;
  const HFONT font = ControlFont(Scale());
  for (int id = node::PnlCapType; id < node::EditPanelNodeEnd; ++id) {
    if (TControl* control = ControlOf(*Hosted, id))
      control->SetFont(font);
    if (TQxButton* button = ButtonOf(*Hosted, id))
      button->setFont(font);
  }
  ApplySettings();
  Arrange();
}

void TPnlEdits::FillHost() {
  if (Hwnd != nullptr)
    SetBounds(Hwnd, ClientBounds(::GetParent(Hwnd)));
}

// The layout is built for the panel's size in design pixels, since the name takes half of the strip.
void TPnlEdits::Arrange() {
  if (!Hosted)
    return;
  const TRect client = ClientBounds(Hwnd);
  const uimodel::TScale design(uimodel::DesignPpi);
  const TSize designClient{Scale().To(design, client.Width()), Scale().To(design, client.Height())};
  Placements = uimodel::ArrangeLayout(uimodel::EditPanelLayout(Panels, designClient), client.Size(), Scale());
  for (int id = node::PnlCapType; id < node::EditPanelNodeEnd; ++id) {
    const uimodel::TPlacement* placement = uimodel::FindPlacement(Placements, id);
    PlaceControl(id, placement != nullptr && placement->Visible ? placement : nullptr);
  }
  PlaceHints();
  ::InvalidateRect(Hwnd, nullptr, TRUE);
}

void TPnlEdits::PlaceControl(int id, const uimodel::TPlacement* placement) {
  if (TControl* control = ControlOf(*Hosted, id)) {
    if (placement != nullptr)
      control->SetBounds(placement->InRoot);
    control->SetVisible(placement != nullptr);
  } else if (TQxButton* button = ButtonOf(*Hosted, id)) {
    if (placement != nullptr) {
      const TRect& r = placement->InRoot;
      button->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
    button->setVisible(placement != nullptr);
  }
}

TRect TPnlEdits::NodeBounds(int id) const {
  const uimodel::TPlacement* placement = uimodel::FindPlacement(Placements, id);
  return placement != nullptr && placement->Visible ? placement->InRoot : TRect{};
}

void TPnlEdits::PaintTo(HDC dc) {
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  ::FillRect(dc, &client, BackgroundBrush.get());
  PaintLabels(dc);
  PaintGlyphBox(dc, NodeBounds(node::PbGlyph));
  PaintHelpLink(dc, NodeBounds(node::LblHelpLink));
}

void TPnlEdits::PaintLabels(HDC dc) {
  const win32::TSelectGuard font(dc, ControlFont(Scale()));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  for (const uimodel::TPlacement& placement : Placements) {
    if (!placement.Visible || !uimodel::IsEditPanelLabel(placement.Id))
      continue;
    const std::wstring text = win32::Wide(uimodel::EditPanelLabel(placement.Id, Panels));
    RECT bounds = ToRECT(placement.InRoot);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

// A rounded box a shade darker than the window, with the item's glyph in the middle.
void TPnlEdits::PaintGlyphBox(HDC dc, const TRect& box) {
  TDibCanvas canvas;
  if (box.Empty() || !canvas.Resize(box.Width(), box.Height()))
    return;
  graphics::TQxBitmap& pixels = canvas.Bitmap();
  const COLORREF top = graphics::ResolveColor(Context.Services.SystemColors, Context.Settings.FormTopColor);
  pixels.Fill(TQxColor::FromColor(Background).WithAlpha(255));
  const int radius = Scaled(kGlyphBoxRadius);
  graphics::FillRoundRect(pixels, pixels.Bounds(), radius, Shaded(top, kGlyphBoxShade));
  graphics::FrameRoundRect(pixels, pixels.Bounds(), radius, Shaded(top, kGlyphBorderShade));
  const storage::TItem* item = ShownItem();
  if (item != nullptr && UserGlyphs.Contains(item->ImageIndex)) {
    const int cell = UserGlyphs.CellSize();
    (void)UserGlyphs.Draw(pixels, item->ImageIndex, (box.Width() - cell) / 2, (box.Height() - cell) / 2);
  }
  canvas.CopyTo(dc, box.Left, box.Top);
}

void TPnlEdits::PaintHelpLink(HDC dc, const TRect& link) {
  ui::PaintHelpLink(dc, LinkFont.get(), link, uimodel::EditPanelLabel(node::LblHelpLink, Panels));
}

void TPnlEdits::RepaintGlyph() {
  const TRect box = NodeBounds(node::PbGlyph);
  if (Hwnd != nullptr && !box.Empty()) {
    const RECT rect = ToRECT(box);
    ::InvalidateRect(Hwnd, &rect, FALSE);
  }
}

bool TPnlEdits::SetCursorAt(POINT client) {
  const TPoint at = FromPOINT(client);
  const bool glyph = ShownItem() != nullptr && NodeBounds(node::PbGlyph).Contains(at);
  if (!glyph && !NodeBounds(node::LblHelpLink).Contains(at))
    return false;
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  return true;
}

// The press opens the picker or the help page, so the second press of a double click opens nothing more.
void TPnlEdits::MouseDown(POINT client) {
  const TPoint at = FromPOINT(client);
  const TRect box = NodeBounds(node::PbGlyph);
  if (box.Contains(at)) {
    storage::TItem* item = ShownItem();
    if (item != nullptr && item->Parent != nullptr && OnGlyphClick) {
      POINT corner{box.Left, box.Top};
      ::ClientToScreen(Hwnd, &corner);
      OnGlyphClick(*item, POINT{corner.x - 1, corner.y - 1});
    }
    return;
  }
  if (NodeBounds(node::LblHelpLink).Contains(at) && OnHelp)
    OnHelp(uimodel::HelpAnchorFor(uimodel::ItemTypeOfListIndex(Hosted->CmbType.Selected())));
}

void TPnlEdits::MouseDoubleClick(POINT client) {
  const TPoint at = FromPOINT(client);
  if (NodeBounds(node::PnlCapType).Contains(at) && !NodeBounds(node::PbGlyph).Contains(at) &&
      !NodeBounds(node::LblHelpLink).Contains(at) && OnStripDoubleClick)
    OnStripDoubleClick();
}

// The check boxes sit on the panel's colour; the help text, when it may not be edited, on the disabled
// colour. Everything else keeps the system's colours.
std::optional<LRESULT> TPnlEdits::ControlColor(HDC dc, HWND control) {
  if (!Hosted)
    return std::nullopt;
  if (control == Hosted->MmHint.Handle() && !Hosted->MmHint.Enabled()) {
    ::SetBkColor(dc, DisabledColor);
    ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(DisabledBrush.get());
  }
  if (control == Hosted->CbxMonoSpace.Handle() || control == Hosted->CbxMacroUseNewLineHome.Handle()) {
    ::SetBkColor(dc, Background);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(BackgroundBrush.get());
  }
  return std::nullopt;
}

void TPnlEdits::ApplySettings() {
  const storage::TSettings& settings = Context.Settings;
  platform::ISystemColors& systemColors = Context.Services.SystemColors;
  Background = graphics::ResolveColor(systemColors, settings.FormTopColor);
  DisabledColor = graphics::ResolveColor(systemColors, settings.DisabledColor);
  BackgroundBrush.reset(::CreateSolidBrush(Background));
  DisabledBrush.reset(::CreateSolidBrush(DisabledColor));
  if (!Hosted)
    return;
  const TButtonColors colors = ButtonColorsOf(settings);
  for (TQxButton* button : {&Hosted->ButBrowseProgram, &Hosted->ButEditMacro, &Hosted->ButEditModifier}) {
    button->setColors(colors);
    button->setParentColor(Background);
    button->setFont(ControlFont(Scale()));
  }
  CreateFonts();
  ApplyEnabled();
  Hints.SetShowTime(settings.HintHidePause);
  ::RedrawWindow(Hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The new fonts are in the controls before the old ones go.
void TPnlEdits::CreateFonts() {
  const storage::TSettings& settings = Context.Settings;
  win32::unique_hfont code =
      CreatePointFont(settings.CodeFontName, settings.CodeFontSize, settings.CodeFontBold, Scale());
  win32::unique_hfont fixed = CreatePointFont(settings.CodeFixedFontName, settings.CodeFixedFontSize,
                                              settings.CodeFixedFontBold, Scale());
  win32::unique_hfont linkFont = CreateLinkFont(ControlFont(Scale()), true);
  Hosted->MmHint.SetFont(code.get());
  std::swap(CodeFont, code);
  std::swap(CodeFixedFont, fixed);
  LinkFont = std::move(linkFont);
  ApplyCodeFont();
}

// The code area's font follows "Mono Space Font"; its tab stops are "CodeTabSize" average characters apart.
void TPnlEdits::ApplyCodeFont() {
  TRichEdit& code = Hosted->ReCode;
  const HFONT font = Hosted->CbxMonoSpace.Checked() ? CodeFixedFont.get() : CodeFont.get();
  if (font == nullptr)
    return;
  code.SetFont(font);
  TEXTMETRICW metrics{};
  {
    const TWindowDc dc(code.Handle());
    const win32::TSelectGuard selected(dc.get(), font);
    ::GetTextMetricsW(dc.get(), &metrics);
  }
  // Twips, at 1440 to the inch; a plain-text control has one paragraph format for all its text.
  const int tab =
      ::MulDiv(std::max(Context.Settings.CodeTabSize, 1) * metrics.tmAveCharWidth, 1440, Scale().Ppi());
  PARAFORMAT format{};
  format.cbSize = sizeof(format);
  format.dwMask = PFM_TABSTOPS;
  format.cTabCount = MAX_TAB_STOPS;
  for (int i = 0; i < MAX_TAB_STOPS; ++i)
    format.rgxTabs[i] = (i + 1) * tab;
  ::SendMessageW(code.Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

void TPnlEdits::CreateHints() {
  if (Hints.Create(Hwnd, Scaled(kHintWidth))) {
    Hints.Add(Hosted->EdMacroRepeat.Handle(), kRepeatHint);
    Hints.Add(Hosted->CbxMacroUseNewLineHome.Handle(), kNewLineHomeHint);
    Hints.AddArea(node::LblMacroRepeat, NodeBounds(node::LblMacroRepeat), kRepeatHint);
  }
  ::SendMessageW(Hosted->CmbType.Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Scaled(kTypeListWidth)),
                 0);
}

// The label's hint covers the label as it is placed now.
void TPnlEdits::PlaceHints() {
  Hints.MoveArea(node::LblMacroRepeat, NodeBounds(node::LblMacroRepeat));
  ::SendMessageW(Hosted->CmbType.Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Scaled(kTypeListWidth)),
                 0);
}

}  // namespace tolvane::ui
