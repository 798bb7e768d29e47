#pragma once
// Menu text through the system's font rendering, straight into the pixels of a DIB canvas, so the painter's
// gradients and glyphs and the text share one bitmap.

#include "platform/win32/Win.h"
#include "ui/Dibcanvas.h"
#include "uimodel/Menupaint.h"

namespace tolvane::ui {

class TGdiTextPainter final : public uimodel::ITextPainter {
 public:
  // Neither the canvas nor the font is owned; both outlive the painter.
  TGdiTextPainter(TDibCanvas& canvas, HFONT font) : Canvas(canvas), Font(font) {}

  int Width(std::u16string_view text) override;
  // Draws only into the canvas's own bitmap: any other bitmap has no device context to draw with.
  void Draw(graphics::TQxBitmap& bitmap, const TRect& rect, std::u16string_view text,
            graphics::TQxColor color, uimodel::TTextAlign align) override;

 private:
  TDibCanvas& Canvas;
  HFONT Font;
};

}  // namespace tolvane::ui
