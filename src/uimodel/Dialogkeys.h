#pragma once
// What the dialog keys do in the program's modal windows: Tab and Shift+Tab walk the tab stops, the arrow
// keys walk the buttons of a group, Enter clicks the focused push button or else the default one (unless the
// focused control takes Enter itself), Esc cancels. Keys a control wants for itself stay with it.

#include <span>

namespace tolvane::uimodel {

enum class TDialogKey { Tab, ShiftTab, Left, Up, Right, Down, Enter, Escape, Other };

// One control of the dialog, in tab order.
struct TFocusStop {
  bool TabStop = false;
  bool Usable = true;       // visible and enabled
  bool GroupStart = false;  // begins a group of controls the arrow keys walk
  bool Button = false;      // a push button: arrow keys move between buttons, Enter clicks it
  bool WantsArrows = false;
  bool WantsTab = false;
  bool WantsEnter = false;  // a multi-line edit
};

struct TDialogKeyAction {
  enum TKind {
    Pass,          // the focused control gets the key
    Focus,         // move the focus to Target
    ClickDefault,  // click the default button
    ClickFocused,  // click the focused push button (Target)
    Cancel,        // the dialog's cancel action
  };
  TKind Kind = Pass;
  int Target = -1;

  bool operator==(const TDialogKeyAction&) const = default;
};

// focused is the index of the focused control, or -1.
TDialogKeyAction DialogKeyAction(std::span<const TFocusStop> stops, int focused, TDialogKey key);

}  // namespace tolvane::uimodel
