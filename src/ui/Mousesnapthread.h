#pragma once
// TQxMouseSnapThread: the message box's only helper thread. It sleeps a moment, puts the mouse pointer on
// the centre of a window, and ends and frees itself; the window's position is all it reads.

#include "platform/win32/Win.h"

namespace tolvane::ui {

class TQxMouseSnapThread {
 public:
  // False when no thread could be started; the pointer then stays where it is.
  [[nodiscard]] static bool Start(HWND target, unsigned delayMs);

 private:
  static void Execute(HWND target, unsigned delayMs) noexcept;
};

}  // namespace tolvane::ui
