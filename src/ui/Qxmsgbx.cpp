#include "ui/Qxmsgbx.h"

#include <system_error>
#include <utility>

#include "ui/Commoncontrols.h"

namespace tolvane::ui {

namespace {

constexpr int kFirstButtonId = 100;
constexpr int kCheckBoxId = 200;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kFontHeight = 18;

HWND OwnerForm(HWND owner) {
  return owner == nullptr ? nullptr : ::GetAncestor(owner, GA_ROOT);
}

}  // namespace

TQxMsgBox::TQxMsgBox(HWND owner, platform::ILocale& locale, platform::ISystemColors& systemColors)
    : Owner(OwnerForm(owner)), Danish(locale.CountryCode() == uimodel::kDanishCountryCode) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.IconId = 1;
  TWindowParams params;
  params.ExStyle = kExStyle;
  params.Style = kStyle;
  params.Parent = Owner;
  Create(windowClass, params);
  CreateFont();
  CreateControls(systemColors);
  LoadKindImage();
}

// The window goes while the object is still whole: its last messages still reach WindowProc.
TQxMsgBox::~TQxMsgBox() {
  Destroy();
}

void TQxMsgBox::CreateFont() {
  Font.reset(::CreateFontW(-Scaled(kFontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                           L"Arial"));
}

void TQxMsgBox::CreateControls(platform::ISystemColors& systemColors) {
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    const TMsgButtonInfo& info = kMsgButtons[i];
    auto button = std::make_unique<TQxButton>(Hwnd, kFirstButtonId + static_cast<int>(i),
                                              Danish ? info.DanishCaption : info.Caption, systemColors);
    button->setFont(Font.get());
    button->setEnabled(false);
    button->OnClick = [this, result = info.Result] { ButtonClick(result); };
    Buttons[i] = std::move(button);
  }
  const std::wstring caption =
      win32::Wide(Danish ? uimodel::kDanishCheckBoxCaption : uimodel::kCheckBoxCaption);
  // A check box's own label toggles it when clicked.
  EnsureCommonControls();
  CheckBox = ::CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0,
                               0, 0, Hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCheckBoxId)),
                               ::GetModuleHandleW(nullptr), nullptr);
  if (CheckBox == nullptr)
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "Creating the message box's check box failed");
  ::SendMessageW(CheckBox, WM_SETFONT, reinterpret_cast<WPARAM>(Font.get()), FALSE);
}

// A move to a monitor of another DPI: new font, image and fit.
void TQxMsgBox::ScaleChanged() {
  CreateFont();
  for (const auto& button : Buttons)
    button->setFont(Font.get());
  ::SendMessageW(CheckBox, WM_SETFONT, reinterpret_cast<WPARAM>(Font.get()), FALSE);
  LoadKindImage();
  if (Shown)
    FitToText();
}

LRESULT TQxMsgBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_NCHITTEST: {
      // The box is never resized from its border.
      const LRESULT hit = Default(message, wParam, lParam);
      return (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) || hit == HTSIZE ? HTCLIENT : hit;
    }
    case WM_TIMER:
      if (wParam == kTopmostTimer)
        TopmostTimerTimer();
      return 0;
    case WM_ACTIVATE:
      FormActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      ButtonClick(platform::TMsgResult::Cancel);  // ends the modal loop, which then destroys the window
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void TQxMsgBox::ButtonClick(platform::TMsgResult result) {
  if (Result == platform::TMsgResult::None)
    Result = result;
}

// One tick only: topmost without taking the focus or changing the bounds.
void TQxMsgBox::TopmostTimerTimer() {
  ::KillTimer(Hwnd, kTopmostTimer);
  ::SetWindowPos(Hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TQxMsgBox::FormActivate(bool active) {
  if (active) {
    if (FocusedControl != nullptr && ::IsChild(Hwnd, FocusedControl) != FALSE)
      ::SetFocus(FocusedControl);
    return;
  }
  const HWND focus = ::GetFocus();
  if (focus != nullptr && ::IsChild(Hwnd, focus) != FALSE)
    FocusedControl = focus;
}

TQxButton* TQxMsgBox::FocusedButton() const {
  const HWND focus = ::GetFocus();
  for (const auto& button : Buttons) {
    if (focus != nullptr && button->Handle() == focus)
      return button.get();
  }
  return nullptr;
}

void TQxMsgBox::setButtonColors(const TButtonColors& colors) {
  for (const auto& button : Buttons)
    button->setColors(colors);
}

void TQxMsgBox::setCaption(std::u16string_view caption) {
  ::SetWindowTextW(Hwnd, win32::Wide(caption).c_str());
}

void TQxMsgBox::setText(std::u16string_view text) {
  Text = text;
  if (Shown)
    FitToText();
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TQxMsgBox::AddButton(std::uint32_t button) {
  const int index = uimodel::MsgButtonIndex(button);
  if (index < 0 || (Added & button) != 0)
    return;
  Added |= button;
  ++AddedCount;
  Buttons[static_cast<std::size_t>(index)]->setEnabled(true);
  Buttons[static_cast<std::size_t>(index)]->setVisible(true);
  if (Shown)
    FitToText();
}

void TQxMsgBox::setButtonCaption(std::uint32_t button, std::u16string_view caption) {
  const int index = uimodel::MsgButtonIndex(button);
  if (index >= 0)
    Buttons[static_cast<std::size_t>(index)]->setCaption(caption);
}

void TQxMsgBox::setKind(platform::TMsgKind kind) {
  if (std::exchange(Kind, kind) == kind)
    return;
  LoadKindImage();
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TQxMsgBox::setCheckBoxVisible(bool visible) {
  CheckBoxShown = visible;
  ::ShowWindow(CheckBox, visible ? SW_SHOWNA : SW_HIDE);
  if (Shown)
    FitToText();
}

bool TQxMsgBox::CheckBoxChecked() const {
  if (Hwnd == nullptr)
    return Checked;
  return ::SendMessageW(CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace tolvane::ui
