#pragma once
// A deterministic font for pictures of menus: every character is a solid box with a one-pixel gap after it,
// a blank leaves its cell empty, so a picture shows where each text starts, ends and is centred.

#include "uimodel/Menupaint.h"

namespace tolvane::uimodel::testing {

class TBoxTextPainter : public ITextPainter {
 public:
  static constexpr int CharWidth = 6;
  static constexpr int BoxHeight = 8;

  int Width(std::u16string_view text) override { return CharWidth * static_cast<int>(text.size()); }

  void Draw(graphics::TQxBitmap& bitmap, const TRect& rect, std::u16string_view text,
            graphics::TQxColor color, TTextAlign align) override {
    const int width = Width(text);
    int x = align == TTextAlign::Left    ? rect.Left
            : align == TTextAlign::Right ? rect.Right - width
                                         : rect.Left + (rect.Width() - width) / 2;
    const int top = rect.Top + (rect.Height() - BoxHeight) / 2;
    for (const char16_t c : text) {
      if (c != u' ') {
        bitmap.Fill(TRect::Sized(x, top, CharWidth - 1, BoxHeight).Intersection(rect), color);
      }
      x += CharWidth;
    }
  }
};

}  // namespace tolvane::uimodel::testing
