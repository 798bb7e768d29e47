#pragma once

#include <cstdint>

// The virtual-key codes the portable code sends or asks about; same values as the VK_ constants.
namespace tolvane::platform::vk {

inline constexpr std::uint16_t Enter = 0x0D;
inline constexpr std::uint16_t Control = 0x11;
inline constexpr std::uint16_t End = 0x23;
inline constexpr std::uint16_t Home = 0x24;
inline constexpr std::uint16_t Left = 0x25;
inline constexpr std::uint16_t Down = 0x28;
inline constexpr std::uint16_t Insert = 0x2D;
inline constexpr std::uint16_t C = 0x43;
inline constexpr std::uint16_t V = 0x56;

}  // namespace tolvane::platform::vk
