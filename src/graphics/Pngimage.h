#pragma once
// PNG images to and from 32-bit bitmaps with straight alpha.

#include <string>
#include <string_view>

#include "graphics/Qxbitmap.h"
#include "platform/Files.h"

namespace tolvane::graphics {

enum class TPngResult {
  Ok,
  ReadError,    // the file could not be read
  NotPng,       // no PNG signature
  Corrupt,      // damaged or truncated data, or a form the decoder rejects
  TooLarge,     // wider or higher than MaxPngSide
  OutOfMemory,  // the bitmap could not take the image's size
};

// Images beyond this are refused before any pixel memory is taken.
inline constexpr int MaxPngSide = 8192;

// On any result other than Ok the bitmap is left as it was.
[[nodiscard]] TPngResult LoadPng(std::string_view bytes, TQxBitmap& bitmap);
[[nodiscard]] TPngResult LoadPngFile(platform::IFiles& files, std::u16string_view path, TQxBitmap& bitmap);

// The versions of libpng and zlib the program runs with, for the about box.
std::string PngLibraryVersion();
std::string ZlibLibraryVersion();

// Appends the bitmap as a PNG with alpha; false when it cannot be encoded (an empty bitmap cannot).
[[nodiscard]] bool EncodePng(const TQxBitmap& bitmap, std::string& bytes);

}  // namespace tolvane::graphics
