// TGlyBut: painting. The face is the owner's vertical gradient; hot lays a soft light rounded patch over it
// and pressed a soft shade, and the glyph is drawn centred with anti-aliased strokes, one pixel lower and
// further right while pressed.

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "graphics/Gradient.h"
#include "graphics/Shapes.h"
#include "ui/Glybut.h"

namespace tolvane::ui {

namespace {

using graphics::TQxColor;

// Design sizes at 144 pixels per inch.
constexpr int kGlyphSide = 15;
constexpr double kStrokeWidth = 2.25;
constexpr int kPatchInset = 2;
constexpr int kPatchRadius = 5;

TQxColor Opaque(graphics::TColor color) {
  return TQxColor::FromColor(color).WithAlpha(255);
}

// from moved toward to by weight / 255.
TQxColor Mix(TQxColor from, TQxColor to, int weight) {
  const auto channel = [weight](int a, int b) {
    return static_cast<std::uint8_t>(a + (b - a) * weight / 255);
  };
  return TQxColor::FromChannels(channel(from.Red(), to.Red()), channel(from.Green(), to.Green()),
                                channel(from.Blue(), to.Blue()));
}

struct TStroke {
  double X0, Y0, X1, Y1;
};

double DistanceToStroke(double x, double y, const TStroke& s) {
  const double dx = s.X1 - s.X0;
  const double dy = s.Y1 - s.Y0;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((x - s.X0) * dx + (y - s.Y0) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(x - (s.X0 + t * dx), y - (s.Y0 + t * dy));
}

// Round-ended strokes; coverage is the distance of the pixel's centre from the stroke's edge. Where strokes
// cross, a pixel takes the larger coverage rather than both, so the crossing is no darker than the arms.
void DrawStrokes(graphics::TQxBitmap& canvas, std::initializer_list<TStroke> strokes, double width,
                 TQxColor color) {
  const double reach = width / 2 + 1;
  TRect area{canvas.Width(), canvas.Height(), 0, 0};
  for (const TStroke& s : strokes) {
    area.Left = std::min(area.Left, static_cast<int>(std::floor(std::min(s.X0, s.X1) - reach)));
    area.Top = std::min(area.Top, static_cast<int>(std::floor(std::min(s.Y0, s.Y1) - reach)));
    area.Right = std::max(area.Right, static_cast<int>(std::ceil(std::max(s.X0, s.X1) + reach)));
    area.Bottom = std::max(area.Bottom, static_cast<int>(std::ceil(std::max(s.Y0, s.Y1) + reach)));
  }
  area = area.Intersection(canvas.Bounds());
  for (int y = area.Top; y < area.Bottom; ++y) {
    TQxColor* row = canvas.Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      double coverage = 0;
      for (const TStroke& s : strokes)
        coverage = std::max(coverage, width / 2 + 0.5 - DistanceToStroke(x + 0.5, y + 0.5, s));
      if (coverage > 0)
        graphics::BlendPixel(row[x], color, static_cast<int>(std::lround(std::min(coverage, 1.0) * 255)));
    }
  }
}

// The strokes run along the diagonals of a square of whole pixels, which pass through pixel centres, so they
// stay crisp; the inset keeps their round ends inside the square.
void PaintClose(graphics::TQxBitmap& canvas, const TRect& box, double width, TQxColor color) {
  const double inset = 0.5 + std::max(0.0, (width - 1) / 2);
  const double left = box.Left + inset;
  const double top = box.Top + inset;
  const double right = box.Right - inset;
  const double bottom = box.Bottom - inset;
  DrawStrokes(canvas, {{left, top, right, bottom}, {left, bottom, right, top}}, width, color);
}

void PaintPatch(graphics::TQxBitmap& canvas, TGlyButLook look, TQxColor frameColor,
                const uimodel::TScale& scale) {
  if (look != TGlyButLook::Hot && look != TGlyButLook::Pressed)
    return;
  const int inset = std::max(1, scale(kPatchInset));
  const TRect patch = canvas.Bounds().Inflated(-inset);
  const int radius = scale(kPatchRadius);
  const bool hot = look == TGlyButLook::Hot;
  graphics::FillRoundRect(canvas, patch, radius, hot ? TQxColor(0x66FFFFFFu) : TQxColor(0x24000000u));
  graphics::FrameRoundRect(canvas, patch, radius, frameColor.WithAlpha(hot ? 0x38 : 0x50));
}

// The cell as drawn, centred; a disabled button shows it faded.
void PaintImage(graphics::TQxBitmap& canvas, const TGlyButFace& face, int shift) {
  if (face.Images == nullptr || !face.Images->Contains(face.ImageIndex))
    return;
  const int cell = face.Images->CellSize();
  const std::uint8_t opacity = face.Look == TGlyButLook::Disabled ? 90 : 255;
  (void)face.Images->Draw(canvas, face.ImageIndex, (canvas.Width() - cell) / 2 + shift,
                          (canvas.Height() - cell) / 2 + shift, opacity);
}

}  // namespace

void PaintGlyButFace(graphics::TQxBitmap& canvas, const TGlyButFace& face, const uimodel::TScale& scale) {
  const TQxColor top = Opaque(face.Top);
  const TQxColor bottom = Opaque(face.Bottom);
  const TQxColor glyphColor = Opaque(face.GlyphColor);
  graphics::FillGradient(canvas, canvas.Bounds(), top, bottom);
  PaintPatch(canvas, face.Look, glyphColor, scale);

  TQxColor ink = glyphColor;
  if (face.Look == TGlyButLook::Hot || face.Look == TGlyButLook::Pressed)
    ink = Mix(glyphColor, TQxColor(0xFF000000u), 110);
  else if (face.Look == TGlyButLook::Disabled)
    ink = Mix(glyphColor, Mix(top, bottom, 128), 150);

  // The glyph keeps a margin of a third of its size at the least.
  const int room = std::min(canvas.Width(), canvas.Height()) * 3 / 5;
  const int side = std::max(3, std::min(scale(kGlyphSide), room));
  const int shift = face.Look == TGlyButLook::Pressed ? 1 : 0;
  const TRect box =
      TRect::Sized((canvas.Width() - side) / 2 + shift, (canvas.Height() - side) / 2 + shift, side, side);
  const double width = std::max(1.0, kStrokeWidth * scale.Ppi() / uimodel::DesignPpi);
  switch (face.Glyph) {
    case TGlyph::Close:
      PaintClose(canvas, box, width, ink);
      break;
    case TGlyph::Image:
      PaintImage(canvas, face, shift);
      break;
  }
}

}  // namespace tolvane::ui
