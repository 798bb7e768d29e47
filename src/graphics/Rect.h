#pragma once

#include <algorithm>

namespace tolvane::graphics {

// A pixel rectangle; Right and Bottom lie just outside it, as in the platform's own rectangles.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static constexpr TRect Sized(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr TRect Intersection(const TRect& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr TRect Inflated(int d) const { return {Left - d, Top - d, Right + d, Bottom + d}; }

  constexpr bool operator==(const TRect&) const = default;
};

}  // namespace tolvane::graphics
