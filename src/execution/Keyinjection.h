#pragma once

#include <span>
#include <vector>

#include "execution/Macrobatches.h"
#include "platform/Keyboard.h"

namespace tolvane::execution {

// Key-up records, lowest code first, for every key set in keys; an extended key is released as one.
std::vector<platform::TKeyRecord> ReleaseRecords(const TKeyState& keys);

// Injects the records as one batch and notes in pressed which keys the injected part left down. False when
// the system injected fewer records than asked.
[[nodiscard]] bool SendTracked(platform::IKeyboard& keyboard, std::span<const platform::TKeyRecord> records,
                               TKeyState& pressed);

// Releases every key in keys with one batch (none when keys is empty), clearing those that were released.
[[nodiscard]] bool ReleaseKeys(platform::IKeyboard& keyboard, TKeyState& keys);

}  // namespace tolvane::execution
