#pragma once
// Program start: the hidden application window, the main window and the message loop.

#include "platform/win32/Win.h"

namespace tolvane::app {

// Runs the program until the main window closes; the result is the process exit code.
int RunApplication(HINSTANCE instance);

}  // namespace tolvane::app
