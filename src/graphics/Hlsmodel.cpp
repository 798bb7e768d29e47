#include "graphics/Hls.h"

#include <algorithm>

namespace tolvane::graphics {
namespace {

constexpr int RgbMax = 255;

// One channel's value on the 0 … 240 scale for a hue; low and high are the two magic values of the lightness.
int HueToValue(int low, int high, int hue) {
  if (hue < 0) {
    hue += HlsMax;
  } else if (hue > HlsMax) {
    hue -= HlsMax;
  }
  if (hue < HlsMax / 6) {
    return low + ((high - low) * hue + HlsMax / 12) / (HlsMax / 6);
  }
  if (hue < HlsMax / 2) {
    return high;
  }
  if (hue < HlsMax * 2 / 3) {
    return low + ((high - low) * (HlsMax * 2 / 3 - hue) + HlsMax / 12) / (HlsMax / 6);
  }
  return low;
}

std::uint8_t ToByte(int value) {
  return static_cast<std::uint8_t>((value * RgbMax + HlsMax / 2) / HlsMax);
}

// Each channel's distance from the largest, on the sixth of the hue circle.
int HueStep(int max, int channel, int delta) {
  return ((max - channel) * (HlsMax / 6) + delta / 2) / delta;
}

}  // namespace

TColor ComputeHlsToRgb(int hue, int luminance, int saturation) {
  hue = std::clamp(hue, 0, HlsMax);
  const int l = std::clamp(luminance, 0, HlsMax);
  const int s = std::clamp(saturation, 0, HlsMax);
  if (s == 0) {
    const auto grey = static_cast<std::uint8_t>(l * RgbMax / HlsMax);
    return RgbColor(grey, grey, grey);
  }
  const int high =
      l <= HlsMax / 2 ? (l * (HlsMax + s) + HlsMax / 2) / HlsMax : l + s - (l * s + HlsMax / 2) / HlsMax;
  const int low = 2 * l - high;
  return RgbColor(ToByte(HueToValue(low, high, hue + HlsMax / 3)), ToByte(HueToValue(low, high, hue)),
                  ToByte(HueToValue(low, high, hue - HlsMax / 3)));
}

THls ComputeRgbToHls(TColor color) {
  const int r = RedOf(color);
  const int g = GreenOf(color);
  const int b = BlueOf(color);
  const int max = std::max({r, g, b});
  const int min = std::min({r, g, b});
  const int sum = max + min;
  THls hls;
  hls.Luminance = static_cast<std::uint16_t>((sum * HlsMax + RgbMax) / (2 * RgbMax));
  if (max == min) {
    hls.Hue = HlsGreyHue;
    return hls;
  }
  const int delta = max - min;
  const int span = hls.Luminance <= HlsMax / 2 ? sum : 2 * RgbMax - sum;
  hls.Saturation = static_cast<std::uint16_t>((delta * HlsMax + span / 2) / span);
  int hue = 0;
  if (r == max) {
    hue = HueStep(max, b, delta) - HueStep(max, g, delta);
  } else if (g == max) {
    hue = HlsMax / 3 + HueStep(max, r, delta) - HueStep(max, b, delta);
  } else {
    hue = HlsMax * 2 / 3 + HueStep(max, g, delta) - HueStep(max, r, delta);
  }
  if (hue < 0) {
    hue += HlsMax;
  }
  hls.Hue = static_cast<std::uint16_t>(hue);
  return hls;
}

}  // namespace tolvane::graphics
