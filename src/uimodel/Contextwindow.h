#pragma once
// The item context window: which edit commands it offers for an item, its rows and size, where it opens, the
// screen strips its shadow is drawn on, and its mouse and key handling.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/Geometry.h"
#include "graphics/Qxbitmap.h"
#include "storage/Item.h"
#include "uimodel/Menulayout.h"
#include "uimodel/Menupaint.h"

namespace tolvane::uimodel {

inline constexpr int ItemCommandDelete = 107;
inline constexpr int ItemCommandSortMenu = 109;
inline constexpr int ItemCommandSortMenuDeep = 110;
inline constexpr int ItemCommandCancel = 111;

struct TContextEntry {
  std::u16string Caption;
  std::u16string Shortcut;
  int Code = 0;   // UM_ITEM_COMMAND code
  int Glyph = 0;  // built-in glyph index

  bool operator==(const TContextEntry&) const = default;
};

// The entries offered for the item, in display order. The program's own items get only "Insert New Item
// After" and "Cancel".
std::vector<TContextEntry> ContextEntries(const storage::TItem& item);

// Width of the strips along the right and bottom edges that carry the shadow, and how much larger than the
// menu body the window is.
inline constexpr int ContextStripSize = 5;
inline constexpr int ContextShadowSize = 4;

// A rectangle moved (not resized) so that it lies inside the area; the left and top edges win when it is
// larger than the area.
TRect KeptInside(const TRect& bounds, const TRect& area);

class TContextLayout {
 public:
  TContextLayout() = default;
  // Rows of ItemHeight inside an "EdgeSize" frame, as wide as a popup for the widest entry text (caption,
  // five blanks and the shortcut).
  TContextLayout(const std::vector<TContextEntry>& entries, const TMenuMetrics& metrics,
                 const TTextWidth& width);

  int Count() const { return RowCount; }
  // The menu body without the shadow margin.
  TSize BodySize() const { return {BodyWidth, BodyHeight}; }
  TSize WindowSize() const { return {BodyWidth + ContextShadowSize, BodyHeight + ContextShadowSize}; }
  // Entry's row in client pixels, inside the frame.
  TRect RowRect(int index) const;
  // The entry under a client point, or −1 (frame, shadow, outside).
  int EntryAt(TPoint point) const;

  // The window's screen bounds: its top-left at the point, moved into the work area.
  TRect Place(TPoint point, const TRect& workArea) const;
  // The screen strips under the window's right and bottom edges, copied into its bitmap before it shows.
  static TRect RightStrip(const TRect& window);
  static TRect BottomStrip(const TRect& window);

 private:
  int RowCount = 0;
  int RowHeight = 0;
  int Edge = 0;
  int BodyWidth = 0;
  int BodyHeight = 0;
};

// Darkens the shadow margin right of and below a body of the size at the bitmap's top-left: the copied
// screen shows through, darkest next to the body, fading outwards, set in from the body's top-right and
// bottom-left corners by the margin width.
void DrawContextShadow(graphics::TQxBitmap& bitmap, TSize body);

class TContextWindow;

// The body: the frame in "PopupFrameColor" and every entry as a popup row in its look (hot, or pressed while
// the button is held), then the shadow over the screen strips already copied into the margin.
void PaintContextWindow(graphics::TQxBitmap& bitmap, const TContextLayout& layout,
                        const TContextWindow& window, std::span<const graphics::TQxColor> gradient,
                        const TMenuPaintContext& context);
// One entry's row alone, for a change of its look.
void PaintContextRow(graphics::TQxBitmap& bitmap, const TContextLayout& layout, const TContextWindow& window,
                     int index, std::span<const graphics::TQxColor> gradient,
                     const TMenuPaintContext& context);

enum class TContextKeyAction { Nothing, Choose, Close, First, Last, Previous, Next, Delete };
TContextKeyAction ContextKey(std::uint32_t virtualKey);

// What closing the window posts to its owner: UM_ITEM_COMMAND with the code when an entry other than Cancel
// was chosen; else UM_REPAINT_MENU, wParam the Cancel code or −1 when nothing was chosen.
struct TContextResult {
  std::uint32_t Message = 0;
  std::intptr_t WParam = -1;

  bool operator==(const TContextResult&) const = default;
};

// Hot and pressed entry of an open context window and what the mouse and keys do to them.
class TContextWindow {
 public:
  explicit TContextWindow(std::vector<TContextEntry> entries) : Items(std::move(entries)) {}

  const std::vector<TContextEntry>& Entries() const { return Items; }
  int Hot() const { return HotIndex; }
  int Pressed() const { return PressedIndex; }
  bool Closed() const { return IsClosed; }
  TContextResult Result() const;

  // Entry under the pointer, or −1; true when the hot entry changed.
  bool MouseMove(int entry);
  void MouseDown(int entry, TPoint point);
  // Chooses the pressed entry when released on it within 5 px of the press point.
  void MouseUp(int entry, TPoint point);
  void Key(std::uint32_t virtualKey);
  void LostFocus() { Close(-1); }

 private:
  void Close(int chosen);
  int IndexOfCode(int code) const;

  std::vector<TContextEntry> Items;
  int HotIndex = -1;
  int PressedIndex = -1;
  TPoint PressPoint;
  int Chosen = -1;
  bool IsClosed = false;
};

}  // namespace tolvane::uimodel
