#include "uimodel/Iconpicker.h"

#include "graphics/Gradient.h"
#include "graphics/Shapes.h"
#include "uimodel/Contextwindow.h"
#include "uimodel/Menukeys.h"

namespace tolvane::uimodel {

TIconGrid::TIconGrid(int glyphCount, int edge)
    : RowCount(glyphCount > 0 ? (glyphCount + IconPickerColumns - 1) / IconPickerColumns : 0), Edge(edge) {}

TSize TIconGrid::WindowSize() const {
  return {2 * Edge + IconPickerColumns * IconPickerCell, 2 * Edge + RowCount * IconPickerCell};
}

TRect TIconGrid::CellRect(int index) const {
  if (index < 0 || index >= Cells()) {
    return {};
  }
  return TRect::Sized(Edge + index % IconPickerColumns * IconPickerCell,
                      Edge + index / IconPickerColumns * IconPickerCell, IconPickerCell, IconPickerCell);
}

TPoint TIconGrid::GlyphAt(int index) const {
  const TRect cell = CellRect(index);
  return {cell.Left + IconPickerInset, cell.Top + IconPickerInset};
}

int TIconGrid::CellAt(TPoint point) const {
  const int x = point.X - Edge;
  const int y = point.Y - Edge;
  if (x < 0 || y < 0) {
    return -1;
  }
  const int column = x / IconPickerCell;
  const int row = y / IconPickerCell;
  return column < IconPickerColumns && row < RowCount ? row * IconPickerColumns + column : -1;
}

TRect TIconGrid::Place(TPoint corner, const TRect& workArea) const {
  const TSize size = WindowSize();
  return KeptInside(TRect::Sized(corner.X, corner.Y, size.Width, size.Height), workArea);
}

int IconPickerStep(std::uint32_t virtualKey, int hot, int cells) {
  const bool moves = virtualKey == menukey::Left || virtualKey == menukey::Right ||
                     virtualKey == menukey::Up || virtualKey == menukey::Down ||
                     virtualKey == menukey::Home || virtualKey == menukey::End ||
                     virtualKey == menukey::PageUp || virtualKey == menukey::PageDown;
  if (!moves || cells <= 0) {
    return hot;
  }
  if (hot < 0 || hot >= cells) {
    return virtualKey == menukey::End || virtualKey == menukey::PageDown ? cells - 1 : 0;
  }
  const int rows = cells / IconPickerColumns;
  const int row = hot / IconPickerColumns;
  const int column = hot % IconPickerColumns;
  const int rowStart = row * IconPickerColumns;
  switch (virtualKey) {
    case menukey::Left:
      return rowStart + (column + IconPickerColumns - 1) % IconPickerColumns;
    case menukey::Right:
      return rowStart + (column + 1) % IconPickerColumns;
    case menukey::Up:
      return (row + rows - 1) % rows * IconPickerColumns + column;
    case menukey::Down:
      return (row + 1) % rows * IconPickerColumns + column;
    case menukey::Home:
      return rowStart;
    case menukey::End:
      return rowStart + IconPickerColumns - 1;
    case menukey::PageUp:
      return column;
    default:  // PageDown
      return (rows - 1) * IconPickerColumns + column;
  }
}

bool TIconPicker::MouseMove(int cell) {
  if (Ending != TIconPickerEnd::Open || cell == HotCell) {
    return false;
  }
  HotCell = cell;
  if (cell < 0) {
    PressedCell = -1;
  }
  return true;
}

void TIconPicker::MouseDown(int cell) {
  if (Ending == TIconPickerEnd::Open) {
    PressedCell = cell;
    HotCell = cell;
  }
}

void TIconPicker::MouseUp(int cell, bool ctrl) {
  const int pressed = PressedCell;
  PressedCell = -1;
  if (Ending == TIconPickerEnd::Open && pressed >= 0 && cell == pressed) {
    Choose(cell, ctrl);
  }
}

void TIconPicker::Key(std::uint32_t virtualKey, bool ctrl) {
  if (Ending != TIconPickerEnd::Open) {
    return;
  }
  if (virtualKey == menukey::Enter) {
    if (HotCell >= 0) {
      Choose(HotCell, ctrl);
    }
  } else if (virtualKey == menukey::Escape) {
    Ending = TIconPickerEnd::Cancelled;
  } else {
    HotCell = IconPickerStep(virtualKey, HotCell, Grid.Cells());
  }
}

void TIconPicker::LostFocus() {
  if (!Modal && Ending == TIconPickerEnd::Open) {
    Ending = TIconPickerEnd::Cancelled;
  }
}

void TIconPicker::Choose(int cell, bool ctrl) {
  if (Modal) {
    Result = cell;
  } else {
    Result = ctrl && Memory.Index >= 0 ? Memory.Index : cell;
    Memory.Index = Result;
  }
  Ending = TIconPickerEnd::Chosen;
}

void PaintIconCell(graphics::TQxBitmap& bitmap, const TIconGrid& grid, const TIconPicker& picker, int index,
                   const graphics::TGlyphList& glyphs, std::span<const graphics::TQxColor> gradient,
                   const TMenuColors& colors) {
  const TRect cell = grid.CellRect(index);
  if (cell.Empty()) {
    return;
  }
  const TPoint glyph = grid.GlyphAt(index);
  if (index == picker.Pressed()) {
    graphics::FrameRect(bitmap, cell, colors.Frame);
    graphics::FillPipe(bitmap, cell.Inflated(-1), colors.SelTop, colors.SelBottom, colors.PipeShadow);
    glyphs.Draw(bitmap, index, glyph.X + 1, glyph.Y + 1);
    return;
  }
  graphics::FillFromTable(bitmap, cell, gradient);
  glyphs.Draw(bitmap, index, glyph.X, glyph.Y);
  if (index == picker.Hot()) {
    graphics::FrameRect(bitmap, cell, colors.Frame);
    graphics::FrameRect(bitmap, cell.Inflated(-1), colors.SelTop);
  }
}

void PaintIconPicker(graphics::TQxBitmap& bitmap, const TIconGrid& grid, const TIconPicker& picker,
                     const graphics::TGlyphList& glyphs, std::span<const graphics::TQxColor> gradient,
                     const TMenuColors& colors, int edge) {
  const TSize size = grid.WindowSize();
  graphics::FillFromTable(bitmap, TRect::Sized(0, 0, size.Width, size.Height), gradient);
  PaintPopupFrame(bitmap, size.Width, size.Height, edge, colors.PopupFrame);
  for (int index = 0; index < grid.Cells(); ++index) {
    PaintIconCell(bitmap, grid, picker, index, glyphs, gradient, colors);
  }
}

}  // namespace tolvane::uimodel
