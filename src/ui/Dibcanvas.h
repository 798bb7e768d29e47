#pragma once
// A 32-bit bitmap whose pixels are a DIB section selected into a memory device context, so the graphics
// routines, GDI text and the copy to the screen all work on the same pixels.

#include "graphics/Qxbitmap.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

class TDibCanvas {
 public:
  TDibCanvas();
  TDibCanvas(const TDibCanvas&) = delete;
  TDibCanvas& operator=(const TDibCanvas&) = delete;

  // New, zeroed pixels for another size; false (canvas unchanged) when the DIB section cannot be made.
  [[nodiscard]] bool Resize(int width, int height);

  graphics::TQxBitmap& Bitmap() { return Pixels; }
  // Null until a successful Resize.
  HDC Dc() const;
  // GDI batches its drawing: call this after GDI calls, before the pixels are touched directly.
  static void Flush() { ::GdiFlush(); }
  void CopyTo(HDC target, int x, int y) const;
  // Copies the rectangle of the canvas to the same place on the target.
  void CopyRectTo(HDC target, const TRect& rect) const;

 private:
  graphics::TQxBitmap Pixels;
};

}  // namespace tolvane::ui
