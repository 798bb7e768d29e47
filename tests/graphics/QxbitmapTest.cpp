#include "graphics/Qxbitmap.h"

#include <gtest/gtest.h>

#include <vector>

#include "Bitmaptestutil.h"

namespace tolvane::graphics {
namespace {

using testing::Numbered;
using testing::Picture;

constexpr TQxColor Ink = TQxColor::FromChannels(10, 20, 30, 255);

TEST(Qxbitmap, ResizeExactAndGrowOnly) {
  TQxBitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(4, 3));
  bitmap.Fill(Ink);
  ASSERT_TRUE(bitmap.Resize(4, 3));
  EXPECT_EQ(bitmap.Pixel(3, 2), Ink) << "an unchanged size keeps the pixels";
  ASSERT_TRUE(bitmap.Resize(2, 2, TResize::GrowOnly));
  EXPECT_EQ(bitmap.Bounds(), (TRect{0, 0, 4, 3}));
  EXPECT_EQ(bitmap.Pixel(3, 2), Ink);
  ASSERT_TRUE(bitmap.Resize(2, 5, TResize::GrowOnly));
  EXPECT_EQ(bitmap.Bounds(), (TRect{0, 0, 4, 5}));
  EXPECT_EQ(bitmap.Pixel(3, 2), TQxColor()) << "new pixels are zeroed";
  ASSERT_TRUE(bitmap.Resize(1, 1));
  EXPECT_EQ(bitmap.Bounds(), (TRect{0, 0, 1, 1}));
  ASSERT_TRUE(bitmap.Resize(0, 7));
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Qxbitmap, RefusedSizesLeaveTheBitmapAlone) {
  TQxBitmap bitmap(3, 3);
  bitmap.Fill(Ink);
  EXPECT_FALSE(bitmap.Resize(-1, 3));
  EXPECT_FALSE(bitmap.Resize(1 << 15, 1 << 15));
  EXPECT_FALSE(bitmap.Resize(0x7FFFFFFF, 0x7FFFFFFF, TResize::GrowOnly));
  EXPECT_EQ(bitmap.Bounds(), (TRect{0, 0, 3, 3}));
  EXPECT_EQ(bitmap.Pixel(2, 2), Ink);
}

class TCountingStore final : public IPixelStore {
 public:
  explicit TCountingStore(std::size_t count) : Memory(count) {}
  TQxColor* Pixels() override { return Memory.data(); }
  std::vector<TQxColor> Memory;
};

TEST(Qxbitmap, PixelsLiveInTheStoreTheFactoryMakes) {
  int made = 0;
  bool refuse = false;
  TQxBitmap bitmap([&](int width, int height) -> std::unique_ptr<IPixelStore> {
    ++made;
    return refuse ? nullptr : std::make_unique<TCountingStore>(static_cast<std::size_t>(width) * height);
  });
  ASSERT_TRUE(bitmap.Resize(5, 2));
  bitmap.setPixel(4, 1, Ink);
  auto* store = dynamic_cast<TCountingStore*>(bitmap.Store());
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(store->Memory[9], Ink);
  const TQxBitmap copy = bitmap;
  EXPECT_EQ(made, 2) << "a copy takes its memory from the same factory";
  EXPECT_EQ(copy.Pixel(4, 1), Ink);
  refuse = true;
  EXPECT_FALSE(bitmap.Resize(6, 2));
  EXPECT_EQ(bitmap.Store(), store);
  EXPECT_EQ(bitmap.Pixel(4, 1), Ink);
}

TEST(Qxbitmap, CheckedPixelAccessIgnoresOutsidePoints) {
  TQxBitmap bitmap(2, 2);
  for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
    bitmap.setPixel(x, y, Ink);
    EXPECT_EQ(bitmap.Pixel(x, y), TQxColor());
  }
  EXPECT_EQ(Picture(bitmap, Ink), "..\n..\n");
}

TEST(Qxbitmap, FillClipsToTheBitmap) {
  TQxBitmap bitmap(4, 3);
  bitmap.Fill({-2, 1, 2, 9}, Ink);
  bitmap.Fill({3, -5, 1, 9}, Ink);  // inverted: nothing
  EXPECT_EQ(Picture(bitmap, Ink), "....\n##..\n##..\n");
}

struct TCopyCase {
  TRect Source;
  int X, Y;
  const char* Expected;  // '#' where the copied pixel is the source pixel at the same offset
};

