#pragma once
// Geometry of the custom-drawn menus: the entries of the bar side by side, the rows of a popup, where a popup
// opens, and which entry or row lies under a point. A popup taller than the work area scrolls, as the
// system's own menus do, instead of growing past the screen.

#include <functional>
#include <string>

#include "common/Geometry.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

// The values every menu window lays out and paints with, recomputed when the menu settings are applied.
struct TMenuMetrics {
  int ItemHeight = 0;
  int IconTop = 0;     // (ItemHeight − 16) / 2
  int IconMargin = 0;  // IconTop within 3 … 7
  int Edge = 1;        // "EdgeSize": frame of popups and the bar
  int TextTop = 0;     // "MenuTextTop": added to the top and bottom of every caption rectangle
  bool DrawIconsOnMain = true;

  static TMenuMetrics For(int itemHeight, int edgeSize, int menuTextTop, bool drawIconsOnMain);
  // edge + 16 + 2 × IconMargin: right of it a right click means the item, left of it its icon.
  int IconZone() const;
};

// The text a caption's width is measured from: the caption, or caption + five blanks + shortcut text.
std::u16string MeasuredCaption(const storage::TItem& item);

// The pixel width of a single-line text in the menu font.
using TTextWidth = std::function<int(std::u16string_view)>;

// Sets every child's ItemRect on the bar (full panel height, 2 × 9 px around the caption, 16 more for an icon
// when icons show on the bar and the type is below 50) and returns the right edge of the last entry.
int LayoutBar(storage::TItem& root, const TMenuMetrics& metrics, int panelHeight, const TTextWidth& width);
// The index of the bar entry whose rectangle holds x (left of the last entry's right edge), or −1.
int BarEntryAt(const storage::TItem& root, int x);

// Sets the item's MaxChildWidth to the widest measured caption among its children and returns it.
int MeasureChildren(storage::TItem& item, const TTextWidth& width);

// Where a popup is anchored (screen pixels). For a popup of the bar: (entry left, panel bottom) when docked
// at the top, else (entry left, entry top + edge − 2). For a sub-menu: (parent row right, parent row top)
// with the parent row's left as the alternative x.
struct TPopupAnchor {
  int X = 0;
  int Y = 0;
  int AlternativeX = 0;
  bool FromBar = false;
};

// A popup's rows: which children show, where, and the scroll strips when not all fit.
class TPopupRows {
 public:
  TPopupRows() = default;
  // count rows of rowHeight inside a frame of edge, showing at most maxVisible rows (all when it is larger).
  TPopupRows(int count, int rowHeight, int edge, int maxVisible);

  int Count() const { return RowCount; }
  int First() const { return FirstVisible; }
  int Visible() const { return VisibleCount; }
  bool Scrolls() const { return VisibleCount < RowCount; }
  // Height of each scroll strip (0 when the popup does not scroll).
  int StripHeight() const;
  // Client height of the whole popup, frame included.
  int Height() const;

  // The row's rectangle in client pixels, inside the frame of a popup of the width; empty when it is scrolled
  // out of view.
  TRect RowRect(int index, int width) const;
  // The row under client y, or −1 (the frame, a scroll strip, nothing there).
  int RowAt(int y) const;
  // Inside the frame at the top and the bottom; empty when the popup does not scroll.
  TRect ScrollUpStrip(int width) const;
  TRect ScrollDownStrip(int width) const;
  bool CanScrollUp() const { return FirstVisible > 0; }
  bool CanScrollDown() const { return FirstVisible + VisibleCount < RowCount; }

  // Scrolls by whole rows within the limits; true when the first visible row changed.
  bool ScrollBy(int rows);
  // Scrolls the least needed to show the row; true when the first visible row changed.
  bool EnsureVisible(int index);

 private:
  int RowCount = 0;
  int RowHeight = 0;
  int Edge = 0;
  int FirstVisible = 0;
  int VisibleCount = 0;
};

struct TPopupPlacement {
  TRect Bounds;  // screen pixels
  TPopupRows Rows;
};

// Size and place a popup for an item with childCount children, by the four anchor cases: the right-edge
// rule, the overflow moved by whole ItemHeights, and rows that scroll when the work area cannot hold them.
// A popup of the bar scrolls when it does not fit between the bar and the work area's far edge, a sub-menu
// when it is taller than the work area; a scrolling popup lies inside the work area.
TPopupPlacement PlacePopup(int childCount, int childTextWidth, const TMenuMetrics& metrics,
                           const TPopupAnchor& anchor, bool dockedAtTop, const TRect& workArea);

}  // namespace tolvane::uimodel
