#pragma once
// The integer HSL model every owner-drawn surface computes its shades with. Colours on screen depend on the
// exact truncations, so the conversions are integer steps in a fixed order.

#include <cstdint>

#include "graphics/Qxcolor.h"
#include "platform/Systemcolors.h"

namespace tolvane::graphics {

struct TQxHsl {
  std::uint16_t Hue = 0;        // degrees, 0 … 359
  std::uint8_t Saturation = 0;  // percent, 0 … 100
  std::uint8_t Lightness = 0;   // percent, 0 … 100
  std::uint8_t Alpha = 0;       // carried through unchanged

  constexpr bool operator==(const TQxHsl&) const = default;
};

// Alpha is copied from the pixel. Full intensity maps to lightness 99, so white does not survive a round
// trip.
TQxHsl PixelToHsl(TQxColor pixel);

// A hue of 360 or more gives black. Saturation and lightness above 100 count as 100.
void HslToChannels(int hue, int saturation, int lightness, std::uint8_t& red, std::uint8_t& green,
                   std::uint8_t& blue);

// The pixel of the HSL, alpha included.
TQxColor HslToPixel(const TQxHsl& hsl);

// Resolves a system colour, then converts with alpha 0.
TQxHsl SystemColorToHsl(platform::ISystemColors& systemColors, TColor color);

// Red, green and blue of the HSL; the top byte is the HSL's alpha.
TColor HslToSystemColor(const TQxHsl& hsl);

// The 50 % mix: each channel is the truncated half-sum, alpha becomes 255.
constexpr TQxColor Blend(TQxColor a, TQxColor b) {
  return TQxColor((((a.Value >> 1) & 0x7F7F7Fu) + ((b.Value >> 1) & 0x7F7F7Fu)) | 0xFF000000u);
}

// Red, green and blue all become the weighted grey value; alpha is kept.
constexpr TQxColor Grey(TQxColor color) {
  const auto y =
      static_cast<std::uint8_t>((color.Red() * 320u + color.Green() * 576u + color.Blue() * 128u) >> 10);
  return TQxColor::FromChannels(y, y, y, color.Alpha());
}

}  // namespace tolvane::graphics
