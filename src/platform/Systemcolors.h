#pragma once

#include <array>
#include <cstdint>

namespace tolvane::platform {

// The system's colour scheme (GetSysColor). Colours hold red in the lowest byte, then green, then blue.
class ISystemColors {
 public:
  virtual ~ISystemColors() = default;

  // The current colour of a system colour index (COLOR_BTNFACE = 15, …); 0 for an unknown index.
  virtual std::uint32_t Color(int index) = 0;
};

// The classic default scheme, indices 0 … 30; what systems without a colour scheme of their own answer.
inline constexpr std::array<std::uint32_t, 31> DefaultSystemColors{
    0xC8D0D4, 0x984E00, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF9933, 0xF0F0F0};

}  // namespace tolvane::platform
