#include "uimodel/Iconpicker.h"

#include <gtest/gtest.h>

#include "uimodel/Menukeys.h"

namespace tolvane::uimodel {
namespace {

TEST(IconGridTest, RowsCellsAndHitTesting) {
  EXPECT_EQ(TIconGrid(0, 2).Rows(), 0);
  EXPECT_EQ(TIconGrid(32, 2).Rows(), 2);
  EXPECT_EQ(TIconGrid(33, 2).Rows(), 3);

  const TIconGrid grid(48, 3);
  EXPECT_EQ(grid.WindowSize(), (TSize{6 + 16 * 26, 6 + 3 * 26}));
  EXPECT_EQ(grid.CellRect(17), TRect::Sized(3 + 26, 3 + 26, 26, 26));
  EXPECT_EQ(grid.GlyphAt(17), (TPoint{34, 34}));
  EXPECT_EQ(grid.CellRect(48), TRect{});
  EXPECT_EQ(grid.CellAt({3, 3}), 0);
  EXPECT_EQ(grid.CellAt({2, 10}), -1);
  EXPECT_EQ(grid.CellAt({28, 28}), 0);
  EXPECT_EQ(grid.CellAt({29, 29}), 17);
  EXPECT_EQ(grid.CellAt({3 + 16 * 26 - 1, 3 + 3 * 26 - 1}), 47);
  EXPECT_EQ(grid.CellAt({3 + 16 * 26, 10}), -1);
  EXPECT_EQ(grid.CellAt({10, 3 + 3 * 26}), -1);
}

TEST(IconGridTest, PlacedFromTheCornerInsideTheWorkArea) {
  const TIconGrid grid(64, 1);
  const TSize size = grid.WindowSize();
  const TRect area{-1920, 0, 0, 1040};
  EXPECT_EQ(grid.Place({-1500, 100}, area), TRect::Sized(-1500, 100, size.Width, size.Height));
  EXPECT_EQ(grid.Place({-100, 100}, area).Right, 0);
  EXPECT_EQ(grid.Place({-1500, 1000}, area).Bottom, 1040);
  EXPECT_EQ(grid.Place({-2000, 100}, area).Left, -1920);
  EXPECT_EQ(grid.Place({-1500, -30}, area).Top, 0);
}

TEST(IconPickerKeysTest, EveryKeyWrapsWithinItsRowOrColumn) {
  constexpr int cells = 48;  // three rows
  struct TRow {
    std::uint32_t Key;
    int From;
    int To;
  };
  const TRow rows[] = {
      {menukey::Left, 17, 16},  {menukey::Left, 16, 31},  {menukey::Right, 31, 16},
      {menukey::Right, 20, 21}, {menukey::Up, 5, 37},     {menukey::Up, 37, 21},
      {menukey::Down, 37, 5},   {menukey::Down, 5, 21},   {menukey::Home, 25, 16},
      {menukey::End, 25, 31},   {menukey::PageUp, 37, 5}, {menukey::PageDown, 5, 37},
      {menukey::Left, -1, 0},   {menukey::Up, -1, 0},     {menukey::Home, -1, 0},
      {menukey::PageUp, -1, 0}, {menukey::End, -1, 47},   {menukey::PageDown, -1, 47},
      {menukey::Enter, -1, -1}, {menukey::Delete, 7, 7},
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(IconPickerStep(row.Key, row.From, cells), row.To) << "key " << row.Key << " from " << row.From;
  }
  // A single row: Up and Down stay in place.
  EXPECT_EQ(IconPickerStep(menukey::Up, 4, 16), 4);
  EXPECT_EQ(IconPickerStep(menukey::Down, 4, 16), 4);
  EXPECT_EQ(IconPickerStep(menukey::Down, -1, 0), -1);
}

TEST(IconPickerTest, ModalEndsWithTheCellAndLeavesTheMemoryAlone) {
  TIconMemory memory{40};
  TIconPicker picker(TIconGrid(48, 1), true, memory);
  picker.Key(menukey::Right, false);
  picker.Key(menukey::Right, false);
  picker.LostFocus();  // a modal picker stays open
  EXPECT_EQ(picker.End(), TIconPickerEnd::Open);
  picker.Key(menukey::Enter, true);
  EXPECT_EQ(picker.End(), TIconPickerEnd::Chosen);
  EXPECT_EQ(picker.ChosenIndex(), 1);
  EXPECT_EQ(memory.Index, 40);
}

TEST(IconPickerTest, CtrlReappliesTheRememberedIcon) {
  TIconMemory memory;
  const TIconGrid grid(48, 1);
  {
    // Nothing remembered yet: Ctrl sends the cell under the pointer and remembers it.
    TIconPicker picker(grid, false, memory);
    picker.MouseMove(20);
    picker.MouseDown(20);
    EXPECT_EQ(picker.Pressed(), 20);
    picker.MouseUp(20, true);
    EXPECT_EQ(picker.End(), TIconPickerEnd::Chosen);
    EXPECT_EQ(picker.ChosenIndex(), 20);
    EXPECT_EQ(memory.Index, 20);
  }
  {
    TIconPicker picker(grid, false, memory);
    picker.MouseDown(33);
    picker.MouseUp(33, true);
    EXPECT_EQ(picker.ChosenIndex(), 20);
  }
  {
    TIconPicker picker(grid, false, memory);
    picker.MouseDown(33);
    picker.MouseUp(33, false);
    EXPECT_EQ(picker.ChosenIndex(), 33);
    EXPECT_EQ(memory.Index, 33);
  }
}

TEST(IconPickerTest, MouseAndFocusRules) {
  TIconMemory memory;
  TIconPicker picker(TIconGrid(32, 1), false, memory);
  EXPECT_TRUE(picker.MouseMove(3));
  EXPECT_FALSE(picker.MouseMove(3));
  picker.MouseDown(3);
  picker.MouseUp(4, false);  // released on another cell
  EXPECT_EQ(picker.End(), TIconPickerEnd::Open);
  picker.MouseDown(3);
  EXPECT_TRUE(picker.MouseMove(-1));  // leaving the window drops the highlight and the press
  EXPECT_EQ(picker.Hot(), -1);
  picker.MouseUp(3, false);
  EXPECT_EQ(picker.End(), TIconPickerEnd::Open);
  picker.Key(menukey::Enter, false);  // nothing highlighted
  EXPECT_EQ(picker.End(), TIconPickerEnd::Open);
  picker.Key(menukey::End, false);
  EXPECT_EQ(picker.Hot(), 31);
  picker.LostFocus();
  EXPECT_EQ(picker.End(), TIconPickerEnd::Cancelled);
  EXPECT_EQ(memory.Index, -1);

  TIconPicker escaping(TIconGrid(32, 1), false, memory);
  escaping.Key(menukey::Escape, false);
  EXPECT_EQ(escaping.End(), TIconPickerEnd::Cancelled);
}

TEST(IconPickerPaintTest, GlyphsInsetHotOutlinedPressedSunk) {
  graphics::TGlyphList glyphs;
  ASSERT_TRUE(glyphs.Reset(16, 18));  // the last row has two glyphs
  const graphics::TQxColor ink = graphics::TQxColor::FromChannels(0, 0, 255);
  for (int index = 0; index < 18; ++index) {
    glyphs.Cells().Fill(glyphs.CellRect(index), ink);
  }
  const TIconGrid grid(glyphs.Count(), 1);
  TIconMemory memory;
  TIconPicker picker(grid, false, memory);
  TMenuColors colors;
  colors.Frame = graphics::TQxColor::FromChannels(90, 0, 90);
  colors.PopupFrame = graphics::TQxColor::FromChannels(10, 10, 10);
  colors.SelTop = colors.SelBottom = graphics::TQxColor::FromChannels(250, 200, 100);
  const TSize size = grid.WindowSize();
  const std::vector<graphics::TQxColor> gradient(static_cast<std::size_t>(size.Height),
                                                 graphics::TQxColor::FromChannels(240, 240, 240));
  graphics::TQxBitmap bitmap(size.Width, size.Height);
  picker.MouseMove(17);
  PaintIconPicker(bitmap, grid, picker, glyphs, gradient, colors, 1);

  const TRect first = grid.CellRect(0);
  EXPECT_EQ(bitmap.Pixel(first.Left + 4, first.Top + 4), gradient[0]);
  EXPECT_EQ(bitmap.Pixel(first.Left + 5, first.Top + 5), ink);
  EXPECT_EQ(bitmap.Pixel(0, 0), colors.PopupFrame);
  const TRect hot = grid.CellRect(17);
  EXPECT_EQ(bitmap.Pixel(hot.Left, hot.Top), colors.Frame);
  EXPECT_EQ(bitmap.Pixel(hot.Left + 1, hot.Top + 1), colors.SelTop);
  // A cell past the last glyph is only background.
  const TRect empty = grid.CellRect(18);
  EXPECT_EQ(bitmap.Pixel(empty.Left + 8, empty.Top + 8), gradient[0]);

  // Pressed: sunk into the selection colours, the glyph a pixel lower and further right.
  picker.MouseDown(16);
  PaintIconCell(bitmap, grid, picker, 16, glyphs, gradient, colors);
  const TRect pressed = grid.CellRect(16);
  EXPECT_EQ(bitmap.Pixel(pressed.Left + 5, pressed.Top + 5), colors.SelTop);
  EXPECT_EQ(bitmap.Pixel(pressed.Left + 6, pressed.Top + 6), ink);
}

}  // namespace
}  // namespace tolvane::uimodel
