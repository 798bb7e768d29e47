#include "ui/Dibcanvas.h"

#include <memory>
#include <optional>

#include "platform/win32/Handles.h"

namespace tolvane::ui {

namespace {

class TDibPixelStore final : public graphics::IPixelStore {
 public:
  static std::unique_ptr<TDibPixelStore> Create(int width, int height) {
    auto store = std::make_unique<TDibPixelStore>();
    if (!store->Make(width, height))
      return nullptr;
    return store;
  }

  graphics::TQxColor* Pixels() override { return static_cast<graphics::TQxColor*>(Bits); }
  HDC Dc() const { return MemoryDc.get(); }

 private:
  bool Make(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like TQxBitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    MemoryDc.reset(::CreateCompatibleDC(nullptr));
    if (!MemoryDc)
      return false;
    Section.reset(::CreateDIBSection(MemoryDc.get(), &info, DIB_RGB_COLORS, &Bits, nullptr, 0));
    if (!Section || Bits == nullptr)
      return false;
    Selection.emplace(MemoryDc.get(), Section.get());
    return true;
  }

  // Destroyed in reverse order: the section is selected out before it and the context are deleted.
  win32::unique_hdc MemoryDc;
  win32::unique_hbitmap Section;
  std::optional<win32::TSelectGuard> Selection;
  void* Bits = nullptr;
};

}  // namespace

TDibCanvas::TDibCanvas()
    : Pixels([](int width, int height) -> std::unique_ptr<graphics::IPixelStore> {
        return TDibPixelStore::Create(width, height);
      }) {}

bool TDibCanvas::Resize(int width, int height) {
  return Pixels.Resize(width, height);
}

HDC TDibCanvas::Dc() const {
  const auto* store = static_cast<const TDibPixelStore*>(Pixels.Store());
  return store == nullptr ? nullptr : store->Dc();
}

void TDibCanvas::CopyTo(HDC target, int x, int y) const {
  if (Dc() != nullptr)
    ::BitBlt(target, x, y, Pixels.Width(), Pixels.Height(), Dc(), 0, 0, SRCCOPY);
}

void TDibCanvas::CopyRectTo(HDC target, const TRect& rect) const {
  const TRect part = rect.Intersection(Pixels.Bounds());
  if (Dc() != nullptr && !part.Empty())
    ::BitBlt(target, part.Left, part.Top, part.Width(), part.Height(), Dc(), part.Left, part.Top, SRCCOPY);
}

}  // namespace tolvane::ui
