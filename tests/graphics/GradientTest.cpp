#include "graphics/Gradient.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane::graphics {
namespace {

TQxColor Rgb(int r, int g, int b) {
  return TQxColor::FromChannels(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                static_cast<std::uint8_t>(b), 255);
}

TQxColor GreyOf(int v) {
  return Rgb(v, v, v);
}

std::vector<TQxColor> Greys(std::initializer_list<int> values) {
  std::vector<TQxColor> rows;
  for (const int v : values) {
    rows.push_back(GreyOf(v));
  }
  return rows;
}

TEST(Gradient, RowsFollowTheTruncatedFixedPointSteps) {
  // Rising channels fall short of the bottom colour when the step is not exact; falling ones reach it.
  EXPECT_EQ(Gradient(TQxColor::FromChannels(0, 0, 0, 0), Rgb(10, 20, 255), 4),
            (std::vector{Rgb(0, 0, 0), Rgb(3, 6, 85), Rgb(6, 13, 170), Rgb(9, 19, 255)}));
  EXPECT_EQ(Gradient(Rgb(10, 255, 0), Rgb(0, 0, 0), 4),
            (std::vector{Rgb(10, 255, 0), Rgb(6, 170, 0), Rgb(3, 85, 0), Rgb(0, 0, 0)}));
}

TEST(Gradient, ShortGradients) {
  EXPECT_EQ(Gradient(TQxColor::FromChannels(1, 2, 3, 0), Rgb(9, 9, 9), 1), (std::vector{Rgb(1, 2, 3)}));
  EXPECT_EQ(Gradient(Rgb(0, 0, 0), Rgb(10, 9, 8), 2), (std::vector{Rgb(0, 0, 0), Rgb(10, 9, 8)}));
  EXPECT_TRUE(Gradient(Rgb(0, 0, 0), Rgb(1, 1, 1), 0).empty());
  EXPECT_TRUE(Gradient(Rgb(0, 0, 0), Rgb(1, 1, 1), -3).empty());
}

struct TPipeCase {
  int Rows;
  std::uint8_t Depth;
  std::vector<TQxColor> Expected;
};

class PipeTest : public ::testing::TestWithParam<TPipeCase> {};

TEST_P(PipeTest, RisesToTheTopColourAndFallsToTheShadow) {
  const TPipeCase& row = GetParam();
  std::vector<TQxColor> rows(static_cast<std::size_t>(row.Rows));
  PipeRows(GreyOf(200), GreyOf(100), row.Depth, rows);
  EXPECT_EQ(rows, row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, PipeTest,
    ::testing::Values(TPipeCase{10, 0, Greys({100, 133, 166, 199, 200, 180, 160, 140, 120, 100})},
                      TPipeCase{10, 255, Greys({100, 133, 166, 199, 200, 160, 120, 80, 40, 0})},
                      TPipeCase{10, 50, Greys({100, 133, 166, 199, 200, 176, 152, 128, 104, 80})},
                      TPipeCase{1, 255, Greys({200})}, TPipeCase{2, 255, Greys({200, 0})},
                      TPipeCase{3, 0, Greys({100, 200, 100})}, TPipeCase{0, 0, {}}));

class PopupGradientsTest : public ::testing::Test {
 protected:
  const TQxColor Top = GreyOf(240);
  const TQxColor Bottom = GreyOf(177);
};

TEST_F(PopupGradientsTest, LongTableTakesTheLargestLength) {
  EXPECT_EQ(MakePopupGradients(Top, Bottom, 10, 28, 1080).LongGradient.size(), 540u);
  EXPECT_EQ(MakePopupGradients(Top, Bottom, 40, 28, 1080).LongGradient.size(), 1176u);
  EXPECT_EQ(MakePopupGradients(Top, Bottom, 3, 28, 600).LongGradient.size(), 400u);
  EXPECT_EQ(MakePopupGradients(Top, Bottom, -3, -28, -600).LongGradient.size(), 400u);
}

TEST_F(PopupGradientsTest, TablesMatchHandComputedRows) {
  const TPopupGradients tables = MakePopupGradients(Top, Bottom, 10, 28, 1080);
  const std::vector<TQxColor>& longRows = tables.LongGradient;
  // Step −63 × 2^22 / 539 = −490243.3, truncated.
  EXPECT_EQ(longRows[0], GreyOf(240));
  EXPECT_EQ(longRows[30], GreyOf(236));
  EXPECT_EQ(longRows[340], GreyOf(200));
  EXPECT_EQ(longRows[539], GreyOf(177));
  const std::vector<TQxColor>& shortRows = tables.ShortGradient;
  ASSERT_EQ(shortRows.size(), 220u);
  // Step −36 × 2^22 / 219 = −689474.6, truncated.
  EXPECT_EQ(shortRows[0], GreyOf(236));
  EXPECT_EQ(shortRows[110], GreyOf(217));
  EXPECT_EQ(shortRows[219], GreyOf(200));
}

TEST_F(PopupGradientsTest, LowPopupsUseTheShortTable) {
  const TPopupGradients tables = MakePopupGradients(Top, Bottom, 10, 28, 1080);
  EXPECT_EQ(tables.ForPopup(219).data(), tables.ShortGradient.data());
  EXPECT_EQ(tables.ForPopup(220).data(), tables.LongGradient.data());
}

TEST(GradientFill, RowsStartAtTheRectangleTop) {
  TQxBitmap bitmap(3, 8);
  FillGradient(bitmap, {1, 2, 3, 6}, GreyOf(30), GreyOf(0));
  EXPECT_EQ(bitmap.Pixel(1, 1), TQxColor());
  EXPECT_EQ(bitmap.Pixel(0, 2), TQxColor());
  for (const auto& [y, v] : {std::pair{2, 30}, {3, 20}, {4, 10}, {5, 0}}) {
    EXPECT_EQ(bitmap.Pixel(1, y), GreyOf(v));
    EXPECT_EQ(bitmap.Pixel(2, y), GreyOf(v));
  }
  EXPECT_EQ(bitmap.Pixel(1, 6), TQxColor());
}

TEST(GradientFill, ClippedGradientKeepsItsRows) {
  TQxBitmap bitmap(1, 2);
  FillGradient(bitmap, {0, -2, 1, 2}, GreyOf(30), GreyOf(0));
  EXPECT_EQ(bitmap.Pixel(0, 0), GreyOf(10));
  EXPECT_EQ(bitmap.Pixel(0, 1), GreyOf(0));
}

TEST(GradientFill, PipeFillsTheRectangle) {
  TQxBitmap bitmap(1, 12);
  FillPipe(bitmap, {0, 1, 1, 11}, GreyOf(200), GreyOf(100), 255);
  EXPECT_EQ(bitmap.Pixel(0, 1), GreyOf(100));
  EXPECT_EQ(bitmap.Pixel(0, 5), GreyOf(200));
  EXPECT_EQ(bitmap.Pixel(0, 10), GreyOf(0));
  EXPECT_EQ(bitmap.Pixel(0, 11), TQxColor());
}

TEST(GradientFill, TableRowsFollowBitmapRowsAndRepeatTheLastBeyondTheEnd) {
  TQxBitmap bitmap(2, 5);
  const std::vector<TQxColor> table = Greys({1, 2, 3});
  FillFromTable(bitmap, {0, 1, 2, 5}, table);
  EXPECT_EQ(bitmap.Pixel(0, 0), TQxColor());
  EXPECT_EQ(bitmap.Pixel(1, 1), GreyOf(2));
  EXPECT_EQ(bitmap.Pixel(1, 2), GreyOf(3));
  EXPECT_EQ(bitmap.Pixel(1, 4), GreyOf(3));
}

}  // namespace
}  // namespace tolvane::graphics
