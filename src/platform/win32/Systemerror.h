#pragma once

#include "platform/Platformtypes.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// The error code with the system's message text for it (user's language, no trailing line break).
platform::TSystemError SystemError(DWORD code);
// SystemError(GetLastError()).
platform::TSystemError LastSystemError();

}  // namespace tolvane::win32
