#pragma once

#include <cstdint>

#include "graphics/Qxcolor.h"

namespace tolvane::imagegen {

// 0xRRGGBB with an alpha.
constexpr graphics::TQxColor Rgb(std::uint32_t rgb, std::uint8_t alpha = 255) {
  return graphics::TQxColor::FromChannels(static_cast<std::uint8_t>(rgb >> 16),
                                          static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb),
                                          alpha);
}

// Shared with the pixel art, so drawn and placed glyphs match.
inline constexpr graphics::TQxColor BlueDark = Rgb(0x1c4587);
inline constexpr graphics::TQxColor BlueLight = Rgb(0x5a9be8);
inline constexpr graphics::TQxColor BlueMid = Rgb(0x2a62c0);
inline constexpr graphics::TQxColor RedDark = Rgb(0x8c1a1a);
inline constexpr graphics::TQxColor RedLight = Rgb(0xf06060);
inline constexpr graphics::TQxColor RedMid = Rgb(0xc62828);
inline constexpr graphics::TQxColor GreenDark = Rgb(0x1b6e2a);
inline constexpr graphics::TQxColor GreenMid = Rgb(0x3cae4c);
inline constexpr graphics::TQxColor GreenLight = Rgb(0x7fd88a);
inline constexpr graphics::TQxColor AmberDark = Rgb(0x8a5200);
inline constexpr graphics::TQxColor AmberLight = Rgb(0xffd45e);
inline constexpr graphics::TQxColor AmberMid = Rgb(0xe69a17);
inline constexpr graphics::TQxColor Ink = Rgb(0x2e2e2e);
inline constexpr graphics::TQxColor White = Rgb(0xffffff);

}  // namespace tolvane::imagegen
