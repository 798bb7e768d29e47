#pragma once
// What assistive technology is told about the custom-drawn menus: one child per entry of the bar or row of a
// popup with its name, state, default action and rectangle, and which events a change of the hot item or of
// a window's visibility calls for. The Windows side turns these plain values into its accessibility objects.

#include <string>
#include <vector>

#include "common/Geometry.h"
#include "storage/Item.h"
#include "uimodel/Menulayout.h"

namespace tolvane::uimodel {

enum class TAccessRole { MenuBar, MenuPopup };

// State bits of a child; the Windows side maps each to its system state flag.
enum TAccessState : unsigned {
  AccessFocused = 1U << 0,
  AccessHotTracked = 1U << 1,
  AccessHasPopup = 1U << 2,
  AccessFocusable = 1U << 3,
  AccessOffscreen = 1U << 4,  // a popup row scrolled out of view
};

inline constexpr std::u16string_view AccessActionOpen = u"Open";
inline constexpr std::u16string_view AccessActionExecute = u"Execute";

struct TAccessChild {
  std::u16string Name;      // the caption as drawn
  std::u16string Shortcut;  // the shortcut text drawn at the row's right, if any
  std::u16string_view DefaultAction;
  unsigned State = 0;
  TRect Bounds;  // client pixels; empty when the row is scrolled out of view
};

enum class TAccessDirection { First, Last, Next, Previous, Up, Down, Left, Right };

// Child ids as the accessibility interfaces count them: 0 is the window itself, children start at 1.
inline constexpr long AccessSelf = 0;

struct TMenuAccessView {
  TAccessRole Role = TAccessRole::MenuBar;
  std::u16string Name;
  std::vector<TAccessChild> Children;

  long ChildCount() const { return static_cast<long>(Children.size()); }
  // The child with the id (1-based), or null for the window itself and for ids out of range.
  const TAccessChild* Child(long id) const;
  bool ValidId(long id) const { return id >= AccessSelf && id <= ChildCount(); }
  // The id of the hot child, or AccessSelf when none is hot.
  long Focused() const;
  // The child whose rectangle holds the client point, or AccessSelf.
  long HitTest(TPoint client) const;
  // The child reached from `from` in the direction, or AccessSelf when there is none: the bar runs left to
  // right, a popup top to bottom, and neither wraps. First and Last are asked of the window itself.
  long Navigate(long from, TAccessDirection direction) const;
};

// "Open" for what opens rather than runs when picked: the bar's entries and folders. Every other item runs,
// including one that also has a sub-menu.
std::u16string_view DefaultActionOf(const storage::TItem& item);

// The bar's entries (their ItemRects as laid out) with the hot one; root null or not ready: no children.
TMenuAccessView BarAccessView(const storage::TItem* root, int hot, std::u16string name);
// A popup's rows for its parent item as laid out in a popup of the width; parent null: a hidden popup.
TMenuAccessView PopupAccessView(const storage::TItem* parent, const TPopupRows& rows, int width, int hot);

// The events a menu window owes after a change: for the bar, the start and end of menu mode (an entry is
// hot); for a popup, its showing and hiding. Focus is the child id that just became hot, or AccessSelf.
struct TAccessEvents {
  bool Start = false;
  bool End = false;
  long Focus = AccessSelf;
};

class TAccessAnnouncer {
 public:
  // active: the bar is in menu mode or the popup shows; hot: the hot index (−1 none). Ending clears the hot
  // item, so a window shown again announces its hot item anew.
  TAccessEvents Update(bool active, int hot);

 private:
  bool Active = false;
  int Hot = -1;
};

}  // namespace tolvane::uimodel
