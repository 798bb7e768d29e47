#pragma once

#include <cstdint>

namespace tolvane::execution {

// What one input event does. The values are those of the event list's stored kinds.
enum class TInputKind : std::uint16_t {
  KeyDown = 1,
  KeyUp = 2,
  KeyPress = 3,  // down then up; no notation produces it, but the player accepts it
  Character = 4,
  Pause = 5,
};

// The code a pause carries.
inline constexpr std::uint16_t PauseCode = 0xFF;

// One input event of a keystroke macro.
struct TInputItem {
  TInputKind Kind = TInputKind::Character;
  // Virtual-key code for key events, UTF-16 code unit for characters, PauseCode for a pause.
  std::uint16_t Code = 0;
  // Only ever set for virtual keys.
  bool Extended = false;

  bool operator==(const TInputItem&) const = default;
};

// Keys the keyboard sends with the extended prefix; injected without the flag, the navigation keys would
// arrive as their numeric-pad twins.
constexpr bool IsExtendedKey(std::uint16_t code) {
  return code == 0x13 || (code >= 0x21 && code <= 0x2F) || code == 0x6F || code == 0x90;
}

}  // namespace tolvane::execution
