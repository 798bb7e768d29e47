#include "graphics/Pngimage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Bitmaptestutil.h"
#include "platform/recording/Memoryfiles.h"

namespace tolvane::graphics {
namespace {

using testing::Numbered;

std::string Encoded(const TQxBitmap& bitmap) {
  std::string bytes;
  EXPECT_TRUE(EncodePng(bitmap, bytes));
  return bytes;
}

void ExpectSamePixels(const TQxBitmap& a, const TQxBitmap& b) {
  ASSERT_EQ(a.Bounds(), b.Bounds());
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
    }
  }
}

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int k = 0; k < 8; ++k) {
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
  }
  return ~crc;
}

void PutBigEndian(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
  }
}

// The PNG with its header claiming another size, checksum repaired.
std::string WithClaimedSize(std::string png, std::uint32_t width, std::uint32_t height) {
  constexpr std::size_t Ihdr = 8 + 4;  // chunk type after the signature and the length
  PutBigEndian(png, Ihdr + 4, width);
  PutBigEndian(png, Ihdr + 8, height);
  PutBigEndian(png, Ihdr + 17, Crc32(std::string_view(png).substr(Ihdr, 17)));
  return png;
}

TEST(Png, RoundTripKeepsEveryChannel) {
  const TQxBitmap original = Numbered(37, 5);
  TQxBitmap decoded;
  ASSERT_EQ(LoadPng(Encoded(original), decoded), TPngResult::Ok);
  ExpectSamePixels(decoded, original);
}

TEST(Png, EmptyBitmapCannotBeEncoded) {
  std::string bytes = "kept";
  EXPECT_FALSE(EncodePng(TQxBitmap(), bytes));
  EXPECT_EQ(bytes, "kept");
}

// The byte ranges of the chunks of one type: length, type, data and checksum.
std::vector<std::pair<std::size_t, std::size_t>> Chunks(const std::string& png, std::string_view type) {
  std::vector<std::pair<std::size_t, std::size_t>> found;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i) {
      length = (length << 8) | static_cast<std::uint8_t>(png[at + i]);
    }
    const std::size_t end = at + 12 + length;
    if (png.compare(at + 4, 4, type) == 0) {
      found.emplace_back(at, end);
    }
    at = end;
  }
  return found;
}

TEST(Png, EveryTruncationOfTheImageIsRejectedAndLeavesTheBitmapAlone) {
  const std::string png = Encoded(Numbered(20, 20));
  const auto ends = Chunks(png, "IEND");
  ASSERT_EQ(ends.size(), 1u);
  const TQxBitmap before = Numbered(3, 2);
  for (std::size_t length = 0; length < ends[0].first; ++length) {
    TQxBitmap bitmap = before;
    ASSERT_EQ(LoadPng(std::string_view(png).substr(0, length), bitmap),
              length < 8 ? TPngResult::NotPng : TPngResult::Corrupt)
        << length;
    ExpectSamePixels(bitmap, before);
  }
  // Only the end marker missing: the image itself is complete.
  TQxBitmap bitmap;
  ASSERT_EQ(LoadPng(std::string_view(png).substr(0, ends[0].first), bitmap), TPngResult::Ok);
  ExpectSamePixels(bitmap, Numbered(20, 20));
}

TEST(Png, DamagedHeaderOrImageDataIsRejected) {
  const std::string png = Encoded(Numbered(20, 20));
  auto ranges = Chunks(png, "IHDR");
  const auto data = Chunks(png, "IDAT");
  ASSERT_FALSE(data.empty());
  ranges.insert(ranges.end(), data.begin(), data.end());
  for (const auto& [begin, end] : ranges) {
    for (std::size_t at = begin; at < end; ++at) {
      std::string damaged = png;
      damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
      TQxBitmap bitmap;
      ASSERT_NE(LoadPng(damaged, bitmap), TPngResult::Ok) << at;
    }
  }
}

TEST(Png, OtherDataIsNoPng) {
  TQxBitmap bitmap;
  EXPECT_EQ(LoadPng("", bitmap), TPngResult::NotPng);
  EXPECT_EQ(LoadPng("GIF89a\x01\x00\x01\x00", bitmap), TPngResult::NotPng);
  EXPECT_EQ(LoadPng(std::string(100, '\0'), bitmap), TPngResult::NotPng);
}

TEST(Png, OversizedImagesAreRefusedBeforeDecoding) {
  const std::string png = Encoded(Numbered(4, 4));
  TQxBitmap bitmap;
  EXPECT_EQ(LoadPng(WithClaimedSize(png, MaxPngSide + 1, 4), bitmap), TPngResult::TooLarge);
  EXPECT_EQ(LoadPng(WithClaimedSize(png, 4, 100000), bitmap), TPngResult::TooLarge);
  EXPECT_EQ(LoadPng(WithClaimedSize(png, 0, 4), bitmap), TPngResult::Corrupt);
  EXPECT_EQ(LoadPng(WithClaimedSize(png, 5, 4), bitmap), TPngResult::Corrupt) << "too little image data";
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Png, LoadsFromFiles) {
  recording::TMemoryFiles files;
  files.AddFile(u"C:\\images\\a.png", Encoded(Numbered(3, 3)));
  TQxBitmap bitmap;
  EXPECT_EQ(LoadPngFile(files, u"C:\\images\\missing.png", bitmap), TPngResult::ReadError);
  ASSERT_EQ(LoadPngFile(files, u"C:\\images\\a.png", bitmap), TPngResult::Ok);
  ExpectSamePixels(bitmap, Numbered(3, 3));
}

}  // namespace
}  // namespace tolvane::graphics
