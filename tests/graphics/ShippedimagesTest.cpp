// The images the program ships: each loads, has the size its users expect and real transparency, and the
// glyph strips hold every index the menus use.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Glyphlist.h"
#include "graphics/Pngimage.h"

namespace tolvane::graphics {
namespace {

std::string ReadResource(const std::string& name) {
  std::ifstream in(std::string(TOLVANE_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct TShippedImage {
  const char* Name;
  int MinWidth;  // strips: at least this many 16-pixel cells
  int Width;     // 0 for strips
  int Height;
};

class ShippedImageTest : public ::testing::TestWithParam<TShippedImage> {};

TEST_P(ShippedImageTest, LoadsWithItsSizeAndTransparency) {
  const TShippedImage& row = GetParam();
  TQxBitmap image;
  ASSERT_EQ(LoadPng(ReadResource(std::string("images/") + row.Name), image), TPngResult::Ok);
  if (row.Width == 0) {
    EXPECT_EQ(image.Width() % GlyphSize, 0);
    EXPECT_GE(image.Width(), row.MinWidth * GlyphSize);
  } else {
    EXPECT_EQ(image.Width(), row.Width);
  }
  EXPECT_EQ(image.Height(), row.Height);
  bool clear = false;
  bool opaque = false;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      clear = clear || image.Pixel(x, y).Alpha() == 0;
      opaque = opaque || image.Pixel(x, y).Alpha() == 255;
    }
  }
  EXPECT_TRUE(clear && opaque);
  std::string reencoded;
  ASSERT_TRUE(EncodePng(image, reencoded));
  TQxBitmap again;
  ASSERT_EQ(LoadPng(reencoded, again), TPngResult::Ok);
  EXPECT_EQ(again.Bounds(), image.Bounds());
}

INSTANTIATE_TEST_SUITE_P(
    Images, ShippedImageTest,
    ::testing::Values(
        // User glyphs: at least 24, and icon 125 (base 7) of new items must exist.
        TShippedImage{"user-glyphs.png", 24, 0, 16},
        // Built-in glyphs: the menus use indices up to 26.
        TShippedImage{"builtin-glyphs.png", 27, 0, 16}, TShippedImage{"submenu-arrow.png", 0, 16, 16},
        TShippedImage{"close.png", 0, 16, 16}, TShippedImage{"msg-question.png", 0, 48, 48},
        TShippedImage{"msg-exclamation.png", 0, 48, 48}, TShippedImage{"msg-error.png", 0, 48, 48},
        TShippedImage{"msg-information.png", 0, 48, 48}),
    [](const ::testing::TestParamInfo<TShippedImage>& image) {
      std::string name = image.param.Name;
      name.erase(name.find('.'));
      std::erase(name, '-');
      return name;
    });

TEST(ShippedImages, EveryGlyphTheMenusUseIsDrawn) {
  TQxBitmap strip;
  ASSERT_EQ(LoadPng(ReadResource("images/user-glyphs.png"), strip), TPngResult::Ok);
  TGlyphList user;
  ASSERT_TRUE(MakeUserGlyphs(strip, user));
  ASSERT_TRUE(user.Contains(125));
  ASSERT_TRUE(user.Contains(15));
  ASSERT_EQ(LoadPng(ReadResource("images/builtin-glyphs.png"), strip), TPngResult::Ok);
  TGlyphList builtin;
  ASSERT_TRUE(CutStrip(strip, GlyphSize, builtin));
  for (int index = 0; index <= 26; ++index) {
    const TRect cell = builtin.CellRect(index);
    int drawn = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
      for (int x = cell.Left; x < cell.Right; ++x) {
        drawn += builtin.Cells().Pixel(x, y).Alpha() > 0 ? 1 : 0;
      }
    }
    EXPECT_GT(drawn, 20) << "built-in glyph " << index << " is empty";
  }
}

// The icon file the resource script embeds: one frame per size, small ones as bitmaps, 256 as PNG.
TEST(ShippedImages, ProgramIconHoldsEverySize) {
  const std::string ico = ReadResource("tolvane.ico");
  ASSERT_GE(ico.size(), 6u);
  const auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<std::uint8_t>(ico[at]) | static_cast<std::uint8_t>(ico[at + 1])
                                                                          << 8);
  };
  const auto dword = [&](std::size_t at) { return word(at) | word(at + 2) << 16; };
  ASSERT_EQ(word(0), 0u);
  ASSERT_EQ(word(2), 1u);
  const unsigned count = word(4);
  std::vector<unsigned> sizes;
  for (unsigned i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    ASSERT_LE(entry + 16, ico.size());
    const unsigned size =
        static_cast<std::uint8_t>(ico[entry]) == 0 ? 256 : static_cast<std::uint8_t>(ico[entry]);
    const unsigned length = dword(entry + 8);
    const unsigned offset = dword(entry + 12);
    ASSERT_LE(std::size_t{offset} + length, ico.size());
    const std::string_view image = std::string_view(ico).substr(offset, length);
    if (size == 256) {
      TQxBitmap frame;
      ASSERT_EQ(LoadPng(image, frame), TPngResult::Ok);
      EXPECT_EQ(frame.Width(), 256);
    } else {
      EXPECT_EQ(dword(offset), 40u) << "bitmap header of the " << size << " px frame";
      EXPECT_EQ(length, 40 + size * size * 4 + (size + 31) / 32 * 4 * size);
    }
    sizes.push_back(size);
  }
  for (const unsigned wanted : {16u, 32u, 48u, 256u}) {
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), wanted), sizes.end()) << wanted;
  }
}

}  // namespace
}  // namespace tolvane::graphics
