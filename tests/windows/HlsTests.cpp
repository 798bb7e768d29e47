// The system's HLS conversions (0 … 240 scale) against the ones computed in graphics, which the native build
// uses.

#include <gtest/gtest.h>

// clang-format off
#include "platform/win32/Win.h"
#include <shlwapi.h>
// clang-format on

#include <cstdint>
#include <sstream>
#include <string>

#include "graphics/Hls.h"

namespace tolvane::graphics {
namespace {

// Counts disagreements and keeps the first few for the failure message.
class TMismatches {
 public:
  void Add(const std::string& what) {
    if (++Count <= 5) {
      Examples << what << "\n";
    }
  }
  int Total() const { return Count; }
  std::string Text() const { return Examples.str(); }

 private:
  int Count = 0;
  std::ostringstream Examples;
};

TEST(Hls, ComputedHlsToRgbMatchesTheSystemOnEveryInput) {
  TMismatches mismatches;
  for (WORD hue = 0; hue <= HlsMax; ++hue) {
    for (WORD luminance = 0; luminance <= HlsMax; ++luminance) {
      for (WORD saturation = 0; saturation <= HlsMax; ++saturation) {
        const COLORREF system = ColorHLSToRGB(hue, luminance, saturation);
        const TColor computed = ComputeHlsToRgb(hue, luminance, saturation);
        if (system != computed) {
          std::ostringstream what;
          what << "HLS(" << hue << ", " << luminance << ", " << saturation << "): system " << std::hex
               << system << ", computed " << computed;
          mismatches.Add(what.str());
        }
      }
    }
  }
  EXPECT_EQ(mismatches.Total(), 0) << mismatches.Text();
}

TEST(Hls, ComputedRgbToHlsMatchesTheSystemOnEveryColour) {
  TMismatches mismatches;
  for (std::uint32_t rgb = 0; rgb < 0x1000000; ++rgb) {
    WORD hue = 0;
    WORD luminance = 0;
    WORD saturation = 0;
    ColorRGBToHLS(rgb, &hue, &luminance, &saturation);
    const THls computed = ComputeRgbToHls(rgb);
    if (computed != THls{hue, luminance, saturation}) {
      std::ostringstream what;
      what << "RGB " << std::hex << rgb << std::dec << ": system (" << hue << ", " << luminance << ", "
           << saturation << "), computed (" << computed.Hue << ", " << computed.Luminance << ", "
           << computed.Saturation << ")";
      mismatches.Add(what.str());
    }
  }
  EXPECT_EQ(mismatches.Total(), 0) << mismatches.Text();
}

TEST(Hls, TheProgramsConversionIsTheSystems) {
  EXPECT_EQ(ColorHlsToRgb(160, 196, 0), ColorHLSToRGB(160, 196, 0));
  EXPECT_EQ(ColorHlsToRgb(13, 77, 200), ColorHLSToRGB(13, 77, 200));
  WORD hue = 0;
  WORD luminance = 0;
  WORD saturation = 0;
  ColorRGBToHLS(RGB(200, 30, 90), &hue, &luminance, &saturation);
  EXPECT_EQ(ColorRgbToHls(RgbColor(200, 30, 90)), (THls{hue, luminance, saturation}));
}

}  // namespace
}  // namespace tolvane::graphics
