#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Keyboard.h"
#include "platform/Time.h"

namespace tolvane::execution {

// A modifier key, by side, and whether its records carry the extended flag.
struct TModifierKey {
  std::uint16_t VirtualKey = 0;
  bool Extended = false;
};

// Left and right Shift, Ctrl and Alt, and the two Windows keys. By side, because lifting the shared code
// releases only the left key.
inline constexpr std::array<TModifierKey, 8> ModifierKeys = {{
    {0xA0, false},  // left Shift
    {0xA1, false},  // right Shift
    {0xA2, false},  // left Ctrl
    {0xA3, true},   // right Ctrl
    {0xA4, false},  // left Alt
    {0xA5, true},   // right Alt
    {0x5B, true},   // left Windows key
    {0x5C, true},   // right Windows key
}};

// The user releases the keys of a pick a moment after it; that moment is waited for, this long at most.
inline constexpr std::uint32_t ModifierReleaseWaitMs = 500;
inline constexpr std::uint32_t ModifierPollMs = 25;

// Keeps the modifier keys the user still holds out of the keys a pick sends: otherwise Ctrl+V arrives as
// Ctrl+Shift+V and typed text as shortcuts. For its lifetime the held keys are lifted; afterwards they are
// pressed again, so the keyboard is as the user holds it, also when what was sent in between failed.
class THeldModifiers {
 public:
  // Waits at most ModifierReleaseWaitMs for the keys to be released, then lifts those still down.
  THeldModifiers(platform::IKeyboard& keyboard, platform::ITime& time);
  ~THeldModifiers();
  THeldModifiers(const THeldModifiers&) = delete;
  THeldModifiers& operator=(const THeldModifiers&) = delete;

  // The keys lifted, to be pressed again.
  const std::vector<TModifierKey>& Lifted() const { return Keys; }

 private:
  platform::IKeyboard& Keyboard;
  std::vector<TModifierKey> Keys;
};

}  // namespace tolvane::execution
