#include "Icofile.h"

#include "graphics/Pngimage.h"

namespace tolvane::imagegen {
namespace {

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask (1 = transparent) in rows padded to 32 bits.
std::string EncodeDib(const graphics::TQxBitmap& image) {
  const int size = image.Width();
  const int maskStride = (size + 31) / 32 * 4;
  std::string out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(size * 2));  // colour rows and mask rows
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) {
    Put32(out, 0);
  }
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      Put32(out, image.Pixel(x, y).Value);
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(maskStride), '\0');
    for (int x = 0; x < size; ++x) {
      if (image.Pixel(x, y).Alpha() == 0) {
        row[static_cast<std::size_t>(x / 8)] =
            static_cast<char>(row[static_cast<std::size_t>(x / 8)] | (0x80 >> (x % 8)));
      }
    }
    out += row;
  }
  return out;
}

}  // namespace

bool EncodeIco(const std::vector<TIconFrame>& frames, std::string& bytes) {
  std::vector<std::string> images;
  for (const TIconFrame& frame : frames) {
    std::string image;
    if (frame.Size >= 256) {
      if (!graphics::EncodePng(frame.Image, image)) {
        return false;
      }
    } else {
      image = EncodeDib(frame.Image);
    }
    images.push_back(std::move(image));
  }
  std::string out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(frames.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const int size = frames[i].Size;
    out += static_cast<char>(size >= 256 ? 0 : size);
    out += static_cast<char>(size >= 256 ? 0 : size);
    Put16(out, 0);  // no palette, reserved
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const std::string& image : images) {
    out += image;
  }
  bytes = std::move(out);
  return true;
}

}  // namespace tolvane::imagegen
