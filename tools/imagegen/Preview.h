#pragma once
// Contact sheets for looking at the artwork where it will be seen: on the default menu gradient, on the
// selected row's pipe gradient, and as the icon picker's grid of colour variants.

#include "Artwork.h"

namespace tolvane::imagegen {

graphics::TQxBitmap MakeGlyphSheet(const TArtwork& artwork);
graphics::TQxBitmap MakePickerSheet(const TArtwork& artwork);

}  // namespace tolvane::imagegen
