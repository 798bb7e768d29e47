#include "ui/Qxbutton.h"

#include <utility>

namespace tolvane::ui {

TQxButton::TQxButton(HWND parent, int id, std::u16string_view caption, platform::ISystemColors& systemColors)
    : SystemColors(systemColors) {
  const std::wstring text = win32::Wide(caption);
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams params;
  params.Style = WS_CHILD | WS_TABSTOP;
  params.Caption = text.c_str();
  params.Parent = parent;
  params.ControlId = id;
  Create(windowClass, params);
  ShadeSet.OnRepaint = [this] { Invalidate(); };
  setColors(TButtonColors{});
  setParentColor(SystemColors.Color(COLOR_BTNFACE));
}

// The window goes while the object is still whole: its last messages still reach WindowProc.
TQxButton::~TQxButton() {
  Destroy();
}

LRESULT TQxButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HandleMouse(message, lParam) || HandleKeyboard(message, wParam))
    return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      ButtonPaint();
      return 0;
    case WM_GETDLGCODE:
      return DialogCode();
    case BM_CLICK:
      Click();
      return 0;
    case BM_SETSTYLE:  // how the dialog manager moves the default look between buttons
      setDefault((wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
      return 0;
    case WM_SETFONT:
      Font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0)
        Invalidate();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(Font);
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = ::DefWindowProcW(Hwnd, message, wParam, lParam);
      if (message == WM_ENABLE && wParam == FALSE)
        ButtonCaptureLost();
      Invalidate();
      return result;
    }
    default:
      break;
  }
  return ::DefWindowProcW(Hwnd, message, wParam, lParam);
}

LRESULT TQxButton::DialogCode() const {
  return DLGC_BUTTON | (IsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

int TQxButton::Id() const {
  return ::GetDlgCtrlID(Hwnd);
}

void TQxButton::setCaption(std::u16string_view caption) {
  ::SetWindowTextW(Hwnd, win32::Wide(caption).c_str());
}

std::u16string TQxButton::Caption() const {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(Hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(Hwnd, text.data(), static_cast<int>(text.size()))));
  return win32::Narrow16(text);
}

char16_t TQxButton::Accelerator() const {
  const std::u16string caption = Caption();
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&')
      continue;
    if (caption[i + 1] == u'&') {  // "&&" is a literal ampersand
      ++i;
      continue;
    }
    wchar_t letter[1] = {static_cast<wchar_t>(caption[i + 1])};
    ::CharUpperBuffW(letter, 1);
    return static_cast<char16_t>(letter[0]);
  }
  return 0;
}

void TQxButton::setColors(const TButtonColors& colors) {
  ShadeSet.setClDimmedLight(colors.DimmedLight);
  ShadeSet.setClDimmedDark(colors.DimmedDark);
  ShadeSet.setClHotLight(colors.HotLight);
  ShadeSet.setClHotDark(colors.HotDark);
  ShadeSet.setClDisabLight(colors.DisabLight);
  ShadeSet.setClDisabDark(colors.DisabDark);
  ShadeSet.setClSelDownLight(colors.HotLight);
  ShadeSet.setClSelDownDark(colors.HotDark);
}

void TQxButton::setParentColor(graphics::TColor color) {
  if (std::exchange(ParentColor, color) != color)
    Invalidate();
}

void TQxButton::setFont(HFONT font) {
  Font = font;
  Invalidate();
}

void TQxButton::setDown(bool down) {
  if (Latched == down)
    return;
  Latched = down;
  Invalidate();
}

void TQxButton::setDefault(bool isDefault) {
  if (std::exchange(IsDefault, isDefault) != isDefault)
    Invalidate();
}

void TQxButton::setEnabled(bool enabled) {
  ::EnableWindow(Hwnd, enabled ? TRUE : FALSE);
}

bool TQxButton::Enabled() const {
  return ::IsWindowEnabled(Hwnd) != FALSE;
}

void TQxButton::setVisible(bool visible) {
  ::ShowWindow(Hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool TQxButton::Visible() const {
  return (::GetWindowLongPtrW(Hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TQxButton::SetBounds(int left, int top, int width, int height) {
  ::SetWindowPos(Hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TQxButton::Click() {
  if (Hwnd == nullptr || !Enabled() || !Visible())
    return;
  // The handler may end the button's life, so nothing of the object is used after it.
  const HWND parent = ::GetParent(Hwnd);
  const int id = Id();
  const HWND self = Hwnd;
  if (OnClick) {
    const auto handler = OnClick;
    handler();
  }
  if (::IsWindow(self) != FALSE)
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(self));
}

void TQxButton::Invalidate() const {
  if (Hwnd != nullptr)
    ::InvalidateRect(Hwnd, nullptr, FALSE);
}

}  // namespace tolvane::ui
