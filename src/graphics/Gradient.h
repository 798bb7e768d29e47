#pragma once
// The vertical gradients of the menus and the popup background tables built from them.

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/Qxbitmap.h"

namespace tolvane::graphics {

// Row 0 is top; each of red, green and blue then moves by a fixed-point step of ((bottom − top) × 2^22) / (n
// − 1), truncated, and each row takes the running value's integer part. Every row's alpha is 255.
void GradientRows(TQxColor top, TQxColor bottom, std::span<TQxColor> rows);

// The pipe form: the upper two fifths run from bottom up to top, the rest from top down to the shadow, which
// is bottom darkened by depth / 255. Lightest two fifths of the way down, darkest at the lower edge.
void PipeRows(TQxColor top, TQxColor bottom, std::uint8_t depth, std::span<TQxColor> rows);

std::vector<TQxColor> Gradient(TQxColor top, TQxColor bottom, int rows);

void FillGradient(TQxBitmap& bitmap, const TRect& rect, TQxColor top, TQxColor bottom);
void FillPipe(TQxBitmap& bitmap, const TRect& rect, TQxColor top, TQxColor bottom, std::uint8_t depth);

// Paints each bitmap row y of the rectangle in table[y], so the gradient runs through a whole popup; rows
// past the table's end take its last colour.
void FillFromTable(TQxBitmap& bitmap, const TRect& rect, std::span<const TQxColor> table);

inline constexpr int MinLongGradientRows = 400;
inline constexpr int ShortGradientRows = 220;
inline constexpr int ShortGradientFrom = 30;  // row of LongGradient where ShortGradient starts
inline constexpr int ShortGradientTo = 340;   // and where it ends

struct TPopupGradients {
  std::vector<TQxColor> LongGradient;
  std::vector<TQxColor> ShortGradient;

  // Popups lower than ShortGradientRows use the short table.
  std::span<const TQxColor> ForPopup(int popupHeight) const {
    return popupHeight < ShortGradientRows ? ShortGradient : LongGradient;
  }
};

// LongGradient spans the largest of (largestChildCount + 2) × itemHeight, half the screen height and 400
// rows; ShortGradient runs from its row 30 to its row 340 over 220 rows.
TPopupGradients MakePopupGradients(TQxColor menuTop, TQxColor menuBottom, int largestChildCount,
                                   int itemHeight, int screenHeight);

}  // namespace tolvane::graphics
