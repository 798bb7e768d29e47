#pragma once
// Anti-aliased shapes for the images that are drawn rather than placed pixel by pixel. A shape is an inside
// test on real coordinates (pixel x covers x … x + 1); a pixel's coverage is the share of an 8 × 8 grid of
// samples that lies inside.

#include <functional>
#include <vector>

#include "graphics/Qxbitmap.h"

namespace tolvane::imagegen {

using graphics::TQxBitmap;
using graphics::TQxColor;

using TShape = std::function<bool(double x, double y)>;
using TPaint = std::function<TQxColor(double x, double y)>;

struct TPoint {
  double X = 0;
  double Y = 0;
};

TShape Disc(double cx, double cy, double radius);
TShape Ring(double cx, double cy, double inner, double outer);
// The part of a ring between two angles in degrees, counted clockwise from 12 o'clock.
TShape ArcBand(double cx, double cy, double inner, double outer, double fromDegrees, double toDegrees);
TShape Capsule(TPoint a, TPoint b, double halfWidth);
TShape Polygon(std::vector<TPoint> points);
TShape RoundBox(double left, double top, double right, double bottom, double radius);
TShape Union(TShape a, TShape b);
TShape Minus(TShape a, TShape b);
// The shape grown by about d in every direction, for outlines.
TShape Grown(TShape shape, double d);

void Paint(TQxBitmap& bitmap, const TShape& shape, TQxColor color);
void Paint(TQxBitmap& bitmap, const TShape& shape, const TPaint& paint);
// A vertical gradient between two colours from y0 to y1, for Paint.
TPaint VerticalGradient(double y0, TQxColor top, double y1, TQxColor bottom);

}  // namespace tolvane::imagegen