class CopyRectTest : public ::testing::TestWithParam<TCopyCase> {};

TEST_P(CopyRectTest, CopiesTheClippedPart) {
  const TCopyCase& row = GetParam();
  const TQxBitmap source = Numbered(4, 4);
  TQxBitmap target(4, 3);
  target.CopyRect(source, row.Source, row.X, row.Y);
  std::string seen;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const TQxColor pixel = target.Pixel(x, y);
      const bool copied = pixel == source.Pixel(x - row.X + row.Source.Left, y - row.Y + row.Source.Top);
      seen += pixel == TQxColor() ? '.' : copied ? '#' : '?';
    }
    seen += '\n';
  }
  EXPECT_EQ(seen, row.Expected);
}

INSTANTIATE_TEST_SUITE_P(Clipping, CopyRectTest,
                         ::testing::Values(TCopyCase{{0, 0, 2, 2}, 1, 1, "....\n.##.\n.##.\n"},
                                           TCopyCase{{0, 0, 4, 4}, 2, 1, "....\n..##\n..##\n"},
                                           TCopyCase{{0, 0, 4, 4}, -3, -2, "#...\n#...\n....\n"},
                                           TCopyCase{{-2, -1, 2, 1}, 0, 0, "....\n..##\n....\n"},
                                           TCopyCase{{3, 3, 9, 9}, 0, 0, "#...\n....\n....\n"},
                                           TCopyCase{{0, 0, 2, 2}, 4, 0, "....\n....\n....\n"}));

TEST(Qxbitmap, OverlappingCopyWithinOneBitmapMovesTheOriginal) {
  for (const auto& [dx, dy] : {std::pair{1, 1}, {-1, -1}, {2, 0}, {0, -2}, {-1, 2}}) {
    TQxBitmap bitmap = Numbered(6, 6);
    const TQxBitmap original = bitmap;
    const TRect from{1, 1, 5, 5};
    bitmap.CopyRect(bitmap, from, from.Left + dx, from.Top + dy);
    for (int y = from.Top; y < from.Bottom; ++y) {
      for (int x = from.Left; x < from.Right; ++x) {
        const bool landsInside = !bitmap.Bounds().Intersection(TRect::Sized(x + dx, y + dy, 1, 1)).Empty();
        if (landsInside) {
          ASSERT_EQ(bitmap.Pixel(x + dx, y + dy), original.Pixel(x, y)) << dx << "," << dy;
        }
      }
    }
  }
}

struct TBlendCase {
  TQxColor Below;
  TQxColor Above;
  std::uint8_t Opacity;
  TQxColor Expected;
};

class AlphaBlendTest : public ::testing::TestWithParam<TBlendCase> {};

TEST_P(AlphaBlendTest, DrawsSourceOver) {
  const TBlendCase& row = GetParam();
  TQxBitmap below(1, 1);
  below.Fill(row.Below);
  TQxBitmap above(1, 1);
  above.Fill(row.Above);
  below.AlphaBlend(above, above.Bounds(), 0, 0, row.Opacity);
  EXPECT_EQ(below.Pixel(0, 0), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, AlphaBlendTest,
    ::testing::Values(TBlendCase{TQxColor::FromChannels(0, 0, 0), TQxColor::FromChannels(200, 100, 50, 255),
                                 255, TQxColor::FromChannels(200, 100, 50, 255)},
                      TBlendCase{TQxColor::FromChannels(9, 9, 9), TQxColor::FromChannels(200, 100, 50, 0),
                                 255, TQxColor::FromChannels(9, 9, 9)},
                      TBlendCase{TQxColor::FromChannels(0, 0, 0), TQxColor::FromChannels(255, 255, 255, 128),
                                 255, TQxColor::FromChannels(128, 128, 128)},
                      TBlendCase{TQxColor::FromChannels(0, 0, 0), TQxColor::FromChannels(255, 255, 255, 255),
                                 128, TQxColor::FromChannels(128, 128, 128)},
                      TBlendCase{TQxColor::FromChannels(100, 0, 0), TQxColor::FromChannels(0, 0, 200, 255), 0,
                                 TQxColor::FromChannels(100, 0, 0)},
                      // Over a transparent pixel the colour stays as it is, only its alpha counts.
                      TBlendCase{TQxColor(), TQxColor::FromChannels(40, 80, 120, 100), 255,
                                 TQxColor::FromChannels(40, 80, 120, 100)},
                      TBlendCase{TQxColor::FromChannels(0, 0, 255, 128),
                                 TQxColor::FromChannels(255, 0, 0, 128), 255,
                                 TQxColor::FromChannels(170, 0, 85, 192)}));

TEST(Qxbitmap, AlphaBlendClipsLikeCopy) {
  const TQxBitmap source = Numbered(3, 3);
  TQxBitmap target(3, 3);
  target.AlphaBlend(source, source.Bounds(), 2, -1);
  EXPECT_EQ(target.Pixel(2, 0), source.Pixel(0, 1).WithAlpha(255));
  EXPECT_EQ(target.Pixel(2, 2), TQxColor());
  EXPECT_EQ(target.Pixel(1, 0), TQxColor());
}

TEST(Qxbitmap, NearestScalingReplicatesPixels) {
  const TQxBitmap source = Numbered(2, 2);
  TQxBitmap target(4, 4);
  target.DrawScaled(source, source.Bounds(), target.Bounds(), TScaleFilter::Nearest);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(target.Pixel(x, y), source.Pixel(x / 2, y / 2));
    }
  }
  TQxBitmap small(1, 1);
  small.DrawScaled(Numbered(3, 3), {0, 0, 3, 3}, small.Bounds(), TScaleFilter::Nearest);
  EXPECT_EQ(small.Pixel(0, 0), Numbered(3, 3).Pixel(1, 1)) << "samples the centre";
}

