#pragma once
// The main window's actions: their shortcuts, captions and hints, the program-menu command that runs each,
// and which of them act on the hot menu item instead of the tree while the bar is in menu mode.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tolvane::uimodel {

enum class TMainAction {
  None,
  EditOpenAndClose,
  NewFile,
  OpenFile,
  AppendFile,
  ReloadFile,
  SaveMenu,
  SaveMenuAs,
  SaveBranchToFile,
  InsertBefore,
  CtrlInsertBefore,
  InsertAsSubMenu,
  CtrlInsertAsSubMenu,
  InsertAfter,
  CtrlInsertAfter,
  DeleteItem,
  OpenSettingsMenu,
  OpenSettingsProg,
  Search,
  EditItem,
  RepeatPreviousAction,
  CreateShortcut,
  Help,
  About,
  Exit,
  // The commands of the program menu that are no shortcut actions.
  RefreshMenuFiles,
  OpenRecentFile,
  HelpModifier,
  HelpMacro,
  HelpPageF,
  HelpPageG,
  HelpPageO,
};

struct TKeyChord {
  std::uint16_t Key = 0;  // virtual key; 0 for none
  bool Ctrl = false;
  bool Shift = false;
  bool Alt = false;

  bool operator==(const TKeyChord&) const = default;
};

struct TMainActionInfo {
  TMainAction Action = TMainAction::None;
  std::u16string_view Name;
  std::u16string_view Caption;
  std::u16string_view Hint;
  TKeyChord ShortCut;
};

// The action's entry of the action list; a command without a list entry has an empty name and no shortcut.
const TMainActionInfo& ActionInfo(TMainAction action);

// The action whose shortcut the chord is, or None.
TMainAction ActionForKey(const TKeyChord& chord);

// The action a program-menu item of this command code runs, or None (the sub-menu headers, unknown codes).
TMainAction ActionForCommand(int code);

// In menu mode these actions leave the tree alone and pass their function key to the hot menu item (F8 edit,
// F9 insert before, F10 as sub-menu, F11 after); nullopt for every other action.
std::optional<std::uint16_t> MenuModeKey(TMainAction action);

// The window's own keys in menu mode, before the shortcuts: Esc closes every menu, Ctrl+A appends a file.
enum class TMenuModeKey { None, CloseMenus, AppendFile };
TMenuModeKey MenuModeOwnKey(const TKeyChord& chord);

}  // namespace tolvane::uimodel
