#include "graphics/Qxhsl.h"

#include <algorithm>

namespace tolvane::graphics {
namespace {

// Channels are scaled by 255, so full intensity is 65025 while the fractions below use 65536 as one.
constexpr std::uint32_t One = 65536;

std::uint32_t HueOf(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t max, std::uint32_t min) {
  const std::uint32_t d = max - min;
  // The division order truncates in two places; keep it.
  const auto t = [max, d](std::uint32_t x) { return (((max - x) * One) / d * 60) / One; };
  if (r == max) {
    if (g == min) {
      const std::uint32_t hue = t(b) + 300;
      return hue == 360 ? 0 : hue;
    }
    return 60 - t(g);
  }
  if (g == max) {
    return b == min ? t(r) + 60 : 180 - t(b);
  }
  return r == min ? t(g) + 180 : 300 - t(r);
}

}  // namespace

TColor ResolveColor(platform::ISystemColors& systemColors, TColor color) {
  if (!IsSystemColor(color)) {
    return color;
  }
  return systemColors.Color(static_cast<int>(color & 0xFF)) & 0x00FFFFFFu;
}

TQxHsl PixelToHsl(TQxColor pixel) {
  const std::uint32_t r = pixel.Red() * 255u;
  const std::uint32_t g = pixel.Green() * 255u;
  const std::uint32_t b = pixel.Blue() * 255u;
  const std::uint32_t max = std::max({r, g, b});
  const std::uint32_t min = std::min({r, g, b});
  const std::uint32_t l = (max + min) / 2;
  TQxHsl hsl;
  hsl.Alpha = pixel.Alpha();
  if (l == 0) {
    return hsl;
  }
  hsl.Lightness = static_cast<std::uint8_t>(l * 100 / One);
  const std::uint32_t d = max - min;
  if (d == 0) {
    return hsl;
  }
  const std::uint32_t s = l < 32768 ? (d * One) / (max + min) : (d * One) / (2 * One - max - min);
  hsl.Saturation = static_cast<std::uint8_t>(s * 100 / One);
  hsl.Hue = static_cast<std::uint16_t>(HueOf(r, g, b, max, min));
  return hsl;
}

void HslToChannels(int hue, int saturation, int lightness, std::uint8_t& red, std::uint8_t& green,
                   std::uint8_t& blue) {
  // Out-of-range percentages would make p negative, which the unsigned scaling below turns into full
  // intensity.
  const int s = std::clamp(saturation, 0, 100);
  const int l = std::clamp(lightness, 0, 100);
  const int q = l < 50 ? (s + 100) * l / 100 : l + s - (l * s) / 100;
  if (q <= 0 || hue < 0 || hue >= 360) {
    red = green = blue = 0;
    return;
  }
  const int p = 2 * l - q;
  const int ratio = ((q - p) * 100) / q;
  const int sector = hue / 60;
  const int frac = ((hue - sector * 60) * 100) / 60;
  const int ramp = (q * ratio * frac) / 10000;
  const int up = p + ramp;
  const int down = q - ramp;
  static constexpr int Order[6][3] = {{0, 1, 2}, {3, 0, 2}, {2, 0, 1}, {2, 3, 0}, {1, 2, 0}, {0, 2, 3}};
  const int values[4] = {q, up, p, down};
  const auto byte = [](int value) {
    return static_cast<std::uint8_t>(std::min(255u, static_cast<unsigned>(value) * 255u / 100u));
  };
  red = byte(values[Order[sector][0]]);
  green = byte(values[Order[sector][1]]);
  blue = byte(values[Order[sector][2]]);
}

TQxColor HslToPixel(const TQxHsl& hsl) {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  HslToChannels(hsl.Hue, hsl.Saturation, hsl.Lightness, r, g, b);
  return TQxColor::FromChannels(r, g, b, hsl.Alpha);
}

TQxHsl SystemColorToHsl(platform::ISystemColors& systemColors, TColor color) {
  return PixelToHsl(TQxColor::FromColor(ResolveColor(systemColors, color)));
}

TColor HslToSystemColor(const TQxHsl& hsl) {
  std::uint8_t r = 255;
  std::uint8_t g = 255;
  std::uint8_t b = 255;
  HslToChannels(hsl.Hue, hsl.Saturation, hsl.Lightness, r, g, b);
  return RgbColor(r, g, b) | (TColor{hsl.Alpha} << 24);
}

}  // namespace tolvane::graphics
