#pragma once
// Filled and outlined shapes for the owner-drawn controls. Curved edges are anti-aliased by their coverage of
// each pixel; the colour's own alpha is respected (source over).

#include "graphics/Qxbitmap.h"

namespace tolvane::graphics {

// Draws the colour over every pixel of the rectangle.
void BlendRect(TQxBitmap& bitmap, const TRect& rect, TQxColor color);

// A one-pixel outline just inside the rectangle.
void FrameRect(TQxBitmap& bitmap, const TRect& rect, TQxColor color);

// The rectangle with quarter-circle corners; the radius is limited to half the shorter side.
void FillRoundRect(TQxBitmap& bitmap, const TRect& rect, int radius, TQxColor color);

// The outline of FillRoundRect's shape, lineWidth pixels wide, inside the rectangle.
void FrameRoundRect(TQxBitmap& bitmap, const TRect& rect, int radius, TQxColor color, int lineWidth = 1);

}  // namespace tolvane::graphics
