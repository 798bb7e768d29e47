#pragma once
// The hot, active and pressed states of the bar and of a popup, and what a mouse event asks the window to do.
// The windows own the popups and the drawing; these classes decide. (TBarMenuState is named apart from the
// auto-hide TBarState.)

namespace tolvane::uimodel {

enum class TMenuEffect {
  Nothing,
  Repaint,     // only the looks changed
  OpenPopup,   // open (or re-open) the popup of the hot entry or the hot item's sub-menu
  ClosePopup,  // hide the open child popup: the hot one has no children
  CloseAll,    // close all menus
  Perform,     // perform the hot item (popups only)
};

// The bar's entries: hot (highlighted, its popup open or about to), active (set by a press; while set, moving
// along the bar switches popups).
class TBarMenuState {
 public:
  int Hot() const { return HotEntry; }
  int Active() const { return ActiveEntry; }
  bool IsPressed(int entry) const { return entry >= 0 && entry == ActiveEntry && ButtonDown; }

  // entry −1: outside all entries.
  TMenuEffect Press(int entry);
  TMenuEffect Release(int entry, bool entryHasChildren);
  // Mouse moves are ignored while a picker or context window is open.
  TMenuEffect Move(int entry, bool pickerOpen, bool entryHasChildren);
  // The entry becomes active and hot (Repaint; the window opens the context window or the icon picker), or
  // CloseAll outside the entries.
  TMenuEffect RightRelease(int entry);
  // UM_SELECT_AT: a press and release when nothing is active, else a switch to the entry.
  TMenuEffect SelectAt(int entry, bool entryHasChildren);
  // A key selected an entry.
  void setHot(int entry);
  void CloseAll();

 private:
  int HotEntry = -1;
  int ActiveEntry = -1;
  bool ButtonDown = false;
};

// One popup's rows: hot (under the mouse or chosen by key) and pressed (left button down on it).
class TPopupMenuState {
 public:
  int Hot() const { return HotRow; }
  int Pressed() const { return PressedRow; }

  // row −1: no row under the mouse; the hot row then stays, so that crossing the frame towards a child popup
  // keeps it open. OpenPopup when the hot row changed to one with children, ClosePopup when it changed to one
  // without; Nothing when it did not change.
  TMenuEffect Move(int row, bool rowHasChildren);
  TMenuEffect Press(int row);
  // Inside the client area: Perform when a row was pressed; the row under the mouse (when there is one) is
  // hot, and the window opens its sub-menu before performing it. Outside: Repaint when a row was pressed.
  TMenuEffect Release(int row, bool inside);
  void setHot(int row);
  void Clear();

 private:
  int HotRow = -1;
  int PressedRow = -1;
};

}  // namespace tolvane::uimodel
