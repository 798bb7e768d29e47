#pragma once

#include <cstdint>

#include "platform/Messagebox.h"

namespace tolvane::recording {

// The answer of a box nobody clicks: Ok when offered, else Yes when offered, else the first button in the
// box's own order. Shared with the native message box, which has no user to ask either.
platform::TMsgResult DefaultAnswer(std::uint32_t buttons);

}  // namespace tolvane::recording
