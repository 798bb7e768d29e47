#include "uimodel/Menulayout.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

// A fixed-pitch menu font of 8 pixels a character.
int Width(std::u16string_view text) {
  return 8 * static_cast<int>(text.size());
}

storage::TItem* AddItem(storage::TItem& parent, std::u16string_view name, int type) {
  storage::TItem* item = parent.NewChild();
  item->Name = name;
  item->ItemType = type;
  return item;
}

// Item height 28, edge 2, icon margin 6: a popup for child text width 100 is 160 wide, 5 rows 144 high.
const TMenuMetrics Metrics = TMenuMetrics::For(28, 2, 1, true);
const TRect WorkArea{0, 40, 1280, 1040};

TRect Place(int rows, TPopupAnchor anchor, bool docked) {
  return PlacePopup(rows, 100, Metrics, anchor, docked, WorkArea).Bounds;
}

TEST(MenuLayoutTest, BarEntriesWithIconRoomOnlyForUserEntries) {
  storage::TItem root;
  AddItem(root, u"Tolvane", 50);
  AddItem(root, u"Work", storage::ItemTypeFolder)->ShortCutText = u"W";
  EXPECT_EQ(LayoutBar(root, Metrics, 30, Width), 74 + 114);
  EXPECT_EQ(root.Children[0]->ItemRect, (TRect{0, 0, 74, 30}));    // the program item never shows an icon
  EXPECT_EQ(root.Children[1]->ItemRect, (TRect{74, 0, 188, 30}));  // "Work     W" + 18 + 16
  EXPECT_EQ(BarEntryAt(root, 73), 0);
  EXPECT_EQ(BarEntryAt(root, 74), 1);
  EXPECT_EQ(BarEntryAt(root, 188), -1);
  EXPECT_EQ(LayoutBar(root, TMenuMetrics::For(28, 2, 1, false), 30, Width), 74 + 98);
  EXPECT_EQ(MeasureChildren(root, Width), 80);
  EXPECT_EQ(root.MaxChildWidth, 80);
}

TEST(MenuLayoutTest, TheFourAnchorCases) {
  EXPECT_EQ(Place(5, {300, 68, 0, true}, true), (TRect{300, 68, 460, 212}));
  EXPECT_EQ(Place(5, {1200, 68, 0, true}, true).Left, 1120);
  EXPECT_EQ(Place(5, {300, 1000, 0, true}, false), (TRect{300, 854, 460, 998}));  // grows upwards
  // Sub-menus: the first row (docked at the top) or the last (lower half) lines up with the parent row;
  // past the right edge they open to the parent's left.
  EXPECT_EQ(Place(5, {500, 400, 340, false}, true), (TRect{500, 398, 660, 542}));
  EXPECT_EQ(Place(5, {1200, 400, 1040, false}, true).Left, 880);
  EXPECT_EQ(Place(5, {500, 600, 340, false}, false).Top, 600 + 30 - 144);
}

TEST(MenuLayoutTest, OverflowMovesASubMenuByWholeRows) {
  EXPECT_EQ(Place(5, {500, 954, 340, false}, true).Top, 952 - 56);  // two rows over: up by exactly two
  EXPECT_EQ(Place(5, {500, 955, 340, false}, true).Top, 953 - 84);  // one pixel more: three
  const TRect moved = Place(5, {500, 100, 340, false}, false);      // 54 short of the top
  EXPECT_EQ(moved.Top, -14 + 56);
  // Nearly as tall as the work area: rounding would push it past the top, so it stays inside.
  EXPECT_EQ(PlacePopup(35, 100, Metrics, {500, 400, 340, false}, true, TRect{0, 0, 1280, 984}).Bounds.Top, 0);
}

TEST(MenuLayoutTest, APopupTooTallScrollsInsideTheWorkArea) {
  // 34 rows fit between the frame and two 14-pixel strips in the 1000-pixel work area.
  const TPopupPlacement sub = PlacePopup(10000, 100, Metrics, {500, 400, 340, false}, true, WorkArea);
  TPopupRows rows = sub.Rows;
  EXPECT_EQ(rows.Visible(), 34);
  EXPECT_EQ(sub.Bounds, (TRect{500, 1040 - 984, 660, 1040}));
  for (const bool docked : {true, false}) {
    for (const bool fromBar : {true, false}) {
      const TRect bounds = Place(10000, {500, docked ? 68 : 1000, 340, fromBar}, docked);
      EXPECT_TRUE(bounds.Top >= WorkArea.Top && bounds.Bottom <= WorkArea.Bottom) << docked << fromBar;
    }
  }
  // Below a bar ending at 68 there are 972 pixels: 34 rows fit, 35 scroll.
  EXPECT_FALSE(PlacePopup(34, 100, Metrics, {300, 68, 0, true}, true, WorkArea).Rows.Scrolls());
  EXPECT_EQ(Place(35, {300, 68, 0, true}, true), (TRect{300, 68, 460, 68 + 4 + 28 + 33 * 28}));

  EXPECT_EQ(rows.ScrollDownStrip(160), (TRect{2, 968, 158, 982}));
  EXPECT_EQ(rows.RowAt(15), -1);  // the upper strip
  EXPECT_EQ(rows.RowAt(16), 0);
  EXPECT_EQ(rows.RowAt(968), -1);
  EXPECT_EQ(rows.RowRect(33, 160), (TRect{2, 940, 158, 968}));
  EXPECT_TRUE(rows.RowRect(34, 160).Empty());
  EXPECT_FALSE(rows.ScrollBy(-1));
  EXPECT_TRUE(rows.EnsureVisible(40));
  EXPECT_EQ(rows.RowAt(16), 7);
  EXPECT_FALSE(rows.EnsureVisible(40));
  EXPECT_TRUE(rows.ScrollBy(1000000));
  EXPECT_EQ(rows.First(), 10000 - 34);
  EXPECT_FALSE(rows.CanScrollDown());
}

}  // namespace
}  // namespace tolvane::uimodel
