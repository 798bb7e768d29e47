#include "graphics/Shapes.h"

#include <algorithm>
#include <cstdint>

namespace tolvane::graphics {
namespace {

// Corner pixels are sampled on a 4 × 4 grid; positions are in eighths of a pixel.
constexpr int Sub = 8;
constexpr int Grid = 4;

struct TRoundShape {
  TRect Rect;
  int Radius = 0;

  TRoundShape(const TRect& rect, int radius)
      : Rect(rect), Radius(std::clamp(radius, 0, std::max(0, std::min(rect.Width(), rect.Height()) / 2))) {}

  bool InCorner(int x, int y) const {
    return (x < Rect.Left + Radius || x >= Rect.Right - Radius) &&
           (y < Rect.Top + Radius || y >= Rect.Bottom - Radius);
  }

  bool ContainsSample(std::int64_t sx, std::int64_t sy) const {
    const std::int64_t r = std::int64_t{Radius} * Sub;
    const std::int64_t nx =
        std::clamp<std::int64_t>(sx, std::int64_t{Rect.Left} * Sub + r, std::int64_t{Rect.Right} * Sub - r);
    const std::int64_t ny =
        std::clamp<std::int64_t>(sy, std::int64_t{Rect.Top} * Sub + r, std::int64_t{Rect.Bottom} * Sub - r);
    return (sx - nx) * (sx - nx) + (sy - ny) * (sy - ny) <= r * r;
  }

  // 0 … 255: how much of pixel (x, y) the shape covers.
  int Coverage(int x, int y) const {
    if (Rect.Empty() || x < Rect.Left || x >= Rect.Right || y < Rect.Top || y >= Rect.Bottom) {
      return 0;
    }
    if (!InCorner(x, y)) {
      return 255;
    }
    int inside = 0;
    for (int i = 0; i < Grid; ++i) {
      for (int j = 0; j < Grid; ++j) {
        const std::int64_t sx = std::int64_t{x} * Sub + 1 + 2 * i;
        const std::int64_t sy = std::int64_t{y} * Sub + 1 + 2 * j;
        inside += ContainsSample(sx, sy) ? 1 : 0;
      }
    }
    return inside * 255 / (Grid * Grid);
  }
};

template <typename CoverageOf>
void PaintCovered(TQxBitmap& bitmap, const TRect& rect, TQxColor color, CoverageOf coverageOf) {
  const TRect area = rect.Intersection(bitmap.Bounds());
  for (int y = area.Top; y < area.Bottom; ++y) {
    TQxColor* row = bitmap.Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      BlendPixel(row[x], color, coverageOf(x, y));
    }
  }
}

}  // namespace

void BlendRect(TQxBitmap& bitmap, const TRect& rect, TQxColor color) {
  if (color.Alpha() == 255) {
    bitmap.Fill(rect, color);
    return;
  }
  PaintCovered(bitmap, rect, color, [](int, int) { return 255; });
}

void FrameRect(TQxBitmap& bitmap, const TRect& rect, TQxColor color) {
  if (rect.Empty()) {
    return;
  }
  BlendRect(bitmap, {rect.Left, rect.Top, rect.Right, rect.Top + 1}, color);
  if (rect.Height() > 1) {
    BlendRect(bitmap, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, color);
  }
  if (rect.Height() > 2) {
    BlendRect(bitmap, {rect.Left, rect.Top + 1, rect.Left + 1, rect.Bottom - 1}, color);
    if (rect.Width() > 1) {
      BlendRect(bitmap, {rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom - 1}, color);
    }
  }
}

void FillRoundRect(TQxBitmap& bitmap, const TRect& rect, int radius, TQxColor color) {
  const TRoundShape shape(rect, radius);
  PaintCovered(bitmap, rect, color, [&shape](int x, int y) { return shape.Coverage(x, y); });
}

void FrameRoundRect(TQxBitmap& bitmap, const TRect& rect, int radius, TQxColor color, int lineWidth) {
  const TRoundShape outer(rect, radius);
  const int width = std::max(lineWidth, 1);
  const TRoundShape inner(rect.Inflated(-width), outer.Radius - width);
  PaintCovered(bitmap, rect, color,
               [&](int x, int y) { return std::max(0, outer.Coverage(x, y) - inner.Coverage(x, y)); });
}

}  // namespace tolvane::graphics
