#pragma once
// The glyph lists of the menus: square images cut from strip images, the user glyphs in their colour variants
// and the sub-menu arrow in its variants.

#include <cstdint>

#include "graphics/Qxbitmap.h"

namespace tolvane::graphics {

inline constexpr int GlyphSize = 16;
inline constexpr int GlyphVariants = 16;
// Cells per row of a list's bitmap; with 16 the user glyphs lie out as the icon picker shows them: a row per
// base glyph, a column per variant.
inline constexpr int GlyphColumns = 16;

// Square images of one size kept as cells of one bitmap; cell i sits at column i % 16, row i / 16.
class TGlyphList {
 public:
  // count transparent cells of cellSize pixels; false (list unchanged) when the bitmap cannot be made.
  [[nodiscard]] bool Reset(int cellSize, int count);

  int Count() const { return GlyphCount; }
  int CellSize() const { return Size; }
  bool Contains(int index) const { return index >= 0 && index < GlyphCount; }
  TRect CellRect(int index) const;
  const TQxBitmap& Cells() const { return Grid; }
  TQxBitmap& Cells() { return Grid; }

  // Blends the glyph over the target with its top-left corner at (x, y); an index outside the list draws
  // nothing and answers false.
  bool Draw(TQxBitmap& target, int index, int x, int y, std::uint8_t opacity = 255) const;

 private:
  TQxBitmap Grid;
  int Size = 0;
  int GlyphCount = 0;
};

// The strip's cells are squares as high as the strip, side by side; a part at the right narrower than a cell
// is ignored. Cells of another size than size are scaled with the area filter.
[[nodiscard]] bool CutStrip(const TQxBitmap& strip, int size, TGlyphList& glyphs);

// Every base glyph of the strip, at GlyphSize, in GlyphVariants hue variants: icon index = base × 16 +
// variant.
[[nodiscard]] bool MakeUserGlyphs(const TQxBitmap& strip, TGlyphList& glyphs);

// The arrow's size on a screen of that many pixels per inch: as drawn from 140 on, else 14 from 120 on,
// else 12.
constexpr int ArrowSize(int pixelsPerInch, int drawnSize) {
  return pixelsPerInch >= 140 ? drawnSize : pixelsPerInch >= 120 ? 14 : 12;
}

// The sub-menu arrow image (a square) in GlyphVariants hue variants at ArrowSize.
[[nodiscard]] bool MakeArrowGlyphs(const TQxBitmap& arrow, int pixelsPerInch, TGlyphList& glyphs);

}  // namespace tolvane::graphics
