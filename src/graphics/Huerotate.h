#pragma once
// Differently coloured copies of one image: every pixel's hue turned, saturation, lightness and alpha kept.

#include <span>

#include "graphics/Qxbitmap.h"

namespace tolvane::graphics {

// The hue shift of variant index out of count: index × (36000 / count) / 100 whole degrees, so variant k of
// 16 is turned by ⌊22.5 × k⌋.
constexpr int HueShift(int index, int count) {
  return count > 0 ? index * (36000 / count) / 100 : 0;
}

// variants[0] stands for the source itself and is left alone (it may be null); every other entry i is made
// the source's size and receives the source turned by HueShift(i, variants.size()). Each source row is
// converted to HSL once, into a row buffer, and every variant is written from it. False when a variant could
// not take the size (the others are still written).
[[nodiscard]] bool RotateHues(const TQxBitmap& source, std::span<TQxBitmap* const> variants);

}  // namespace tolvane::graphics
