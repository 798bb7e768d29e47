#pragma once
// The program's last line of defence: an exception that escapes an event handler or start-up is shown to
// the user instead of unwinding through system code.

#include <exception>

#include "platform/Messagebox.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

// Where exceptions are shown; null for the system's message box. The box must outlive its use here.
void SetExceptionBox(platform::IMessageBox* box);

void ShowException(HWND owner, const std::exception& error);
void ShowUnknownException(HWND owner);

// Runs fn and shows anything it throws; returns false when it threw.
template <typename TFn>
bool GuardedCall(HWND owner, TFn&& fn) {
  try {
    fn();
    return true;
  } catch (const std::exception& error) {
    ShowException(owner, error);
  } catch (...) {
    ShowUnknownException(owner);
  }
  return false;
}

}  // namespace tolvane::ui
