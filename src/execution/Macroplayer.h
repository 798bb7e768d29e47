#pragma once

#include "execution/Qxinputlist.h"
#include "platform/Keyboard.h"
#include "platform/Time.h"

namespace tolvane::execution {

// Milliseconds after each injection call, so the target can take in one call before the next arrives.
inline constexpr std::uint32_t BatchGapMs = 10;

// Builds the list's batches and plays them repeatCount times (none for 0 or less), releasing after every
// repetition the keys the macro leaves pressed. Blocks the calling thread throughout. When the system injects
// only part of a call, playing stops there: what follows would land out of context. The keys pressed so far
// are released and false is returned.
[[nodiscard]] bool PlayInputList(TQxInputList& list, int repeatCount, platform::IKeyboard& keyboard,
                                 platform::ITime& time);

}  // namespace tolvane::execution
