#pragma once

#include "platform/Keyboard.h"

namespace tolvane::execution {

// Sends Ctrl+V as one batch when autoPaste is on; with it off nothing is sent. False only when the system
// injected part of the keystroke; any key that part left pressed is released again.
[[nodiscard]] bool SendPasteKeys(bool autoPaste, platform::IKeyboard& keyboard);

}  // namespace tolvane::execution
