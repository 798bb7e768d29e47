#pragma once
// Running a window modally, the one way every dialog of the program does it: the thread's other windows are
// disabled while it runs, the dialog keys work (Tab, the arrow keys between buttons, Enter, Esc), and the
// focus goes back to where it was when the window closes.

#include <functional>

#include "platform/win32/Win.h"

namespace tolvane::ui {

struct TModalHooks {
  // Runs once the window is shown and in front (focus, pointer, topmost tick).
  std::function<void()> Shown;
  // Sees every message for the dialog first (accelerator letters); true when it handled the message.
  std::function<bool(const MSG&)> PreTranslate;
  // Enter where no control takes it: the default button's action.
  std::function<void()> ClickDefault;
  // Esc.
  std::function<void()> Cancel;
};

// Shows the dialog and runs its messages until done() answers true or the window is gone. A WM_QUIT that
// arrives meanwhile ends the run and is posted again for the program's own loop.
void RunModal(HWND dialog, const std::function<bool()>& done, const TModalHooks& hooks);

// Applies the dialog keys to a message meant for the dialog or one of its controls; true when it was used.
bool HandleDialogKey(HWND dialog, const MSG& message, const TModalHooks& hooks);

}  // namespace tolvane::ui
