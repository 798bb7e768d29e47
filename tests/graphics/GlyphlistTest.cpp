#include "graphics/Glyphlist.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "Bitmaptestutil.h"
#include "graphics/Huerotate.h"
#include "graphics/Qxhsl.h"

namespace tolvane::graphics {
namespace {

constexpr TQxColor Red = TQxColor::FromChannels(255, 0, 0, 255);

// A strip of count cells of size pixels, cell i filled with a colour of red i × 10 and a transparent corner.
TQxBitmap Strip(int count, int size, int extraWidth = 0) {
  TQxBitmap strip(count * size + extraWidth, size);
  for (int i = 0; i < count; ++i) {
    strip.Fill(TRect::Sized(i * size, 0, size, size),
               TQxColor::FromChannels(static_cast<std::uint8_t>(i * 10), 0, 200, 255));
    strip.setPixel(i * size, 0, TQxColor());
  }
  return strip;
}

TEST(HueShift, VariantsOfSixteenTurnByWholeDegreesOf22Point5) {
  const std::array<int, 16> expected{0,   22,  45,  67,  90,  112, 135, 157,
                                     180, 202, 225, 247, 270, 292, 315, 337};
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(HueShift(k, 16), expected[k]);
  }
  EXPECT_EQ(HueShift(1, 7), 51);
  EXPECT_EQ(HueShift(1, 0), 0);
}

TEST(RotateHues, TurnsHueKeepingSaturationLightnessAndAlpha) {
  TQxBitmap source(2, 1);
  source.setPixel(0, 0, Red);
  source.setPixel(1, 0, TQxColor::FromChannels(255, 200, 200, 77));
  std::array<TQxBitmap, 16> variants;
  std::array<TQxBitmap*, 16> targets{};
  for (int i = 1; i < 16; ++i) {
    targets[i] = &variants[i];
  }
  ASSERT_TRUE(RotateHues(source, targets));
  // Variant 8 turns by 180 degrees: red becomes cyan at HSL lightness 49.
  EXPECT_EQ(variants[8].Pixel(0, 0), TQxColor::FromChannels(0, 249, 249, 255));
  for (int i = 1; i < 16; ++i) {
    const TQxHsl hsl = PixelToHsl(variants[i].Pixel(1, 0));
    EXPECT_EQ(hsl.Alpha, 77);
    // Percent saturation and lightness cost a few degrees of hue on the way back.
    EXPECT_NEAR(hsl.Hue, HueShift(i, 16), 3) << i;
    EXPECT_NEAR(hsl.Saturation, 93, 1) << i;
    EXPECT_NEAR(hsl.Lightness, 88, 1) << i;
  }
}

// Many colours, so that cached conversions collide and get replaced; every pixel must still be converted
// exactly.
TEST(RotateHues, EveryPixelIsTheDirectConversion) {
  const unsigned seed = 20240611;
  std::mt19937 random(seed);
  TQxBitmap source(64, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      // Few alphas and repeated runs as in glyph art, plus colours that differ only in alpha.
      const std::uint32_t rgb = random() % 3 == 0 ? 0x336699u : random() & 0xFFFFFFu;
      source.setPixel(x, y, TQxColor(rgb | (random() % 2 == 0 ? 0xFF000000u : 0x40000000u)));
    }
  }
  std::array<TQxBitmap, 16> variants;
  std::array<TQxBitmap*, 16> targets{};
  for (int i = 1; i < 16; ++i) {
    targets[i] = &variants[i];
  }
  ASSERT_TRUE(RotateHues(source, targets));
  for (int i = 1; i < 16; ++i) {
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        TQxHsl hsl = PixelToHsl(source.Pixel(x, y));
        hsl.Hue = static_cast<std::uint16_t>((hsl.Hue + HueShift(i, 16)) % 360);
        ASSERT_EQ(variants[i].Pixel(x, y), HslToPixel(hsl)) << "seed " << seed << ", variant " << i;
      }
    }
  }
}

TEST(RotateHues, HuePastTheEndWrapsToTheStart) {
  TQxBitmap source(1, 1);
  source.setPixel(0, 0, TQxColor::FromChannels(255, 0, 4, 255));
  ASSERT_EQ(PixelToHsl(source.Pixel(0, 0)).Hue, 359);
  // With 360 variants, variant 1 turns by exactly one degree.
  std::vector<TQxBitmap> variants(360);
  std::vector<TQxBitmap*> targets(360, nullptr);
  targets[1] = &variants[1];
  ASSERT_TRUE(RotateHues(source, targets));
  EXPECT_EQ(PixelToHsl(variants[1].Pixel(0, 0)).Hue, 0);
}

