#include "graphics/Pngimage.h"

#include <png.h>
#include <zlib.h>

#include <cstring>
#include <vector>

namespace tolvane::graphics {
namespace {

// libpng's simplified interface: it catches its own longjmp-based errors inside the library and reports them
// as a zero result, so no jump ever crosses a frame of ours with objects to destroy.
class TPngReader {
 public:
  TPngReader() { Image.version = PNG_IMAGE_VERSION; }
  TPngReader(const TPngReader&) = delete;
  TPngReader& operator=(const TPngReader&) = delete;
  // Releases what a begun read holds when it is not finished.
  ~TPngReader() { png_image_free(&Image); }

  bool Begin(std::string_view bytes) {
    return png_image_begin_read_from_memory(&Image, bytes.data(), bytes.size()) != 0;
  }
  png_uint_32 Width() const { return Image.width; }
  png_uint_32 Height() const { return Image.height; }
  // Blue, green, red, alpha per pixel: the bitmap's own layout.
  bool Finish(std::vector<TQxColor>& pixels) {
    Image.format = PNG_FORMAT_BGRA;
    pixels.resize(static_cast<std::size_t>(Image.width) * Image.height);
    return png_image_finish_read(&Image, nullptr, pixels.data(), 0, nullptr) != 0;
  }

 private:
  png_image Image{};
};

}  // namespace

TPngResult LoadPng(std::string_view bytes, TQxBitmap& bitmap) {
  if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0) {
    return TPngResult::NotPng;
  }
  TPngReader reader;
  if (!reader.Begin(bytes)) {
    return TPngResult::Corrupt;
  }
  if (reader.Width() > MaxPngSide || reader.Height() > MaxPngSide) {
    return TPngResult::TooLarge;
  }
  std::vector<TQxColor> pixels;
  if (!reader.Finish(pixels)) {
    return TPngResult::Corrupt;
  }
  const int width = static_cast<int>(reader.Width());
  const int height = static_cast<int>(reader.Height());
  if (!bitmap.Resize(width, height)) {
    return TPngResult::OutOfMemory;
  }
  std::memcpy(bitmap.Row(0), pixels.data(), pixels.size() * sizeof(TQxColor));
  return TPngResult::Ok;
}

TPngResult LoadPngFile(platform::IFiles& files, std::u16string_view path, TQxBitmap& bitmap) {
  const std::optional<std::string> bytes = files.ReadAll(path);
  if (!bytes) {
    return TPngResult::ReadError;
  }
  return LoadPng(*bytes, bitmap);
}

bool EncodePng(const TQxBitmap& bitmap, std::string& bytes) {
  if (bitmap.Empty()) {
    return false;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.Width());
  image.height = static_cast<png_uint_32>(bitmap.Height());
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  if (png_image_write_get_memory_size(image, size, 0, bitmap.Row(0), 0, nullptr) == 0) {
    return false;
  }
  const std::size_t start = bytes.size();
  bytes.resize(start + size);
  if (png_image_write_to_memory(&image, bytes.data() + start, &size, 0, bitmap.Row(0), 0, nullptr) == 0) {
    bytes.resize(start);
    return false;
  }
  bytes.resize(start + size);
  return true;
}

std::string PngLibraryVersion() {
  return png_get_libpng_ver(nullptr);
}

std::string ZlibLibraryVersion() {
  return zlibVersion();
}

}  // namespace tolvane::graphics
