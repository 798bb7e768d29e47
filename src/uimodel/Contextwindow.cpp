#include "uimodel/Contextwindow.h"

#include <algorithm>
#include <cstdlib>

#include "uimodel/Menukeys.h"
#include "uimodel/Uimessages.h"

namespace tolvane::uimodel {

namespace {

inline constexpr std::u16string_view ShortcutGap = u"     ";
inline constexpr int ClickTolerance = 5;

bool SortOffered(const storage::TItem& item) {
  if (item.Parent == nullptr) {
    return false;
  }
  const int siblings = item.Parent->Children.Count();
  return (siblings > 1 && item.Level > 1) || siblings > 2;
}

}  // namespace

std::vector<TContextEntry> ContextEntries(const storage::TItem& item) {
  const bool user = item.ItemType < storage::ItemTypeProgramOwn;
  const bool sort = user && SortOffered(item);
  std::vector<TContextEntry> entries;
  auto add = [&entries](bool shown, std::u16string caption, std::u16string shortcut, int code, int glyph) {
    if (shown) {
      entries.push_back({std::move(caption), std::move(shortcut), code, glyph});
    }
  };
  add(user, u"Edit Item", u"F8", ItemCommandEdit, 12);
  add(user, u"Insert New Item Before", u"F9", ItemCommandInsertBefore, 8);
  add(user, u"Create New Item As Submenu", u"F10", ItemCommandInsertAsSubMenu, 11);
  add(true, u"Insert New Item After", u"F11", ItemCommandInsertAfter, 9);
  add(user && item.Children.Count() > 0, u"Save Branch To File", u"", ItemCommandSaveBranch, 17);
  add(sort, u"Sort This Menu", u"", ItemCommandSortMenu, 25);
  add(sort, u"Sort This Menu + Submenus", u"", ItemCommandSortMenuDeep, 26);
  add(true, u"Cancel", u"", ItemCommandCancel, 7);
  add(user, u"Delete Item", u"Del", ItemCommandDelete, 14);
  return entries;
}

TRect KeptInside(const TRect& bounds, const TRect& area) {
  const int left = std::max(area.Left, std::min(bounds.Left, area.Right - bounds.Width()));
  const int top = std::max(area.Top, std::min(bounds.Top, area.Bottom - bounds.Height()));
  return bounds.MovedTo(left, top);
}

TContextLayout::TContextLayout(const std::vector<TContextEntry>& entries, const TMenuMetrics& metrics,
                               const TTextWidth& width)
    : RowCount(static_cast<int>(entries.size())), RowHeight(metrics.ItemHeight), Edge(metrics.Edge) {
  int widest = 0;
  for (const TContextEntry& entry : entries) {
    std::u16string text = entry.Caption;
    if (!entry.Shortcut.empty()) {
      text.append(ShortcutGap).append(entry.Shortcut);
    }
    widest = std::max(widest, width(text));
  }
  BodyWidth = 2 * 16 + widest + 4 * metrics.IconMargin + 2 * Edge;
  BodyHeight = RowCount * RowHeight + 2 * Edge;
}

TRect TContextLayout::RowRect(int index) const {
  if (index < 0 || index >= RowCount) {
    return {};
  }
  return {Edge, Edge + index * RowHeight, BodyWidth - Edge, Edge + (index + 1) * RowHeight};
}

int TContextLayout::EntryAt(TPoint point) const {
  if (RowHeight <= 0 || point.X < Edge || point.X >= BodyWidth - Edge || point.Y < Edge) {
    return -1;
  }
  const int index = (point.Y - Edge) / RowHeight;
  return index < RowCount ? index : -1;
}

TRect TContextLayout::Place(TPoint point, const TRect& workArea) const {
  return KeptInside(TRect::Sized(point.X, point.Y, WindowSize().Width, WindowSize().Height), workArea);
}

TRect TContextLayout::RightStrip(const TRect& window) {
  return {window.Right - ContextStripSize, window.Top, window.Right, window.Bottom};
}

TRect TContextLayout::BottomStrip(const TRect& window) {
  return {window.Left, window.Bottom - ContextStripSize, window.Right, window.Bottom};
}

void DrawContextShadow(graphics::TQxBitmap& bitmap, TSize body) {
  // Each pixel of the margin is darkened by how close it lies to the body, horizontally for the right margin
  // and vertically for the bottom one; the corner takes the farther of the two.
  const int width = std::min(bitmap.Width(), body.Width + ContextShadowSize);
  const int height = std::min(bitmap.Height(), body.Height + ContextShadowSize);
  for (int y = ContextShadowSize; y < height; ++y) {
    for (int x = ContextShadowSize; x < width; ++x) {
      const int dx = x - body.Width + 1;  // 1 … margin right of the body, ≤ 0 beside it
      const int dy = y - body.Height + 1;
      if (dx <= 0 && dy <= 0) {
        continue;
      }
      const int distance = std::max(dx, dy);
      const int darkness = 96 * (ContextShadowSize + 1 - distance) / (ContextShadowSize + 1);
      graphics::TQxColor pixel = bitmap.Pixel(x, y);
      auto dim = [darkness](std::uint8_t channel) {
        return static_cast<std::uint8_t>(channel * (255 - darkness) / 255);
      };
      bitmap.setPixel(
          x, y,
          graphics::TQxColor::FromChannels(dim(pixel.Red()), dim(pixel.Green()), dim(pixel.Blue()), 255));
    }
  }
}

TContextKeyAction ContextKey(std::uint32_t virtualKey) {
  switch (virtualKey) {
    case menukey::Enter:
      return TContextKeyAction::Choose;
    case menukey::Escape:
      return TContextKeyAction::Close;
    case menukey::PageUp:
      return TContextKeyAction::First;
    case menukey::PageDown:
      return TContextKeyAction::Last;
    case menukey::Up:
      return TContextKeyAction::Previous;
    case menukey::Down:
      return TContextKeyAction::Next;
    case menukey::Delete:
      return TContextKeyAction::Delete;
    default:
      return TContextKeyAction::Nothing;
  }
}

TContextResult TContextWindow::Result() const {
  if (Chosen >= 0 && Items[static_cast<std::size_t>(Chosen)].Code != ItemCommandCancel) {
    return {UM_ITEM_COMMAND, Items[static_cast<std::size_t>(Chosen)].Code};
  }
  return {UM_REPAINT_MENU, Chosen >= 0 ? ItemCommandCancel : -1};
}

bool TContextWindow::MouseMove(int entry) {
  if (IsClosed || entry == HotIndex) {
    return false;
  }
  HotIndex = entry;
  return true;
}

void TContextWindow::MouseDown(int entry, TPoint point) {
  if (IsClosed) {
    return;
  }
  PressedIndex = entry;
  PressPoint = point;
  if (entry >= 0) {
    HotIndex = entry;
  }
}

void TContextWindow::MouseUp(int entry, TPoint point) {
  const int pressed = PressedIndex;
  PressedIndex = -1;
  if (IsClosed || pressed < 0 || entry != pressed) {
    return;
  }
  if (std::abs(point.X - PressPoint.X) <= ClickTolerance &&
      std::abs(point.Y - PressPoint.Y) <= ClickTolerance) {
    Close(pressed);
  }
}

void TContextWindow::Key(std::uint32_t virtualKey) {
  if (IsClosed) {
    return;
  }
  const int count = static_cast<int>(Items.size());
  switch (ContextKey(virtualKey)) {
    case TContextKeyAction::Choose:
      if (HotIndex >= 0) {
        Close(HotIndex);
      }
      break;
    case TContextKeyAction::Close:
      Close(-1);
      break;
    case TContextKeyAction::First:
      HotIndex = count > 0 ? 0 : -1;
      break;
    case TContextKeyAction::Last:
      HotIndex = count - 1;
      break;
    case TContextKeyAction::Previous:
      HotIndex = WrapIndex(HotIndex, -1, count);
      break;
    case TContextKeyAction::Next:
      HotIndex = WrapIndex(HotIndex, 1, count);
      break;
    case TContextKeyAction::Delete:
      // Only when the entry is offered: the program's own items cannot be deleted.
      if (const int index = IndexOfCode(ItemCommandDelete); index >= 0) {
        Close(index);
      }
      break;
    case TContextKeyAction::Nothing:
      break;
  }
}

void TContextWindow::Close(int chosen) {
  Chosen = chosen;
  IsClosed = true;
  PressedIndex = -1;
}

int TContextWindow::IndexOfCode(int code) const {
  for (std::size_t i = 0; i < Items.size(); ++i) {
    if (Items[i].Code == code) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

namespace {

// An entry drawn as a popup row: a program item, so the glyph comes from the built-in list.
void PaintEntry(graphics::TQxBitmap& bitmap, const TContextEntry& entry, const TRect& row, TEntryLook look,
                std::span<const graphics::TQxColor> gradient, const TMenuPaintContext& context) {
  storage::TItem shown;
  shown.ItemType = storage::ItemTypeProgramOwn + 1;
  shown.Name = entry.Caption;
  shown.ShortCutText = entry.Shortcut;
  shown.ImageIndex = entry.Glyph;
  PaintPopupRow(bitmap, shown, row, look, gradient, context);
}

}  // namespace

void PaintContextRow(graphics::TQxBitmap& bitmap, const TContextLayout& layout, const TContextWindow& window,
                     int index, std::span<const graphics::TQxColor> gradient,
                     const TMenuPaintContext& context) {
  const auto& entries = window.Entries();
  if (index < 0 || index >= static_cast<int>(entries.size()) || index >= layout.Count()) {
    return;
  }
  const TEntryLook look = index == window.Pressed() ? TEntryLook::Pressed
                          : index == window.Hot()   ? TEntryLook::Hot
                                                    : TEntryLook::Normal;
  PaintEntry(bitmap, entries[static_cast<std::size_t>(index)], layout.RowRect(index), look, gradient,
             context);
}

void PaintContextWindow(graphics::TQxBitmap& bitmap, const TContextLayout& layout,
                        const TContextWindow& window, std::span<const graphics::TQxColor> gradient,
                        const TMenuPaintContext& context) {
  const TSize body = layout.BodySize();
  PaintPopupFrame(bitmap, body.Width, body.Height, context.Metrics.Edge, context.Colors.PopupFrame);
  for (int index = 0; index < layout.Count(); ++index) {
    PaintContextRow(bitmap, layout, window, index, gradient, context);
  }
  DrawContextShadow(bitmap, body);
}

}  // namespace tolvane::uimodel
