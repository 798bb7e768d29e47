#pragma once
// Internal to the bitmap's own files.

#include "common/Geometry.h"

namespace tolvane::graphics::detail {

// Limits a transfer of sourceRect to (x, y) to what lies inside both bitmaps: returns the source part and
// moves (x, y) to where that part lands.
TRect ClipTransfer(const TRect& sourceBounds, const TRect& sourceRect, const TRect& targetBounds, int& x,
                   int& y);

}  // namespace tolvane::graphics::detail
