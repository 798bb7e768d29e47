#include "graphics/Glyphlist.h"

#include <algorithm>
#include <array>

#include "graphics/Huerotate.h"

namespace tolvane::graphics {
namespace {

// The list's cells side by side in one row, the form RotateHues works on.
bool LineUp(const TGlyphList& glyphs, TQxBitmap& line) {
  const int size = glyphs.CellSize();
  if (!line.Resize(glyphs.Count() * size, size)) {
    return false;
  }
  for (int i = 0; i < glyphs.Count(); ++i) {
    line.CopyRect(glyphs.Cells(), glyphs.CellRect(i), i * size, 0);
  }
  return true;
}

// Cell i × variants + v of the result is cell i of the list turned to variant v.
bool MakeVariants(const TGlyphList& glyphs, TGlyphList& result) {
  std::array<TQxBitmap, GlyphVariants> variants;
  std::array<TQxBitmap*, GlyphVariants> targets{};
  if (!LineUp(glyphs, variants[0])) {
    return false;
  }
  for (int v = 1; v < GlyphVariants; ++v) {
    targets[v] = &variants[v];
  }
  TGlyphList made;
  if (!RotateHues(variants[0], targets) || !made.Reset(glyphs.CellSize(), glyphs.Count() * GlyphVariants)) {
    return false;
  }
  const int size = glyphs.CellSize();
  for (int i = 0; i < glyphs.Count(); ++i) {
    for (int v = 0; v < GlyphVariants; ++v) {
      const TRect cell = made.CellRect(i * GlyphVariants + v);
      made.Cells().CopyRect(variants[v], TRect::Sized(i * size, 0, size, size), cell.Left, cell.Top);
    }
  }
  result = std::move(made);
  return true;
}

}  // namespace

bool TGlyphList::Reset(int cellSize, int count) {
  if (cellSize < 0 || count < 0) {
    return false;
  }
  const std::int64_t rows = (std::int64_t{count} + GlyphColumns - 1) / GlyphColumns;
  const std::int64_t columns = std::min(count, GlyphColumns);
  TQxBitmap grid;
  if (rows * cellSize > TQxBitmap::MaxPixels || columns * cellSize > TQxBitmap::MaxPixels ||
      !grid.Resize(static_cast<int>(columns * cellSize), static_cast<int>(rows * cellSize))) {
    return false;
  }
  Grid = std::move(grid);
  Size = cellSize;
  GlyphCount = count;
  return true;
}

TRect TGlyphList::CellRect(int index) const {
  return TRect::Sized(index % GlyphColumns * Size, index / GlyphColumns * Size, Size, Size);
}

bool TGlyphList::Draw(TQxBitmap& target, int index, int x, int y, std::uint8_t opacity) const {
  if (!Contains(index)) {
    return false;
  }
  target.AlphaBlend(Grid, CellRect(index), x, y, opacity);
  return true;
}

bool CutStrip(const TQxBitmap& strip, int size, TGlyphList& glyphs) {
  const int cell = strip.Height();
  const int count = cell > 0 ? strip.Width() / cell : 0;
  TGlyphList cut;
  if (size <= 0 || !cut.Reset(size, count)) {
    return false;
  }
  for (int i = 0; i < count; ++i) {
    const TRect from = TRect::Sized(i * cell, 0, cell, cell);
    const TRect to = cut.CellRect(i);
    if (cell == size) {
      cut.Cells().CopyRect(strip, from, to.Left, to.Top);
    } else {
      cut.Cells().DrawScaled(strip, from, to, TScaleFilter::Area);
    }
  }
  glyphs = std::move(cut);
  return true;
}

bool MakeUserGlyphs(const TQxBitmap& strip, TGlyphList& glyphs) {
  TGlyphList bases;
  return CutStrip(strip, GlyphSize, bases) && MakeVariants(bases, glyphs);
}

bool MakeArrowGlyphs(const TQxBitmap& arrow, int pixelsPerInch, TGlyphList& glyphs) {
  TGlyphList single;
  return CutStrip(arrow, ArrowSize(pixelsPerInch, arrow.Height()), single) && single.Count() == 1 &&
         MakeVariants(single, glyphs);
}

}  // namespace tolvane::graphics
