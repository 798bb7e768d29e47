#pragma once

#include <cstdint>

#include "platform/Messagebox.h"

namespace tolvane::portable {

// The answer of a box nobody clicks: Ok when offered, else Yes when offered, else the first button in the
// box's own order. The stream box and the recording double answer so; neither has a user to ask.
platform::TMsgResult DefaultAnswer(std::uint32_t buttons);

}  // namespace tolvane::portable
