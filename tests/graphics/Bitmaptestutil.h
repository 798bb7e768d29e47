#pragma once
// Small helpers for building and reading test bitmaps.

#include <string>

#include "graphics/Qxbitmap.h"

namespace tolvane::graphics::testing {

// A bitmap whose every pixel differs: red = x, green = y, blue = 7, alpha = 255 − x.
inline TQxBitmap Numbered(int width, int height) {
  TQxBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.setPixel(x, y,
                      TQxColor::FromChannels(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7,
                                             static_cast<std::uint8_t>(255 - x)));
    }
  }
  return bitmap;
}

// One character per pixel: '.' for transparent black, '#' for the given colour, anything else '?'.
inline std::string Picture(const TQxBitmap& bitmap, TQxColor ink) {
  std::string text;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TQxColor pixel = bitmap.Pixel(x, y);
      text += pixel == TQxColor() ? '.' : pixel == ink ? '#' : '?';
    }
    text += '\n';
  }
  return text;
}

}  // namespace tolvane::graphics::testing
