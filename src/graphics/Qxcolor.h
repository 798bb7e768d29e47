#pragma once
// The two colour encodings: the platform's colour value and the 32-bit pixel of a device-independent bitmap.

#include <bit>
#include <cstdint>

#include "platform/Systemcolors.h"

namespace tolvane::graphics {

static_assert(std::endian::native == std::endian::little, "pixels are laid out for little-endian machines");

// The platform's colour value: red in the lowest byte, then green, then blue. A non-zero top byte marks a
// system colour whose index is the lowest byte.
using TColor = std::uint32_t;

constexpr TColor RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return TColor{red} | (TColor{green} << 8) | (TColor{blue} << 16);
}
constexpr std::uint8_t RedOf(TColor color) {
  return static_cast<std::uint8_t>(color);
}
constexpr std::uint8_t GreenOf(TColor color) {
  return static_cast<std::uint8_t>(color >> 8);
}
constexpr std::uint8_t BlueOf(TColor color) {
  return static_cast<std::uint8_t>(color >> 16);
}
constexpr bool IsSystemColor(TColor color) {
  return (color >> 24) != 0;
}

// The colour with a system colour replaced by its current red, green and blue (top byte 0).
TColor ResolveColor(platform::ISystemColors& systemColors, TColor color);

// A pixel of a 32-bit bitmap: blue, green, red, alpha in memory, so as one value alpha is the top byte and
// blue the lowest.
struct TQxColor {
  std::uint32_t Value = 0;

  constexpr TQxColor() = default;
  constexpr explicit TQxColor(std::uint32_t value) : Value(value) {}
  static constexpr TQxColor FromChannels(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                         std::uint8_t alpha = 255) {
    return TQxColor((std::uint32_t{alpha} << 24) | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) |
                    blue);
  }
  // Red and blue trade places and alpha is 0; resolve a system colour first.
  static constexpr TQxColor FromColor(TColor color) {
    return FromChannels(RedOf(color), GreenOf(color), BlueOf(color), 0);
  }

  constexpr std::uint8_t Blue() const { return static_cast<std::uint8_t>(Value); }
  constexpr std::uint8_t Green() const { return static_cast<std::uint8_t>(Value >> 8); }
  constexpr std::uint8_t Red() const { return static_cast<std::uint8_t>(Value >> 16); }
  constexpr std::uint8_t Alpha() const { return static_cast<std::uint8_t>(Value >> 24); }
  constexpr TQxColor WithAlpha(std::uint8_t alpha) const {
    return TQxColor((Value & 0x00FFFFFFu) | (std::uint32_t{alpha} << 24));
  }
  // The plain colour value (top byte 0).
  constexpr TColor ToColor() const { return RgbColor(Red(), Green(), Blue()); }

  constexpr bool operator==(const TQxColor&) const = default;
};
static_assert(sizeof(TQxColor) == 4);

}  // namespace tolvane::graphics
