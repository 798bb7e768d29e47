#pragma once
// TImageList: an owned system image list of 32-bit images with alpha, for tree and list views.

#include "graphics/Glyphlist.h"
#include "graphics/Qxbitmap.h"
#include "platform/win32/Win.h"

// After the Windows headers.
#include <commctrl.h>

namespace tolvane::ui {

class TImageList {
 public:
  // Throws std::system_error when the list cannot be made.
  TImageList(int width, int height);
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;
  ~TImageList();

  HIMAGELIST Handle() const { return List; }
  int Count() const;
  // The image's index; -1 when its size is not the list's or it could not be added.
  int Add(const graphics::TQxBitmap& image);
  // Every glyph in index order, so that a glyph's index in the list is its index in the glyph list. False
  // when one could not be added.
  [[nodiscard]] bool AddGlyphs(const graphics::TGlyphList& glyphs);

 private:
  HIMAGELIST List = nullptr;
  int Width;
  int Height;
};

}  // namespace tolvane::ui
