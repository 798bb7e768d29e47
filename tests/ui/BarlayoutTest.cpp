#include "uimodel/Barlayout.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

TEST(BarLayoutTest, OneMenuRowFramedByTheEdgeAndAir) {
  EXPECT_EQ(RowHeightForTextHeight(16), 20);
  EXPECT_EQ(RowHeightForTextHeight(23), 28);
  EXPECT_EQ(BarHeightForRowHeight(20), 24);
  EXPECT_EQ(BarHeightForRowHeight(20, 3), 28);
  // A second monitor left of the primary one, with a taskbar at its top.
  EXPECT_EQ(DockedBarRect(TRect{-1920, 40, 0, 1080}, 24), (TRect{-1920, 40, 0, 64}));
  EXPECT_EQ(ShownBarTop(40, 1), 38);
  EXPECT_EQ(HiddenBarTop(40, 24), 16);
}

TEST(BarLayoutTest, SizerStripsAndIconsFollowEdgeItemHeightAndPixelsPerInch) {
  EXPECT_EQ(SizerStripWidth(1, 96), 2);
  EXPECT_EQ(SizerStripWidth(1, 120), 3);
  EXPECT_EQ(SizerStripWidth(5, 144), 6);
  EXPECT_EQ(IconTop(26), 5);
  EXPECT_EQ(IconTop(15), 0);  // truncated toward zero, not down
  EXPECT_EQ(IconTop(10), -3);
  EXPECT_EQ(IconMargin(10), 3);
  EXPECT_EQ(IconMargin(40), 7);
  EXPECT_EQ(IconMargin(28), 6);
}

TEST(BarLayoutTest, HeightsTellTheModesAndTopsTheDockingSide) {
  EXPECT_FALSE(IsEditorHeight(100));
  EXPECT_TRUE(IsEditorHeight(101));
  EXPECT_TRUE(IsAutoHideHeight(200));
  EXPECT_FALSE(IsAutoHideHeight(201));
  EXPECT_TRUE(IsWheelSizingHeight(70));
  EXPECT_FALSE(IsWheelSizingHeight(71));
  const TRect work{0, 40, 1280, 1040};
  EXPECT_TRUE(IsDockedAtTop(38, work));
  EXPECT_TRUE(IsDockedAtTop(539, work));
  EXPECT_FALSE(IsDockedAtTop(540, work));
}

TEST(BarLayoutTest, TheMouseWheelMovesOrSizesByFivePixels) {
  const TRect bar{100, 0, 900, 24};
  struct TRow {
    bool Up, Ctrl, Shift;
    TRect Expected;
  };
  const TRow rows[] = {
      {false, true, true, {105, 0, 895, 24}},  {false, true, false, {100, 0, 895, 24}},
      {false, false, true, {105, 0, 900, 24}}, {false, false, false, {95, 0, 895, 24}},
      {true, true, true, {95, 0, 905, 24}},    {true, true, false, {100, 0, 905, 24}},
      {true, false, true, {95, 0, 900, 24}},   {true, false, false, {105, 0, 905, 24}},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(WheelResized(bar, row.Up, row.Ctrl, row.Shift), row.Expected)
        << row.Up << row.Ctrl << row.Shift;
}

}  // namespace
}  // namespace tolvane::uimodel
