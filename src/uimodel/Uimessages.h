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

// UM_ITEM_COMMAND codes.
inline constexpr int ItemCommandInsertBefore = 102;
inline constexpr int ItemCommandInsertAfter = 103;
inline constexpr int ItemCommandInsertAsSubMenu = 104;
inline constexpr int ItemCommandEdit = 105;
inline constexpr int ItemCommandSaveBranch = 108;

// UM_EXECUTE_ITEM's wParam is the item actions' modifier mask (actions::ModifierCtrl and the others).

}  // namespace tolvane::uimodel
