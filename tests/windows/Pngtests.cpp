#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

// Proves the cross-built libpng and zlib work: a small image survives encoding and decoding in memory.
TEST(Png, DecodesAnImageItEncoded) {
  const std::array<std::uint8_t, 2 * 2 * 4> pixels = {255, 0, 0,   255, 0,  255, 0,  128,
                                                      0,   0, 255, 0,   10, 20,  30, 40};
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 2;
  image.height = 2;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  ASSERT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr));
  std::vector<std::uint8_t> encoded(size);
  ASSERT_TRUE(png_image_write_to_memory(&image, encoded.data(), &size, 0, pixels.data(), 0, nullptr));
  ASSERT_EQ(encoded[1], 'P');

  png_image decoded{};
  decoded.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_memory(&decoded, encoded.data(), size)) << decoded.message;
  decoded.format = PNG_FORMAT_RGBA;
  ASSERT_EQ(PNG_IMAGE_SIZE(decoded), pixels.size());
  std::array<std::uint8_t, 2 * 2 * 4> read{};
  ASSERT_TRUE(png_image_finish_read(&decoded, nullptr, read.data(), 0, nullptr)) << decoded.message;
  EXPECT_EQ(read, pixels);
}

}  // namespace
