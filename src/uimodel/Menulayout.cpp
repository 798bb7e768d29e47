#include "uimodel/Menulayout.h"

#include <algorithm>

#include "uimodel/Barlayout.h"

namespace tolvane::uimodel {

namespace {

inline constexpr int BarCaptionPadding = 9;
inline constexpr std::u16string_view ShortcutGap = u"     ";

// n rounded up to a whole number of steps.
int RoundedUp(int n, int step) {
  return step > 0 ? (n + step - 1) / step * step : n;
}

// Half a row: room for the arrow, and the strips take less from the rows than whole rows would.
int ScrollStripHeight(int rowHeight) {
  return (rowHeight + 1) / 2;
}

// How many rows fit in the height between the frame and two scroll strips; at least one, so that a popup in
// a tiny work area still shows something to scroll.
int RowsThatFit(int height, int rowHeight, int edge) {
  const int strips = 2 * ScrollStripHeight(rowHeight);
  return rowHeight > 0 ? std::max(1, (height - 2 * edge - strips) / rowHeight) : 1;
}

// The top by the anchor rules, before any correction.
int AnchoredTop(const TPopupAnchor& anchor, const TMenuMetrics& metrics, bool dockedAtTop, int height) {
  if (anchor.FromBar)
    return dockedAtTop ? anchor.Y : anchor.Y - metrics.Edge - height;
  return dockedAtTop ? anchor.Y - metrics.Edge : anchor.Y + metrics.ItemHeight + metrics.Edge - height;
}

int AnchoredLeft(const TPopupAnchor& anchor, int width, const TRect& workArea) {
  if (anchor.X + width <= workArea.Right)
    return anchor.X;
  return anchor.FromBar ? workArea.Right - width : anchor.AlternativeX - width;
}

// The room a popup of the bar has between the bar and the work area's far edge.
int BarPopupRoom(const TPopupAnchor& anchor, const TMenuMetrics& metrics, bool dockedAtTop,
                 const TRect& workArea) {
  return dockedAtTop ? workArea.Bottom - anchor.Y : anchor.Y - metrics.Edge - workArea.Top;
}

}  // namespace

TMenuMetrics TMenuMetrics::For(int itemHeight, int edgeSize, int menuTextTop, bool drawIconsOnMain) {
  TMenuMetrics metrics;
  metrics.ItemHeight = itemHeight;
  metrics.IconTop = uimodel::IconTop(itemHeight);
  metrics.IconMargin = uimodel::IconMargin(itemHeight);
  metrics.Edge = edgeSize;
  metrics.TextTop = menuTextTop;
  metrics.DrawIconsOnMain = drawIconsOnMain;
  return metrics;
}

int TMenuMetrics::IconZone() const {
  return Edge + IconSize + 2 * IconMargin;
}

std::u16string MeasuredCaption(const storage::TItem& item) {
  if (item.ShortCutText.empty())
    return item.Name.Str();
  std::u16string text = item.Name.Str();
  text += ShortcutGap;
  text += item.ShortCutText;
  return text;
}

int LayoutBar(storage::TItem& root, const TMenuMetrics& metrics, int panelHeight, const TTextWidth& width) {
  int x = 0;
  for (storage::TItem& entry : root.Children) {
    int entryWidth = width(MeasuredCaption(entry)) + 2 * BarCaptionPadding;
    if (metrics.DrawIconsOnMain && entry.ItemType < storage::ItemTypeProgramOwn)
      entryWidth += IconSize;
    entry.ItemRect = TRect{x, 0, x + entryWidth, panelHeight};
    x = entry.ItemRect.Right;
  }
  return x;
}

int BarEntryAt(const storage::TItem& root, int x) {
  int index = 0;
  for (const storage::TItem& entry : root.Children) {
    if (x >= entry.ItemRect.Left && x < entry.ItemRect.Right)
      return index;
    ++index;
  }
  return -1;
}

int MeasureChildren(storage::TItem& item, const TTextWidth& width) {
  int widest = 0;
  for (const storage::TItem& child : item.Children)
    widest = std::max(widest, width(MeasuredCaption(child)));
  item.MaxChildWidth = widest;
  return widest;
}

TPopupRows::TPopupRows(int count, int rowHeight, int edge, int maxVisible)
    : RowCount(std::max(count, 0)),
      RowHeight(rowHeight),
      Edge(edge),
      VisibleCount(std::min(RowCount, std::max(maxVisible, 1))) {}

int TPopupRows::StripHeight() const {
  return Scrolls() ? ScrollStripHeight(RowHeight) : 0;
}

int TPopupRows::Height() const {
  return 2 * Edge + 2 * StripHeight() + VisibleCount * RowHeight;
}

TRect TPopupRows::RowRect(int index, int width) const {
  if (index < FirstVisible || index >= FirstVisible + VisibleCount)
    return {};
  const int top = Edge + StripHeight() + (index - FirstVisible) * RowHeight;
  return TRect{Edge, top, width - Edge, top + RowHeight};
}

int TPopupRows::RowAt(int y) const {
  const int top = Edge + StripHeight();
  if (y < top || y >= top + VisibleCount * RowHeight || RowHeight <= 0)
    return -1;
  return FirstVisible + (y - top) / RowHeight;
}

TRect TPopupRows::ScrollUpStrip(int width) const {
  if (!Scrolls())
    return {};
  return TRect{Edge, Edge, width - Edge, Edge + StripHeight()};
}

TRect TPopupRows::ScrollDownStrip(int width) const {
  if (!Scrolls())
    return {};
  const int bottom = Height() - Edge;
  return TRect{Edge, bottom - StripHeight(), width - Edge, bottom};
}

bool TPopupRows::ScrollBy(int rows) {
  const int first = std::clamp(FirstVisible + rows, 0, RowCount - VisibleCount);
  if (first == FirstVisible)
    return false;
  FirstVisible = first;
  return true;
}

bool TPopupRows::EnsureVisible(int index) {
  if (index < 0 || index >= RowCount)
    return false;
  if (index < FirstVisible)
    return ScrollBy(index - FirstVisible);
  if (index >= FirstVisible + VisibleCount)
    return ScrollBy(index - (FirstVisible + VisibleCount - 1));
  return false;
}

TPopupPlacement PlacePopup(int childCount, int childTextWidth, const TMenuMetrics& metrics,
                           const TPopupAnchor& anchor, bool dockedAtTop, const TRect& workArea) {
  const int width = 2 * IconSize + childTextWidth + 4 * metrics.IconMargin + 2 * metrics.Edge;
  const int fullHeight = childCount * metrics.ItemHeight + 2 * metrics.Edge;
  // A popup of the bar cannot move over the bar, so it has only the room on its side; a sub-menu may move
  // along the whole work area.
  const int room = anchor.FromBar ? BarPopupRoom(anchor, metrics, dockedAtTop, workArea) : workArea.Height();

  TPopupPlacement placement;
  const int left = AnchoredLeft(anchor, width, workArea);
  if (fullHeight <= room) {
    placement.Rows = TPopupRows(childCount, metrics.ItemHeight, metrics.Edge, childCount);
    int top = AnchoredTop(anchor, metrics, dockedAtTop, fullHeight);
    if (!anchor.FromBar) {
      // Moved by whole rows so that the rows still line up with the parent row's grid.
      if (dockedAtTop && top + fullHeight > workArea.Bottom)
        top -= RoundedUp(top + fullHeight - workArea.Bottom, metrics.ItemHeight);
      else if (!dockedAtTop && top < workArea.Top)
        top += RoundedUp(workArea.Top - top, metrics.ItemHeight);
      // The rounding may push a popup nearly as tall as the work area past its other edge.
      top = std::clamp(top, workArea.Top, workArea.Bottom - fullHeight);
    }
    placement.Bounds = TRect::Sized(left, top, width, fullHeight);
    return placement;
  }

  placement.Rows = TPopupRows(childCount, metrics.ItemHeight, metrics.Edge,
                              RowsThatFit(room, metrics.ItemHeight, metrics.Edge));
  const int height = placement.Rows.Height();
  int top = AnchoredTop(anchor, metrics, dockedAtTop, height);
  top = std::max(std::min(top, workArea.Bottom - height), workArea.Top);
  placement.Bounds = TRect::Sized(left, top, width, height);
  return placement;
}

}  // namespace tolvane::uimodel
