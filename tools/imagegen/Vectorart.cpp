#include "Vectorart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvane::imagegen {
namespace {

constexpr int Samples = 8;

double Clockwise(double cx, double cy, double x, double y) {
  const double degrees = std::atan2(x - cx, cy - y) * 180 / std::numbers::pi;
  return degrees < 0 ? degrees + 360 : degrees;
}

int Coverage(const TShape& shape, int px, int py) {
  int inside = 0;
  for (int i = 0; i < Samples; ++i) {
    for (int j = 0; j < Samples; ++j) {
      inside += shape(px + (i + 0.5) / Samples, py + (j + 0.5) / Samples) ? 1 : 0;
    }
  }
  return inside * 255 / (Samples * Samples);
}

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
}

}  // namespace

TShape Disc(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

TShape Ring(double cx, double cy, double inner, double outer) {
  return Minus(Disc(cx, cy, outer), Disc(cx, cy, inner));
}

TShape ArcBand(double cx, double cy, double inner, double outer, double fromDegrees, double toDegrees) {
  const TShape ring = Ring(cx, cy, inner, outer);
  return [=](double x, double y) {
    const double angle = Clockwise(cx, cy, x, y);
    const bool within = fromDegrees <= toDegrees ? angle >= fromDegrees && angle <= toDegrees
                                                 : angle >= fromDegrees || angle <= toDegrees;
    return within && ring(x, y);
  };
}

TShape Capsule(TPoint a, TPoint b, double halfWidth) {
  return [=](double x, double y) {
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((x - a.X) * dx + (y - a.Y) * dy) / length, 0.0, 1.0) : 0.0;
    const double nx = a.X + t * dx - x;
    const double ny = a.Y + t * dy - y;
    return nx * nx + ny * ny <= halfWidth * halfWidth;
  };
}

TShape Polygon(std::vector<TPoint> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const TPoint& p = points[i];
      const TPoint& q = points[j];
      if ((p.Y > y) != (q.Y > y) && x < (q.X - p.X) * (y - p.Y) / (q.Y - p.Y) + p.X) {
        inside = !inside;
      }
    }
    return inside;
  };
}

TShape RoundBox(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x > right || y < top || y > bottom) {
      return false;
    }
    const double nx = std::clamp(x, left + radius, right - radius);
    const double ny = std::clamp(y, top + radius, bottom - radius);
    return (x - nx) * (x - nx) + (y - ny) * (y - ny) <= radius * radius;
  };
}

TShape Union(TShape a, TShape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

TShape Minus(TShape a, TShape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

TShape Grown(TShape shape, double d) {
  return [shape = std::move(shape), d](double x, double y) {
    for (int k = 0; k < 16; ++k) {
      const double angle = k * std::numbers::pi / 8;
      if (shape(x + d * std::cos(angle), y + d * std::sin(angle))) {
        return true;
      }
    }
    return shape(x, y);
  };
}

void Paint(TQxBitmap& bitmap, const TShape& shape, TQxColor color) {
  Paint(bitmap, shape, [color](double, double) { return color; });
}

void Paint(TQxBitmap& bitmap, const TShape& shape, const TPaint& paint) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const int coverage = Coverage(shape, x, y);
      if (coverage > 0) {
        graphics::BlendPixel(bitmap.Row(y)[x], paint(x + 0.5, y + 0.5), coverage);
      }
    }
  }
}

TPaint VerticalGradient(double y0, TQxColor top, double y1, TQxColor bottom) {
  return [=](double, double y) {
    const double t = (y - y0) / (y1 - y0);
    return TQxColor::FromChannels(Mix(top.Red(), bottom.Red(), t), Mix(top.Green(), bottom.Green(), t),
                                  Mix(top.Blue(), bottom.Blue(), t), Mix(top.Alpha(), bottom.Alpha(), t));
  };
}

}  // namespace tolvane::imagegen