TEST(CutStrip, CutsCellsAsHighAsTheStrip) {
  TGlyphList glyphs;
  ASSERT_TRUE(CutStrip(Strip(20, 16, 9), 16, glyphs));
  ASSERT_EQ(glyphs.Count(), 20) << "the narrow rest at the right is no cell";
  EXPECT_EQ(glyphs.CellSize(), 16);
  EXPECT_EQ(glyphs.CellRect(17), TRect::Sized(16, 16, 16, 16));
  const TQxBitmap strip = Strip(20, 16);
  for (int i = 0; i < 20; ++i) {
    const TRect cell = glyphs.CellRect(i);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        ASSERT_EQ(glyphs.Cells().Pixel(cell.Left + x, cell.Top + y), strip.Pixel(i * 16 + x, y)) << i;
      }
    }
  }
}

TEST(CutStrip, ScalesCellsOfOtherSizes) {
  for (const int size : {24, 32, 12}) {
    TGlyphList glyphs;
    ASSERT_TRUE(CutStrip(Strip(3, size), 16, glyphs));
    ASSERT_EQ(glyphs.Count(), 3);
    for (int i = 0; i < 3; ++i) {
      const TRect cell = glyphs.CellRect(i);
      EXPECT_EQ(glyphs.Cells().Pixel(cell.Left + 8, cell.Top + 8),
                TQxColor::FromChannels(static_cast<std::uint8_t>(i * 10), 0, 200, 255))
          << size;
    }
  }
}

TEST(CutStrip, EmptyStripGivesAnEmptyList) {
  TGlyphList glyphs;
  ASSERT_TRUE(CutStrip(TQxBitmap(), 16, glyphs));
  EXPECT_EQ(glyphs.Count(), 0);
  EXPECT_FALSE(CutStrip(Strip(1, 16), 0, glyphs));
}

TEST(UserGlyphs, IndexIsBaseTimesSixteenPlusVariant) {
  TQxBitmap strip(3 * 16, 16);
  strip.Fill(TRect::Sized(16, 0, 16, 16), Red);
  TGlyphList glyphs;
  ASSERT_TRUE(MakeUserGlyphs(strip, glyphs));
  ASSERT_EQ(glyphs.Count(), 48);
  const TRect base1 = glyphs.CellRect(1 * 16 + 0);
  EXPECT_EQ(glyphs.Cells().Pixel(base1.Left + 3, base1.Top + 3), Red) << "variant 0 is the glyph itself";
  const TRect cyan = glyphs.CellRect(1 * 16 + 8);
  EXPECT_EQ(glyphs.Cells().Pixel(cyan.Left + 3, cyan.Top + 3), TQxColor::FromChannels(0, 249, 249, 255));
  const TRect empty = glyphs.CellRect(2 * 16 + 5);
  EXPECT_EQ(glyphs.Cells().Pixel(empty.Left + 3, empty.Top + 3).Alpha(), 0);
  EXPECT_EQ(glyphs.CellRect(125), TRect::Sized(13 * 16, 7 * 16, 16, 16)) << "icon 125: base 7, variant 13";
}

TEST(UserGlyphs, StripsOfOtherCellSizesAreScaledFirst) {
  TQxBitmap strip(2 * 32, 32);
  strip.Fill(Red);
  TGlyphList glyphs;
  ASSERT_TRUE(MakeUserGlyphs(strip, glyphs));
  EXPECT_EQ(glyphs.Count(), 32);
  EXPECT_EQ(glyphs.CellSize(), 16);
  EXPECT_EQ(glyphs.Cells().Width(), 256);
  EXPECT_EQ(glyphs.Cells().Height(), 32);
}

TEST(ArrowGlyphs, SizeFollowsPixelsPerInch) {
  TQxBitmap arrow(16, 16);
  arrow.Fill(Red);
  for (const auto& [ppi, size] : {std::pair{96, 12}, {119, 12}, {120, 14}, {139, 14}, {140, 16}, {192, 16}}) {
    TGlyphList glyphs;
    ASSERT_TRUE(MakeArrowGlyphs(arrow, ppi, glyphs));
    EXPECT_EQ(glyphs.Count(), 16);
    EXPECT_EQ(glyphs.CellSize(), size) << ppi;
  }
  TGlyphList glyphs;
  EXPECT_FALSE(MakeArrowGlyphs(TQxBitmap(32, 16), 96, glyphs)) << "the arrow is one square image";
}

TEST(GlyphList, DrawBlendsOneCellAndRefusesIndicesOutside) {
  TGlyphList glyphs;
  ASSERT_TRUE(glyphs.Reset(2, 3));
  glyphs.Cells().Fill(glyphs.CellRect(1), Red);
  TQxBitmap target(4, 4);
  EXPECT_TRUE(glyphs.Draw(target, 1, 1, 1));
  EXPECT_FALSE(glyphs.Draw(target, 3, 0, 0));
  EXPECT_FALSE(glyphs.Draw(target, -1, 0, 0));
  EXPECT_EQ(testing::Picture(target, Red), "....\n.##.\n.##.\n....\n");
}

}  // namespace
}  // namespace tolvane::graphics
