#include "ui/Control.h"

#include <commctrl.h>

#include <memory>
#include <system_error>

#include "ui/Commoncontrols.h"
#include "ui/Controlfont.h"
#include "ui/Errordisplay.h"
#include "ui/Geometrywin.h"

namespace tolvane::ui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// The character a key types, when it types one that a kept key must not let through.
wchar_t CharacterOfKey(WORD key) {
  switch (key) {
    case VK_RETURN:
      return L'\r';
    case VK_TAB:
      return L'\t';
    case VK_ESCAPE:
      return 0x1B;
    case VK_BACK:
      return L'\b';
    default:
      return 0;
  }
}

}  // namespace

TControl::TControl(TWindow& parent, int id, const TControlClass& controlClass) : ParentWindow(parent) {
  EnsureCommonControls();
  const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  Hwnd = ::CreateWindowExW(controlClass.ExStyle, controlClass.Name, L"",
                           WS_CHILD | WS_VISIBLE | controlClass.Style, 0, 0, 0, 0, parent.Handle(), menu,
                           ::GetModuleHandleW(nullptr), nullptr);
  if (Hwnd == nullptr)
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "Creating a control failed");
  Window.reset(Hwnd);
  ::SetWindowSubclass(Hwnd, &TControl::SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ParentWindow.AddControl(Hwnd, *this);
  SetFont(ControlFont(parent.Scale()));
}

// The control is unhooked before it goes, so its last messages find no half-destroyed wrapper.
TControl::~TControl() {
  if (Hwnd == nullptr)
    return;
  ::RemoveWindowSubclass(Hwnd, &TControl::SubclassProcedure, kSubclassId);
  ParentWindow.RemoveControl(Hwnd);
  Hwnd = nullptr;
  Window.reset();
}

int TControl::Id() const {
  return ::GetDlgCtrlID(Hwnd);
}

void TControl::SetFont(HFONT font) {
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TControl::SetEnabled(bool enabled) {
  ::EnableWindow(Hwnd, enabled ? TRUE : FALSE);
}

bool TControl::Enabled() const {
  return ::IsWindowEnabled(Hwnd) != FALSE;
}

void TControl::SetVisible(bool visible) {
  ::ShowWindow(Hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool TControl::Visible() const {
  return (::GetWindowLongPtrW(Hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetBounds(const TRect& bounds) {
  ui::SetBounds(Hwnd, bounds);
}

TRect TControl::Bounds() const {
  RECT rect{};
  ::GetWindowRect(Hwnd, &rect);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(Hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return FromRECT(rect);
}

void TControl::Focus() {
  ::SetFocus(Hwnd);
}

bool TControl::Focused() const {
  const HWND focus = ::GetFocus();
  return focus != nullptr && (focus == Hwnd || ::IsChild(Hwnd, focus) != FALSE);
}

LRESULT TControl::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(Hwnd, message, wParam, lParam);
}

std::u16string TControl::ControlText() const {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(Hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(Hwnd, text.data(), static_cast<int>(text.size()))));
  return win32::Narrow16(text);
}

void TControl::SetControlText(std::u16string_view text) {
  ::SetWindowTextW(Hwnd, win32::Wide(text).c_str());
}

bool TControl::BeforeMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_KEYDOWN:
      return KeyDown(static_cast<WORD>(wParam));
    case WM_KEYUP:
      if (OnKeyUp)
        OnKeyUp(static_cast<WORD>(wParam));
      return false;
    case WM_CHAR: {
      const bool kept = KeptCharacter != 0 && static_cast<wchar_t>(wParam) == KeptCharacter;
      KeptCharacter = 0;
      return kept;
    }
    case WM_SETFOCUS:
      if (OnFocus)
        OnFocus();
      return false;
    default:
      return false;
  }
}

bool TControl::KeyDown(WORD key) {
  KeptCharacter = 0;
  if (!OnKeyDown)
    return false;
  const std::weak_ptr<bool> alive = Lifetime;
  const bool kept = OnKeyDown(key);
  // A handler that closed the form took the control and its wrapper with it.
  if (alive.expired())
    return true;
  if (kept)
    KeptCharacter = CharacterOfKey(key);
  return kept;
}

LRESULT CALLBACK TControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR /*id*/, DWORD_PTR self) {
  LRESULT result = 0;
  const HWND form = ::GetAncestor(window, GA_ROOT);
  if (!GuardedCall(
          form, [&] { result = reinterpret_cast<TControl*>(self)->Filter(window, message, wParam, lParam); }))
    return 0;
  return result;
}

// Callbacks may destroy the wrapper (a key that closes the form); nothing of it is touched after that.
LRESULT TControl::Filter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY)
    Closing = true;
  if (message == WM_NCDESTROY) {
    Gone();
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  const std::weak_ptr<bool> alive = Lifetime;
  LRESULT result = 0;
  if (!Closing && BeforeMessage(message, wParam, lParam, result))
    return result;
  if (alive.expired())
    return 0;
  result = ::DefSubclassProc(window, message, wParam, lParam);
  if (!alive.expired() && !Closing)
    AfterMessage(message, wParam, lParam);
  return result;
}

// The parent destroyed the control: the wrapper lets go of it and is only an empty shell from now on.
void TControl::Gone() {
  ::RemoveWindowSubclass(Hwnd, &TControl::SubclassProcedure, kSubclassId);
  ParentWindow.RemoveControl(Hwnd);
  (void)Window.release();
  Hwnd = nullptr;
}

TUpdateBatch::TUpdateBatch(const TControl& control) : Window(control.Handle()) {
  ::SendMessageW(Window, WM_SETREDRAW, FALSE, 0);
}

TUpdateBatch::~TUpdateBatch() {
  ::SendMessageW(Window, WM_SETREDRAW, TRUE, 0);
  ::RedrawWindow(Window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace tolvane::ui
