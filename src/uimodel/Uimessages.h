#pragma once
// The program's own window messages, based on WM_APP (0x8000). The main window and the menu windows share
// the numbers; what each does is said where it is handled.

#include <cstdint>

namespace tolvane::uimodel {

inline constexpr std::uint32_t UM_TITLE_NUMBER = 0x8065;    // wParam: number appended to the caption
inline constexpr std::uint32_t UM_SET_ICON = 0x8066;        // wParam: icon index for the edited item
inline constexpr std::uint32_t UM_REPAINT_MENU = 0x8067;    // menu windows repaint
inline constexpr std::uint32_t UM_ITEM_COMMAND = 0x8068;    // wParam: command code, lParam: item
inline constexpr std::uint32_t UM_EXECUTE_ITEM = 0x8069;    // wParam: modifier mask, lParam: item
inline constexpr std::uint32_t UM_RELEASE_WINDOW = 0x806A;  // lParam: the finished window object
inline constexpr std::uint32_t UM_REOPEN_MENU = 0x806B;     // reopen the hot item's popup
inline constexpr std::uint32_t UM_CLOSE_LEVEL = 0x806C;     // lParam: the popup to close with those below
inline constexpr std::uint32_t UM_MENU_KEY = 0x806D;        // wParam: virtual key, lParam: 1 with Ctrl
inline constexpr std::uint32_t UM_SELECT_AT = 0x806E;       // lParam: x | (y << 16) in client pixels
inline constexpr std::uint32_t UM_REFRESH_FILES = 0x8070;   // rebuild the "Menu Files" sub-menu
// wParam: the entry or row whose default action assistive technology asked for; posted so that it runs
// after the accessibility call has returned.
inline constexpr std::uint32_t UM_ACCESS_ACTION = 0x8075;

// UM_ITEM_COMMAND codes.
inline constexpr int ItemCommandInsertBefore = 102;
inline constexpr int ItemCommandInsertAfter = 103;
inline constexpr int ItemCommandInsertAsSubMenu = 104;
inline constexpr int ItemCommandEdit = 105;
inline constexpr int ItemCommandSaveBranch = 108;

// UM_EXECUTE_ITEM's wParam is the item actions' modifier mask (actions::ModifierCtrl and the others).

}  // namespace tolvane::uimodel

namespace tolvane::uimodel {

// The main window answers this registered message from any process, so tests and benchmarks can wait for a
// state instead of sleeping. wParam is a TProbe; the answer is the LRESULT.
inline constexpr const char16_t* ProbeMessageName = u"Tolvane.Probe";

enum class TProbe : std::uint32_t {
  MenuReady = 1,         // 1 once the second start-up tick has run
  ItemCount = 2,         // items of the loaded menu below the root, the program's own commands left out
  MenuModified = 3,      // 1 while the menu has unsaved changes
  EditorMode = 4,        // 1 while the window is taller than a menu row (editor mode)
  HistoryEntry = 5,      // lParam: index 0 … 3 into the foreground history; the window handle or 0
  MenuFileReadOnly = 6,  // 1 while the loaded menu file cannot be written
  DialogOpen = 7,        // 1 while a modal dialog of the main window is open
  LoadCount = 8,         // menu files loaded since start (not appended); grows by one per load or reload
  BarHidden = 9,         // 1 while auto-hide keeps the bar above the work area
  PopupLevels = 10,      // popups shown in the chain below the bar
  HotRow = 11,           // lParam: level 0 = the bar, 1 … the popups; its hot entry or row, or −1
  KeyTargetLevel = 12,   // level of the window that takes the menu keys: 0 the bar, 1 … a popup, −1 none
  EntryBounds = 13,      // lParam: bar entry index; its screen left | right << 16, or −1
  RowCount = 14,         // lParam: popup level 1 …; rows of its menu, or −1
  NodeCentre = 15,       // lParam: editor tree node in tree order, 0 the root; its caption's middle on the
                         // screen, x | y << 16, or −1 while it is not shown
  TreeNodeCount = 16,    // nodes in the editor's tree, the root included; 0 in menu mode, which empties it
  PickersOpened = 17,    // icon pickers opened over menu rows since start, closed ones included
};

}  // namespace tolvane::uimodel
