#include "ui/Imagelist.h"

#include <algorithm>
#include <system_error>

#include "platform/win32/Handles.h"
#include "ui/Commoncontrols.h"

namespace tolvane::ui {

namespace {

// A DIB section holding a copy of the pixels, which are laid out as a top-down 32-bit DIB already.
win32::unique_hbitmap ToBitmap(const graphics::TQxBitmap& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = image.Width();
  info.bmiHeader.biHeight = -image.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::unique_hbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr)
    return {};
  auto* target = static_cast<graphics::TQxColor*>(bits);
  for (int y = 0; y < image.Height(); ++y)
    target = std::copy_n(image.Row(y), image.Width(), target);
  return bitmap;
}

}  // namespace

TImageList::TImageList(int width, int height) : Width(width), Height(height) {
  EnsureCommonControls();
  List = ::ImageList_Create(width, height, ILC_COLOR32, 16, 16);
  if (List == nullptr)
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "Creating an image list failed");
}

TImageList::~TImageList() {
  ::ImageList_Destroy(List);
}

int TImageList::Count() const {
  return ::ImageList_GetImageCount(List);
}

int TImageList::Add(const graphics::TQxBitmap& image) {
  if (image.Width() != Width || image.Height() != Height)
    return -1;
  const win32::unique_hbitmap bitmap = ToBitmap(image);
  return bitmap ? ::ImageList_Add(List, bitmap.get(), nullptr) : -1;
}

bool TImageList::AddGlyphs(const graphics::TGlyphList& glyphs) {
  graphics::TQxBitmap cell;
  if (!cell.Resize(glyphs.CellSize(), glyphs.CellSize()))
    return false;
  for (int index = 0; index < glyphs.Count(); ++index) {
    const TRect source = glyphs.CellRect(index);
    for (int y = 0; y < source.Height(); ++y)
      std::copy_n(glyphs.Cells().Row(source.Top + y) + source.Left, source.Width(), cell.Row(y));
    if (Add(cell) < 0)
      return false;
  }
  return true;
}

}  // namespace tolvane::ui
