#pragma once
// The system's HLS model on the 0 … 240 scale that the settings dialogs' sliders use. It rounds differently
// from the percent HSL of Qxhsl.h; the two are not interchangeable.

#include <cstdint>

#include "graphics/Qxcolor.h"

namespace tolvane::graphics {

inline constexpr int HlsMax = 240;
// The hue the system reports for greys, whose hue is undefined.
inline constexpr int HlsGreyHue = 160;

struct THls {
  std::uint16_t Hue = 0;
  std::uint16_t Luminance = 0;
  std::uint16_t Saturation = 0;

  constexpr bool operator==(const THls&) const = default;
};

// The conversions computed here, on every system. Inputs are limited to 0 … 240; the colour's top byte is
// ignored (resolve a system colour first).
TColor ComputeHlsToRgb(int hue, int luminance, int saturation);
THls ComputeRgbToHls(TColor color);

// The system's own conversions on Windows, the computed ones elsewhere; the Windows tests hold the two equal.
TColor ColorHlsToRgb(int hue, int luminance, int saturation);
THls ColorRgbToHls(TColor color);

}  // namespace tolvane::graphics
