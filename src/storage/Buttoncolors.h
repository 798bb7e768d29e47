#pragma once

#include <cstdint>

// The default button colours of the settings ("ButDimmedLight" …); the program's buttons start with them
// too, before any settings are read. Red in the lowest byte, then green, then blue.
namespace tolvane::storage::buttoncolor {

inline constexpr std::uint32_t DimmedLight = 0x00F2F1E3;
inline constexpr std::uint32_t DimmedDark = 0x00E2C7C1;
inline constexpr std::uint32_t HotLight = 0x00FDF6BA;
inline constexpr std::uint32_t HotDark = 0x00F5A997;
inline constexpr std::uint32_t DisabledLight = 0x00E4E4E4;
inline constexpr std::uint32_t DisabledDark = 0x00ACACAC;

}  // namespace tolvane::storage::buttoncolor
