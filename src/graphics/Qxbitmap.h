#pragma once
// A 32-bit top-down bitmap laid out as a device-independent bitmap: rows of TQxColor (blue, green, red, alpha
// in memory) with no padding, alpha not premultiplied. Every drawing operation clips to the bitmap.

#include <cstdint>
#include <functional>
#include <memory>

#include "common/Geometry.h"
#include "graphics/Qxcolor.h"

namespace tolvane::graphics {

// The memory behind a bitmap's pixels. The Windows side hands out the bits of a DIB section so that system
// text drawing and the screen copy see the same pixels; the default is a zeroed heap block.
class IPixelStore {
 public:
  virtual ~IPixelStore() = default;
  virtual TQxColor* Pixels() = 0;
};

// Makes a zeroed store for width × height pixels, or returns null when it cannot.
using TPixelStoreFactory = std::function<std::unique_ptr<IPixelStore>(int width, int height)>;

enum class TResize {
  Exact,     // the bitmap takes the size asked for
  GrowOnly,  // the bitmap is enlarged where it is too small and never shrinks
};

enum class TScaleFilter {
  Nearest,  // pixel replication: sharp, for whole-number factors
  Area,     // each target pixel averages the source area it covers: for glyph strips of other cell sizes
};

class TQxBitmap {
 public:
  // Larger bitmaps are refused, so that sizes from outside cannot exhaust memory.
  static constexpr std::int64_t MaxPixels = std::int64_t{1} << 28;

  TQxBitmap() = default;
  explicit TQxBitmap(TPixelStoreFactory factory) : Factory(std::move(factory)) {}
  // A zeroed heap bitmap; an impossible size gives an empty one.
  TQxBitmap(int width, int height);
  TQxBitmap(const TQxBitmap& other);
  TQxBitmap& operator=(const TQxBitmap& other);
  TQxBitmap(TQxBitmap&&) noexcept = default;
  TQxBitmap& operator=(TQxBitmap&&) noexcept = default;
  ~TQxBitmap() = default;

  int Width() const { return BitmapWidth; }
  int Height() const { return BitmapHeight; }
  bool Empty() const { return BitmapWidth == 0 || BitmapHeight == 0; }
  TRect Bounds() const { return {0, 0, BitmapWidth, BitmapHeight}; }
  IPixelStore* Store() const { return PixelStore.get(); }

  // Unchecked access; y must lie within the bitmap.
  TQxColor* Row(int y) { return Bits + static_cast<std::ptrdiff_t>(y) * BitmapWidth; }
  const TQxColor* Row(int y) const { return Bits + static_cast<std::ptrdiff_t>(y) * BitmapWidth; }
  // Checked access: outside the bitmap reads transparent black and writes nothing.
  TQxColor Pixel(int x, int y) const;
  void setPixel(int x, int y, TQxColor color);

  // A new size gets new, zeroed pixels; an unchanged size keeps them. False (bitmap unchanged) for a negative
  // or too large size or when the store cannot be made.
  [[nodiscard]] bool Resize(int width, int height, TResize mode = TResize::Exact);

  void Fill(TQxColor color) { Fill(Bounds(), color); }
  void Fill(const TRect& rect, TQxColor color);
  // Copies the source rectangle with its top-left corner at (x, y), alpha included. Source and target may be
  // the same bitmap and may overlap.
  void CopyRect(const TQxBitmap& source, const TRect& sourceRect, int x, int y);
  // Draws the source rectangle over this bitmap at (x, y), weighting by the source's alpha times opacity /
  // 255.
  void AlphaBlend(const TQxBitmap& source, const TRect& sourceRect, int x, int y, std::uint8_t opacity = 255);
  // Copies the source rectangle scaled to fill targetRect; a target rectangle beyond MaxPixels draws nothing.
  void DrawScaled(const TQxBitmap& source, const TRect& sourceRect, const TRect& targetRect,
                  TScaleFilter filter);

 private:
  TPixelStoreFactory Factory;
  std::unique_ptr<IPixelStore> PixelStore;
  TQxColor* Bits = nullptr;
  int BitmapWidth = 0;
  int BitmapHeight = 0;
};

// Sets count pixels to the colour. Blocks of eight adjacent stores let the compiler write whole vectors at
// -O2, which does not vectorise loops of unknown length.
inline void FillPixels(TQxColor* pixels, int count, TQxColor color) {
  const std::uint32_t value = color.Value;
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    TQxColor* block = pixels + i;
    block[0].Value = value;
    block[1].Value = value;
    block[2].Value = value;
    block[3].Value = value;
    block[4].Value = value;
    block[5].Value = value;
    block[6].Value = value;
    block[7].Value = value;
  }
  for (; i < count; ++i) {
    pixels[i].Value = value;
  }
}

// Draws color over the pixel with its alpha scaled by coverage / 255 (source over, straight alpha).
void BlendPixel(TQxColor& target, TQxColor color, int coverage = 255);

}  // namespace tolvane::graphics
