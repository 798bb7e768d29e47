#include "graphics/Qxhsl.h"

#include <gtest/gtest.h>

#include "platform/portable/Fixedsystemcolors.h"

namespace tolvane::graphics {
namespace {

struct TToHslCase {
  std::uint8_t Red, Green, Blue;
  TQxHsl Expected;
};

class PixelToHslTest : public ::testing::TestWithParam<TToHslCase> {};

TEST_P(PixelToHslTest, ConvertsWithTheIntegerRounding) {
  const TToHslCase& row = GetParam();
  EXPECT_EQ(PixelToHsl(TQxColor::FromChannels(row.Red, row.Green, row.Blue, 0x5A)),
            (TQxHsl{row.Expected.Hue, row.Expected.Saturation, row.Expected.Lightness, 0x5A}));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, PixelToHslTest,
    ::testing::Values(TToHslCase{0, 0, 0, {0, 0, 0, 0}}, TToHslCase{255, 255, 255, {0, 0, 99, 0}},
                      TToHslCase{128, 128, 128, {0, 0, 49, 0}}, TToHslCase{255, 0, 0, {0, 100, 49, 0}},
                      TToHslCase{0, 255, 0, {120, 100, 49, 0}}, TToHslCase{0, 0, 255, {240, 100, 49, 0}},
                      // Ties between the largest channels go to red, then green.
                      TToHslCase{255, 255, 0, {60, 100, 49, 0}}, TToHslCase{0, 255, 255, {180, 100, 49, 0}},
                      TToHslCase{255, 0, 255, {300, 100, 49, 0}},
                      // Both truncations of the hue step show: the exact hue is 30.1.
                      TToHslCase{255, 128, 0, {31, 100, 49, 0}},
                      // Lightness above one half uses the other saturation denominator.
                      TToHslCase{255, 200, 200, {0, 93, 88, 0}},
                      // Hue just below the wrap.
                      TToHslCase{255, 0, 4, {359, 100, 49, 0}}));

struct TToChannelsCase {
  int Hue, Saturation, Lightness;
  std::uint8_t Red, Green, Blue;
};

class HslToChannelsTest : public ::testing::TestWithParam<TToChannelsCase> {};

TEST_P(HslToChannelsTest, ConvertsWithTheIntegerRounding) {
  const TToChannelsCase& row = GetParam();
  std::uint8_t r = 1, g = 1, b = 1;
  HslToChannels(row.Hue, row.Saturation, row.Lightness, r, g, b);
  EXPECT_EQ(r, row.Red);
  EXPECT_EQ(g, row.Green);
  EXPECT_EQ(b, row.Blue);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, HslToChannelsTest,
    ::testing::Values(TToChannelsCase{0, 0, 99, 252, 252, 252},  // white does not come back as 255
                      TToChannelsCase{0, 0, 0, 0, 0, 0}, TToChannelsCase{0, 100, 49, 249, 0, 0},
                      TToChannelsCase{120, 100, 50, 0, 255, 0}, TToChannelsCase{240, 100, 50, 0, 0, 255},
                      TToChannelsCase{30, 100, 50, 255, 127, 0}, TToChannelsCase{359, 100, 50, 255, 0, 5},
                      TToChannelsCase{180, 100, 49, 0, 249, 249},
                      // Hues of 360 and more are black.
                      TToChannelsCase{360, 100, 50, 0, 0, 0}, TToChannelsCase{65535, 50, 50, 0, 0, 0},
                      // Percentages above 100 count as 100 rather than wrapping into bright channels.
                      TToChannelsCase{0, 200, 50, 255, 0, 0}, TToChannelsCase{0, 0, 180, 255, 255, 255}));

TEST(Qxhsl, BlendIsTheTruncatedHalfSumWithFullAlpha) {
  EXPECT_EQ(Blend(TQxColor::FromChannels(255, 255, 255), TQxColor::FromChannels(0, 0, 0)),
            TQxColor::FromChannels(127, 127, 127, 255));
  EXPECT_EQ(Blend(TQxColor::FromChannels(200, 100, 50, 0), TQxColor::FromChannels(100, 50, 25, 0)),
            TQxColor::FromChannels(150, 75, 37, 255));
  // Each half is truncated before the sum, so two odd ones lose a unit.
  EXPECT_EQ(Blend(TQxColor::FromChannels(1, 3, 5, 9), TQxColor::FromChannels(1, 3, 5, 9)),
            TQxColor::FromChannels(0, 2, 4, 255));
}

TEST(Qxhsl, GreyWeightsTheChannelsAndKeepsAlpha) {
  EXPECT_EQ(Grey(TQxColor::FromChannels(255, 255, 255, 7)), TQxColor::FromChannels(255, 255, 255, 7));
  EXPECT_EQ(Grey(TQxColor::FromChannels(255, 0, 0, 0)), TQxColor::FromChannels(79, 79, 79, 0));
  EXPECT_EQ(Grey(TQxColor::FromChannels(0, 255, 0, 0)), TQxColor::FromChannels(143, 143, 143, 0));
  EXPECT_EQ(Grey(TQxColor::FromChannels(0, 0, 255, 0)), TQxColor::FromChannels(31, 31, 31, 0));
}

TEST(Qxhsl, ColourValuesSwapRedAndBlueIntoPixels) {
  const TQxColor pixel = TQxColor::FromColor(0xFF336699u);
  EXPECT_EQ(pixel.Value, 0x00996633u);
  EXPECT_EQ(pixel.ToColor(), 0x00336699u);
}

TEST(Qxhsl, SystemColoursAreResolvedBeforeConversion) {
  portable::TFixedSystemColors colors;
  colors.SetColor(15, RgbColor(255, 0, 0));
  EXPECT_EQ(SystemColorToHsl(colors, 0xFF00000Fu), (TQxHsl{0, 100, 49, 0}));
  EXPECT_EQ(SystemColorToHsl(colors, RgbColor(0, 0, 255)), (TQxHsl{240, 100, 49, 0}));
  EXPECT_EQ(ResolveColor(colors, 0xFF00000Fu), RgbColor(255, 0, 0));
  // An index the scheme does not know resolves to black.
  EXPECT_EQ(ResolveColor(colors, 0xFF0000F0u), 0u);
}

TEST(Qxhsl, HslToSystemColorPutsRedLowAndAlphaOnTop) {
  EXPECT_EQ(HslToSystemColor({0, 0, 99, 0}), 0x00FCFCFCu);
  EXPECT_EQ(HslToSystemColor({0, 0, 99, 0x12}), 0x12FCFCFCu);
  EXPECT_EQ(HslToSystemColor({240, 100, 49, 0}), 0x00F90000u);
}

TEST(Qxhsl, HslToPixelKeepsAlpha) {
  EXPECT_EQ(HslToPixel({120, 100, 50, 0x80}), TQxColor::FromChannels(0, 255, 0, 0x80));
}

}  // namespace
}  // namespace tolvane::graphics
