#pragma once
// The program's one set of geometry values for portable code; Windows code converts them to RECT, POINT and
// SIZE at its edge (ui/Geometrywin.h).

#include <algorithm>

namespace tolvane {

struct TPoint {
  int X = 0;
  int Y = 0;

  constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
  int Width = 0;
  int Height = 0;

  constexpr bool operator==(const TSize&) const = default;
};

// A pixel rectangle; Right and Bottom lie just outside it, as in the platform's own rectangles. Also the
// form of stored bounds ("left,top,right,bottom").
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
  constexpr TSize Size() const { return {Width(), Height()}; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint point) const {
    return point.X >= Left && point.X < Right && point.Y >= Top && point.Y < Bottom;
  }
  constexpr TRect Intersection(const TRect& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr TRect Inflated(int d) const { return {Left - d, Top - d, Right + d, Bottom + d}; }
  constexpr TRect MovedTo(int left, int top) const { return Sized(left, top, Width(), Height()); }

  constexpr bool operator==(const TRect&) const = default;
};

}  // namespace tolvane
