#pragma once
// The program's last line of defence: an exception that escapes an event handler or start-up is shown to
// the user instead of unwinding through system code.

#include <exception>

#include "platform/win32/Win.h"

namespace tolvane::ui {

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
