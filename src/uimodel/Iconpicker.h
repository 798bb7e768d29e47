#pragma once
// The icon picker: the user glyphs as a grid of a row per base glyph and a column per colour variant, the
// cell under the pointer, its keys, and what choosing a cell does when opened modally or not.

#include <cstdint>
#include <span>

#include "common/Geometry.h"
#include "graphics/Glyphlist.h"
#include "graphics/Qxbitmap.h"
#include "uimodel/Menupaint.h"

namespace tolvane::uimodel {

inline constexpr int IconPickerColumns = 16;
inline constexpr int IconPickerCell = 26;  // IconSize + 10
inline constexpr int IconPickerInset = 5;  // glyph inside its cell

namespace menukey {
inline constexpr std::uint32_t End = 0x23;
inline constexpr std::uint32_t Home = 0x24;
}  // namespace menukey

class TIconGrid {
 public:
  TIconGrid() = default;
  // A row for every started run of 16 glyphs, starting "EdgeSize" px inside the window.
  TIconGrid(int glyphCount, int edge);

  int Rows() const { return RowCount; }
  int Cells() const { return RowCount * IconPickerColumns; }
  TSize WindowSize() const;
  TRect CellRect(int index) const;
  // Where the glyph of the cell is drawn.
  TPoint GlyphAt(int index) const;
  // The cell under a client point, or −1.
  int CellAt(TPoint point) const;

  // The window's screen bounds with its top-left at the corner, moved into the work area.
  TRect Place(TPoint corner, const TRect& workArea) const;

 private:
  int RowCount = 0;
  int Edge = 0;
};

// The cell a key moves to from hot (−1: none), or hot itself for keys that do not move. Left/Right wrap
// within the row, Up/Down within the column; Home/End go to the row's ends, PgUp/PgDn to the column's. With
// none hot the first cell is taken (End and PgDn: the last).
int IconPickerStep(std::uint32_t virtualKey, int hot, int cells);

// The icon index remembered program-wide for Ctrl+choose; −1 before the first choice.
struct TIconMemory {
  int Index = -1;
};

enum class TIconPickerEnd { Open, Chosen, Cancelled };

// Hot and pressed cell of an open picker and how it ends.
class TIconPicker {
 public:
  // Modal: ends with OK and the index; else the index is posted as UM_SET_ICON and remembered.
  TIconPicker(const TIconGrid& grid, bool modal, TIconMemory& memory)
      : Grid(grid), Modal(modal), Memory(memory) {}

  int Hot() const { return HotCell; }
  int Pressed() const { return PressedCell; }
  TIconPickerEnd End() const { return Ending; }
  // The index handed over once Chosen: the modal result or UM_SET_ICON's wParam.
  int ChosenIndex() const { return Result; }

  // The cell under the pointer (−1 when it left the window); true when the highlight changed.
  bool MouseMove(int cell);
  void MouseDown(int cell);
  // Chooses the pressed cell when released on it.
  void MouseUp(int cell, bool ctrl);
  void Key(std::uint32_t virtualKey, bool ctrl);
  // A non-modal picker closes when it loses the focus.
  void LostFocus();

 private:
  void Choose(int cell, bool ctrl);

  TIconGrid Grid;
  bool Modal = false;
  TIconMemory& Memory;
  int HotCell = -1;
  int PressedCell = -1;
  int Result = -1;
  TIconPickerEnd Ending = TIconPickerEnd::Open;
};

// The picker's looks: the window's gradient (a colour per bitmap row), the frame in "PopupFrameColor", each
// glyph 5 px inside its cell, the hot cell outlined twice and the pressed one sunk into the selection
// colours.
void PaintIconPicker(graphics::TQxBitmap& bitmap, const TIconGrid& grid, const TIconPicker& picker,
                     const graphics::TGlyphList& glyphs, std::span<const graphics::TQxColor> gradient,
                     const TMenuColors& colors, int edge);
// One cell alone, for a change of its look.
void PaintIconCell(graphics::TQxBitmap& bitmap, const TIconGrid& grid, const TIconPicker& picker, int index,
                   const graphics::TGlyphList& glyphs, std::span<const graphics::TQxColor> gradient,
                   const TMenuColors& colors);

}  // namespace tolvane::uimodel
