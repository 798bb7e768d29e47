#include "graphics/Qxbitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/Bitmapclip.h"

namespace tolvane::graphics {
namespace {

class THeapStore final : public IPixelStore {
 public:
  explicit THeapStore(std::size_t count) : Memory(count) {}
  TQxColor* Pixels() override { return Memory.data(); }

 private:
  std::vector<TQxColor> Memory;
};

std::unique_ptr<IPixelStore> MakeStore(const TPixelStoreFactory& factory, int width, int height) {
  if (factory) {
    return factory(width, height);
  }
  return std::make_unique<THeapStore>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

}  // namespace

namespace detail {

TRect ClipTransfer(const TRect& sourceBounds, const TRect& sourceRect, const TRect& targetBounds, int& x,
                   int& y) {
  const TRect inSource = sourceRect.Intersection(sourceBounds);
  const int dx = x - sourceRect.Left;
  const int dy = y - sourceRect.Top;
  const TRect target = inSource.Offset(dx, dy).Intersection(targetBounds);
  x = target.Left;
  y = target.Top;
  return target.Offset(-dx, -dy);
}

}  // namespace detail

TQxBitmap::TQxBitmap(int width, int height) {
  (void)Resize(width, height);
}

TQxBitmap::TQxBitmap(const TQxBitmap& other) : Factory(other.Factory) {
  if (Resize(other.Width(), other.Height())) {
    CopyRect(other, other.Bounds(), 0, 0);
  }
}

TQxBitmap& TQxBitmap::operator=(const TQxBitmap& other) {
  if (this != &other) {
    TQxBitmap copy(other);
    *this = std::move(copy);
  }
  return *this;
}

TQxColor TQxBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= BitmapWidth || y >= BitmapHeight) {
    return TQxColor();
  }
  return Row(y)[x];
}

void TQxBitmap::setPixel(int x, int y, TQxColor color) {
  if (x >= 0 && y >= 0 && x < BitmapWidth && y < BitmapHeight) {
    Row(y)[x] = color;
  }
}

bool TQxBitmap::Resize(int width, int height, TResize mode) {
  if (mode == TResize::GrowOnly) {
    width = std::max(width, BitmapWidth);
    height = std::max(height, BitmapHeight);
  }
  if (width < 0 || height < 0 || std::int64_t{width} * height > MaxPixels) {
    return false;
  }
  if (width == BitmapWidth && height == BitmapHeight) {
    return true;
  }
  std::unique_ptr<IPixelStore> store;
  if (width > 0 && height > 0) {
    store = MakeStore(Factory, width, height);
    if (!store || store->Pixels() == nullptr) {
      return false;
    }
  }
  PixelStore = std::move(store);
  Bits = PixelStore ? PixelStore->Pixels() : nullptr;
  BitmapWidth = PixelStore ? width : 0;
  BitmapHeight = PixelStore ? height : 0;
  return true;
}

void TQxBitmap::Fill(const TRect& rect, TQxColor color) {
  const TRect area = rect.Intersection(Bounds());
  if (area.Empty()) {
    return;
  }
  for (int y = area.Top; y < area.Bottom; ++y) {
    FillPixels(Row(y) + area.Left, area.Width(), color);
  }
}

void TQxBitmap::CopyRect(const TQxBitmap& source, const TRect& sourceRect, int x, int y) {
  const TRect from = detail::ClipTransfer(source.Bounds(), sourceRect, Bounds(), x, y);
  if (from.Empty()) {
    return;
  }
  const std::size_t bytes = static_cast<std::size_t>(from.Width()) * sizeof(TQxColor);
  // Walking upwards keeps an overlapping copy within one bitmap from reading rows it has already written.
  const bool upwards = &source == this && y > from.Top;
  for (int i = 0; i < from.Height(); ++i) {
    const int row = upwards ? from.Height() - 1 - i : i;
    std::memmove(Row(y + row) + x, source.Row(from.Top + row) + from.Left, bytes);
  }
}

}  // namespace tolvane::graphics