TEST(Qxbitmap, AreaScalingAveragesWithoutDarkFringes) {
  // Opaque red next to transparent black: premultiplied averaging keeps the red pure.
  TQxBitmap source(2, 2);
  source.Fill({0, 0, 1, 2}, TQxColor::FromChannels(255, 0, 0, 255));
  TQxBitmap target(1, 1);
  target.DrawScaled(source, source.Bounds(), target.Bounds(), TScaleFilter::Area);
  EXPECT_EQ(target.Pixel(0, 0), TQxColor::FromChannels(255, 0, 0, 128));

  source.Fill(TQxColor::FromChannels(255, 255, 255));
  source.Fill({0, 0, 1, 1}, TQxColor::FromChannels(0, 0, 0));
  source.Fill({1, 1, 2, 2}, TQxColor::FromChannels(0, 0, 0));
  target.DrawScaled(source, source.Bounds(), target.Bounds(), TScaleFilter::Area);
  EXPECT_EQ(target.Pixel(0, 0), TQxColor::FromChannels(128, 128, 128));
}

TEST(Qxbitmap, AreaScalingKeepsFlatColoursAndCoverage) {
  const TQxColor flat = TQxColor::FromChannels(37, 150, 211, 200);
  for (const auto& [from, to] : {std::pair{24, 16}, {32, 16}, {12, 16}, {16, 14}, {16, 12}, {7, 3}}) {
    TQxBitmap source(from, from);
    source.Fill(flat);
    TQxBitmap target(to + 2, to + 2);
    target.DrawScaled(source, source.Bounds(), TRect::Sized(1, 1, to, to), TScaleFilter::Area);
    EXPECT_EQ(target.Pixel(1, 1), flat) << from << " to " << to;
    EXPECT_EQ(target.Pixel(to, to), flat) << from << " to " << to;
    EXPECT_EQ(target.Pixel(0, 0), TQxColor()) << "nothing outside the target rectangle";
    EXPECT_EQ(target.Pixel(to + 1, to + 1), TQxColor());
  }
}

TEST(Qxbitmap, AreaScalingShrinksAHalfCoveredEdgeIntoHalfAlpha) {
  // A 3-pixel column scaled to 2: the middle source pixel is split between both targets.
  TQxBitmap source(3, 1);
  source.setPixel(1, 0, TQxColor::FromChannels(0, 0, 255, 255));
  TQxBitmap target(2, 1);
  target.DrawScaled(source, source.Bounds(), target.Bounds(), TScaleFilter::Area);
  EXPECT_EQ(target.Pixel(0, 0), TQxColor::FromChannels(0, 0, 255, 85));
  EXPECT_EQ(target.Pixel(1, 0), TQxColor::FromChannels(0, 0, 255, 85));
}

}  // namespace
}  // namespace tolvane::graphics
