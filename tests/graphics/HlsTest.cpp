#include "graphics/Hls.h"

#include <gtest/gtest.h>

namespace tolvane::graphics {
namespace {

struct THlsCase {
  THls Hls;
  TColor Rgb;
};

class HlsTest : public ::testing::TestWithParam<THlsCase> {};

TEST_P(HlsTest, ConvertsBothWays) {
  const THlsCase& row = GetParam();
  EXPECT_EQ(ComputeHlsToRgb(row.Hls.Hue, row.Hls.Luminance, row.Hls.Saturation), row.Rgb);
  EXPECT_EQ(ComputeRgbToHls(row.Rgb), row.Hls);
}

INSTANTIATE_TEST_SUITE_P(Colours, HlsTest,
                         ::testing::Values(THlsCase{{0, 120, 240}, RgbColor(255, 0, 0)},
                                           THlsCase{{80, 120, 240}, RgbColor(0, 255, 0)},
                                           THlsCase{{160, 120, 240}, RgbColor(0, 0, 255)},
                                           THlsCase{{40, 120, 240}, RgbColor(255, 255, 0)},
                                           // Greys report hue 160.
                                           THlsCase{{160, 0, 0}, RgbColor(0, 0, 0)},
                                           THlsCase{{160, 240, 0}, RgbColor(255, 255, 255)},
                                           THlsCase{{160, 196, 0}, RgbColor(208, 208, 208)},
                                           THlsCase{{20, 120, 240}, RgbColor(255, 128, 0)},
                                           THlsCase{{20, 180, 120}, RgbColor(223, 191, 159)}));

TEST(Hls, HueWrapsAroundTheCircle) {
  EXPECT_EQ(ComputeHlsToRgb(240, 120, 240), ComputeHlsToRgb(0, 120, 240));
  EXPECT_EQ(ComputeRgbToHls(RgbColor(255, 0, 8)).Hue, 239);
}

TEST(Hls, OutOfRangeInputsAreLimited) {
  EXPECT_EQ(ComputeHlsToRgb(0, 300, 0), RgbColor(255, 255, 255));
  EXPECT_EQ(ComputeHlsToRgb(-5, 120, 240), ComputeHlsToRgb(0, 120, 240));
  EXPECT_EQ(ComputeRgbToHls(0xFF0000FFu), ComputeRgbToHls(RgbColor(255, 0, 0)));
}

}  // namespace
}  // namespace tolvane::graphics
