#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

#include "execution/Inputitem.h"
#include "platform/Keyboard.h"

namespace tolvane::execution {

// One flag per virtual-key code: the keys a macro leaves pressed.
inline constexpr std::size_t KeyStateSize = 260;
using TKeyState = std::bitset<KeyStateSize>;

// Milliseconds a pause waits.
inline constexpr std::uint32_t PauseDelayMs = 100;

// One injection call of a played macro, or a pause when it has no events.
struct TExecuteItem {
  std::uint32_t Delay = 0;
  std::vector<platform::TKeyRecord> Events;

  bool operator==(const TExecuteItem&) const = default;
};

struct TMacroBatches {
  std::vector<TExecuteItem> Batches;
  TKeyState KeyState;
};

// Groups the events into injection calls: typed text and virtual keys go in separate calls, every Enter
// release ends its call so the target sees the text line by line, and each pause stands alone.
TMacroBatches BuildBatches(std::span<const TInputItem> items);

}  // namespace tolvane::execution
