#pragma once

#include <string>

#include "platform/Platformtypes.h"

namespace tolvane::native {

// An errno value with the system's text for it.
platform::TSystemError ErrnoError(int code);
// A failure that has no errno, with our own text.
platform::TSystemError ErrnoError(int code, const std::string& message);

}  // namespace tolvane::native
