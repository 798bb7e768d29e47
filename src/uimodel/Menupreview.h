#pragma once
// The settings dialog's picture of the menus: a bar with a hot entry and the popup it opens with a hot row,
// drawn by the real painters from the working values, so that what the dialog shows is what OK gives.

#include <memory>

#include "graphics/Qxbitmap.h"
#include "storage/Item.h"
#include "uimodel/Menupaint.h"

namespace tolvane::uimodel {

// Bar entries with their popup's rows, glyphs from the user list. Texts is the entry whose popup shows.
std::unique_ptr<storage::TItem> MenuPreviewItems();

struct TMenuPreviewParts {
  TRect Bar;    // the framed bar
  TRect Popup;  // the framed popup under its entry
};

// Where the parts go in a picture of the size, for these metrics and the entries' measured captions; lays
// the entries out on the bar at its own origin.
TMenuPreviewParts LayoutMenuPreview(storage::TItem& root, const TMenuPaintContext& context, TSize size);

// Paints the background in the colour, then the bar framed in the main frame colour with its second entry
// hot, and the popup of that entry framed in the popup frame colour with its first row hot.
void PaintMenuPreview(graphics::TQxBitmap& bitmap, storage::TItem& root, const TMenuPaintContext& context,
                      graphics::TQxColor frame, graphics::TQxColor background);

}  // namespace tolvane::uimodel
