#include "uimodel/Menupreview.h"

#include <algorithm>

#include "graphics/Gradient.h"
#include "uimodel/Barlayout.h"
#include "uimodel/Menulayout.h"

namespace tolvane::uimodel {

namespace {

constexpr int Margin = 8;    // around the bar inside the picture
constexpr int HotEntry = 1;  // "Texts"
constexpr int HotRow = 0;

struct TSampleItem {
  const char16_t* Name;
  int Type;
  int Image;
};

storage::TItem* AddSample(storage::TItem& parent, const TSampleItem& sample) {
  storage::TItem* item = parent.NewChild();
  item->Name = sample.Name;
  item->ItemType = sample.Type;
  item->ImageIndex = sample.Image;
  return item;
}

void FrameBorder(graphics::TQxBitmap& bitmap, const TRect& rect, int edge, graphics::TQxColor color) {
  for (int i = 0; i < edge; ++i) {
    const TRect ring = rect.Inflated(-i);
    bitmap.Fill({ring.Left, ring.Top, ring.Right, ring.Top + 1}, color);
    bitmap.Fill({ring.Left, ring.Bottom - 1, ring.Right, ring.Bottom}, color);
    bitmap.Fill({ring.Left, ring.Top, ring.Left + 1, ring.Bottom}, color);
    bitmap.Fill({ring.Right - 1, ring.Top, ring.Right, ring.Bottom}, color);
  }
}

}  // namespace

std::unique_ptr<storage::TItem> MenuPreviewItems() {
  auto root = std::make_unique<storage::TItem>();
  for (const TSampleItem& entry : {TSampleItem{u"Letters", storage::ItemTypeFolder, 48},
                                   TSampleItem{u"Texts", storage::ItemTypeFolder, 49},
                                   TSampleItem{u"Tools", storage::ItemTypeFolder, 52}}) {
    AddSample(*root, entry);
  }
  storage::TItem& texts = *root->Children[HotEntry];
  for (const TSampleItem& row : {TSampleItem{u"Greeting", storage::ItemTypeClip, 16},
                                 TSampleItem{u"Signature", storage::ItemTypeClip, 17},
                                 TSampleItem{u"Addresses", storage::ItemTypeFolder, 50},
                                 TSampleItem{u"Notepad", storage::ItemTypeProgram, 32}}) {
    AddSample(texts, row);
  }
  AddSample(*texts.Children[2], {u"Office", storage::ItemTypeClip, 18});
  root->Level = 0;
  for (storage::TItem& entry : root->Children) {
    entry.Level = 1;
    for (storage::TItem& row : entry.Children) {
      row.Level = 2;
    }
  }
  return root;
}

TMenuPreviewParts LayoutMenuPreview(storage::TItem& root, const TMenuPaintContext& context, TSize size) {
  const TMenuMetrics& metrics = context.Metrics;
  const auto width = [&context](std::u16string_view text) { return context.Text.Width(text); };
  const int barHeight = metrics.ItemHeight + 2 * metrics.Edge;
  const int entriesRight = LayoutBar(root, metrics, metrics.ItemHeight, width);
  TMenuPreviewParts parts;
  parts.Bar = TRect::Sized(Margin, Margin, std::max(size.Width - 2 * Margin, entriesRight + 2 * metrics.Edge),
                           barHeight);
  if (root.Children.Count() <= HotEntry) {
    return parts;
  }
  storage::TItem& entry = *root.Children[HotEntry];
  MeasureChildren(entry, width);
  const TPopupAnchor anchor{parts.Bar.Left + metrics.Edge + entry.ItemRect.Left, parts.Bar.Bottom, 0, true};
  const TPopupPlacement placement = PlacePopup(entry.Children.Count(), entry.MaxChildWidth, metrics, anchor,
                                               true, TRect{0, 0, 100000, 100000});
  parts.Popup = placement.Bounds;
  return parts;
}

void PaintMenuPreview(graphics::TQxBitmap& bitmap, storage::TItem& root, const TMenuPaintContext& context,
                      graphics::TQxColor frame, graphics::TQxColor background) {
  bitmap.Fill(background);
  const TMenuMetrics& metrics = context.Metrics;
  const TMenuPreviewParts parts = LayoutMenuPreview(root, context, {bitmap.Width(), bitmap.Height()});

  // The painters draw where the items' rectangles say: the bar's entries move inside its frame.
  const TPoint inner{parts.Bar.Left + metrics.Edge, parts.Bar.Top + metrics.Edge};
  for (storage::TItem& entry : root.Children) {
    entry.ItemRect = entry.ItemRect.Offset(inner.X, inner.Y);
  }
  PaintBar(bitmap, root, HotEntry, -1, context);
  // The bar's background runs to the bitmap's right edge; the picture ends at the frame.
  bitmap.Fill({parts.Bar.Right, parts.Bar.Top, bitmap.Width(), parts.Bar.Bottom}, background);
  FrameBorder(bitmap, parts.Bar, metrics.Edge, frame);
  if (parts.Popup.Empty()) {
    return;
  }

  storage::TItem& entry = *root.Children[HotEntry];
  const TPopupRows rows(entry.Children.Count(), metrics.ItemHeight, metrics.Edge, entry.Children.Count());
  // The gradient is looked up by bitmap row, so it starts at the popup's top.
  std::vector<graphics::TQxColor> gradient(static_cast<std::size_t>(std::max(parts.Popup.Top, 0)),
                                           context.Colors.MenuTop);
  const std::vector<graphics::TQxColor> popupRows =
      graphics::Gradient(context.Colors.MenuTop, context.Colors.MenuBottom, parts.Popup.Height());
  gradient.insert(gradient.end(), popupRows.begin(), popupRows.end());
  for (int row = 0; row < rows.Count(); ++row) {
    const TRect rect = rows.RowRect(row, parts.Popup.Width()).Offset(parts.Popup.Left, parts.Popup.Top);
    PaintPopupRow(bitmap, *entry.Children[row], rect, row == HotRow ? TEntryLook::Hot : TEntryLook::Normal,
                  gradient, context);
  }
  FrameBorder(bitmap, parts.Popup, metrics.Edge, context.Colors.PopupFrame);
}

}  // namespace tolvane::uimodel
