#include "ui/Modal.h"

#include <vector>

#include "uimodel/Dialogkeys.h"

namespace tolvane::ui {

namespace {

using uimodel::TDialogKey;
using uimodel::TDialogKeyAction;
using uimodel::TFocusStop;

// Disables the thread's other enabled, visible top-level windows while a modal window is up.
class TThreadWindowsDisabled {
 public:
  explicit TThreadWindowsDisabled(HWND dialog) : Dialog(dialog) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &TThreadWindowsDisabled::Collect,
                        reinterpret_cast<LPARAM>(this));
    for (const HWND window : Disabled)
      ::EnableWindow(window, FALSE);
  }
  TThreadWindowsDisabled(const TThreadWindowsDisabled&) = delete;
  TThreadWindowsDisabled& operator=(const TThreadWindowsDisabled&) = delete;
  // Enabled again before the dialog goes, so that its owner becomes the active window once more.
  ~TThreadWindowsDisabled() {
    for (const HWND window : Disabled)
      ::EnableWindow(window, TRUE);
  }

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto* disabler = reinterpret_cast<TThreadWindowsDisabled*>(self);
    if (window != disabler->Dialog && ::IsWindowVisible(window) != FALSE &&
        ::IsWindowEnabled(window) != FALSE)
      disabler->Disabled.push_back(window);
    return TRUE;
  }

  HWND Dialog;
  std::vector<HWND> Disabled;
};

TDialogKey KeyOf(WPARAM key) {
  switch (key) {
    case VK_TAB:
      return ::GetKeyState(VK_SHIFT) < 0 ? TDialogKey::ShiftTab : TDialogKey::Tab;
    case VK_LEFT:
      return TDialogKey::Left;
    case VK_UP:
      return TDialogKey::Up;
    case VK_RIGHT:
      return TDialogKey::Right;
    case VK_DOWN:
      return TDialogKey::Down;
    case VK_RETURN:
      return TDialogKey::Enter;
    case VK_ESCAPE:
      return TDialogKey::Escape;
    default:
      return TDialogKey::Other;
  }
}

TFocusStop StopOf(HWND control, const MSG& message) {
  const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
  const auto code = static_cast<UINT>(
      ::SendMessageW(control, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)));
  TFocusStop stop;
  stop.TabStop = (style & WS_TABSTOP) != 0;
  stop.Usable = ::IsWindowVisible(control) != FALSE && ::IsWindowEnabled(control) != FALSE;
  stop.GroupStart = (style & WS_GROUP) != 0;
  stop.Button = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  stop.WantsArrows = (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) != 0;
  stop.WantsTab = (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
  stop.WantsEnter = (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
  return stop;
}

// The dialog's direct controls in tab order (z-order), and the one holding the focus.
struct TControls {
  std::vector<HWND> Windows;
  std::vector<TFocusStop> Stops;
  int Focused = -1;
};

TControls ControlsOf(HWND dialog, const MSG& message) {
  TControls controls;
  const HWND focus = ::GetFocus();
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == focus || ::IsChild(child, focus) != FALSE)
      controls.Focused = static_cast<int>(controls.Windows.size());
    controls.Windows.push_back(child);
    controls.Stops.push_back(StopOf(child, message));
  }
  return controls;
}

void Apply(const TDialogKeyAction& action, const TControls& controls, const TModalHooks& hooks) {
  switch (action.Kind) {
    case TDialogKeyAction::Focus:
      ::SetFocus(controls.Windows[static_cast<std::size_t>(action.Target)]);
      break;
    case TDialogKeyAction::ClickFocused:
      ::SendMessageW(controls.Windows[static_cast<std::size_t>(action.Target)], BM_CLICK, 0, 0);
      break;
    case TDialogKeyAction::ClickDefault:
      if (hooks.ClickDefault)
        hooks.ClickDefault();
      break;
    case TDialogKeyAction::Cancel:
      if (hooks.Cancel)
        hooks.Cancel();
      break;
    case TDialogKeyAction::Pass:
      break;
  }
}

}  // namespace

bool HandleDialogKey(HWND dialog, const MSG& message, const TModalHooks& hooks) {
  if (dialog == nullptr || (message.hwnd != dialog && ::IsChild(dialog, message.hwnd) == FALSE))
    return false;
  if (hooks.PreTranslate && hooks.PreTranslate(message))
    return true;
  if (message.message != WM_KEYDOWN)
    return false;
  const TDialogKey key = KeyOf(message.wParam);
  if (key == TDialogKey::Other)
    return false;
  const TControls controls = ControlsOf(dialog, message);
  const TDialogKeyAction action = uimodel::DialogKeyAction(controls.Stops, controls.Focused, key);
  if (action.Kind == TDialogKeyAction::Pass)
    return false;
  Apply(action, controls, hooks);
  return true;
}

void RunModal(HWND dialog, const std::function<bool()>& done, const TModalHooks& hooks) {
  const HWND focusBefore = ::GetFocus();
  {
    const TThreadWindowsDisabled disabled(dialog);
    ::ShowWindow(dialog, SW_SHOW);
    ::SetForegroundWindow(dialog);
    if (hooks.Shown)
      hooks.Shown();
    MSG message{};
    while (!done() && ::IsWindow(dialog) != FALSE) {
      const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
      if (got == 0) {
        ::PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (got == -1)
        break;
      if (!HandleDialogKey(dialog, message, hooks)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
      }
    }
  }
  if (focusBefore != nullptr && ::IsWindow(focusBefore) != FALSE)
    ::SetFocus(focusBefore);
}

}  // namespace tolvane::ui
