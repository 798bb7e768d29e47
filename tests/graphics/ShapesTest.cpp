#include "graphics/Shapes.h"

#include <gtest/gtest.h>

#include "Bitmaptestutil.h"

namespace tolvane::graphics {
namespace {

using testing::Picture;

constexpr TQxColor Ink = TQxColor::FromChannels(200, 40, 10, 255);

// Mirroring the bitmap left-right and top-bottom must not change a shape drawn centred in it.
void ExpectSymmetric(const TQxBitmap& bitmap) {
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(bitmap.Pixel(x, y), bitmap.Pixel(w - 1 - x, y)) << x << "," << y;
      ASSERT_EQ(bitmap.Pixel(x, y), bitmap.Pixel(x, h - 1 - y)) << x << "," << y;
    }
  }
}

TEST(Shapes, FrameRectDrawsTheEdgePixelsOnly) {
  TQxBitmap bitmap(5, 4);
  FrameRect(bitmap, {0, 0, 4, 4}, Ink);
  EXPECT_EQ(Picture(bitmap, Ink), "####.\n#..#.\n#..#.\n####.\n");
  TQxBitmap line(3, 2);
  FrameRect(line, {0, 1, 3, 2}, Ink);
  EXPECT_EQ(Picture(line, Ink), "...\n###\n");
}

TEST(Shapes, RoundRectWithoutRadiusIsTheRectangle) {
  TQxBitmap bitmap(4, 3);
  FillRoundRect(bitmap, {1, 0, 4, 2}, 0, Ink);
  EXPECT_EQ(Picture(bitmap, Ink), ".###\n.###\n....\n");
}

TEST(Shapes, RoundRectCornersAreCutAndAntiAliased) {
  TQxBitmap bitmap(12, 10);
  FillRoundRect(bitmap, {0, 0, 12, 10}, 4, Ink);
  ExpectSymmetric(bitmap);
  EXPECT_EQ(bitmap.Pixel(0, 0), TQxColor()) << "the corner pixel lies outside the arc";
  EXPECT_EQ(bitmap.Pixel(6, 0), Ink) << "straight edges are solid";
  EXPECT_EQ(bitmap.Pixel(0, 5), Ink);
  const TQxColor arc = bitmap.Pixel(1, 1);
  EXPECT_EQ(arc.Red(), Ink.Red());
  EXPECT_GT(arc.Alpha(), 0);
  EXPECT_LT(arc.Alpha(), 255) << "pixels the arc crosses are partly covered";
}

TEST(Shapes, RoundFrameLeavesTheInsideAlone) {
  TQxBitmap bitmap(14, 10);
  FrameRoundRect(bitmap, {0, 0, 14, 10}, 3, Ink, 2);
  ExpectSymmetric(bitmap);
  EXPECT_EQ(bitmap.Pixel(7, 0), Ink);
  EXPECT_EQ(bitmap.Pixel(7, 1), Ink);
  EXPECT_EQ(bitmap.Pixel(7, 2), TQxColor());
  EXPECT_EQ(bitmap.Pixel(7, 5), TQxColor());
  EXPECT_EQ(bitmap.Pixel(0, 0), TQxColor());
}

TEST(Shapes, DegenerateShapesStayInsideTheirRectangle) {
  for (const TRect& rect : {TRect{2, 2, 3, 3}, TRect{1, 1, 5, 2}, TRect{0, 0, 0, 0}, TRect{3, 3, 1, 1}}) {
    TQxBitmap bitmap(6, 6);
    FillRoundRect(bitmap, rect, 50, Ink);
    FrameRoundRect(bitmap, rect, 50, Ink, 3);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 6; ++x) {
        const bool inside = x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
        if (!inside) {
          ASSERT_EQ(bitmap.Pixel(x, y), TQxColor()) << x << "," << y;
        }
      }
    }
  }
}

TEST(Shapes, ShapesClipAtTheBitmapEdge) {
  TQxBitmap bitmap(4, 4);
  FillRoundRect(bitmap, {-10, -10, 14, 14}, 3, Ink);
  EXPECT_EQ(Picture(bitmap, Ink), "####\n####\n####\n####\n");
}

}  // namespace
}  // namespace tolvane::graphics
