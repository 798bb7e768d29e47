#include "ui/Mousesnapthread.h"

#include <system_error>
#include <thread>

namespace tolvane::ui {

bool TQxMouseSnapThread::Start(HWND target, unsigned delayMs) {
  try {
    std::thread(&TQxMouseSnapThread::Execute, target, delayMs).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

// A window that went away in the meantime has no rectangle, and the pointer is left alone.
void TQxMouseSnapThread::Execute(HWND target, unsigned delayMs) noexcept {
  ::Sleep(delayMs);
  RECT bounds{};
  if (::GetWindowRect(target, &bounds) != FALSE)
    ::SetCursorPos(bounds.left + (bounds.right - bounds.left) / 2,
                   bounds.top + (bounds.bottom - bounds.top) / 2);
}

}  // namespace tolvane::ui
