#include "uimodel/Mainactions.h"

#include <array>

#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {

namespace {

namespace key {
constexpr std::uint16_t Escape = 0x1B;
constexpr std::uint16_t A = 0x41;
constexpr std::uint16_t B = 0x42;
constexpr std::uint16_t F = 0x46;
constexpr std::uint16_t N = 0x4E;
constexpr std::uint16_t O = 0x4F;
constexpr std::uint16_t Q = 0x51;
constexpr std::uint16_t S = 0x53;
constexpr std::uint16_t F1 = 0x70;
constexpr std::uint16_t F3 = 0x72;
constexpr std::uint16_t F4 = 0x73;
constexpr std::uint16_t F5 = 0x74;
constexpr std::uint16_t F6 = 0x75;
constexpr std::uint16_t F7 = 0x76;
constexpr std::uint16_t F8 = 0x77;
constexpr std::uint16_t F9 = 0x78;
constexpr std::uint16_t F10 = 0x79;
constexpr std::uint16_t F11 = 0x7A;
constexpr std::uint16_t F12 = 0x7B;
}  // namespace key

constexpr TKeyChord Plain(std::uint16_t virtualKey) {
  TKeyChord chord;
  chord.Key = virtualKey;
  return chord;
}

constexpr TKeyChord Ctrl(std::uint16_t virtualKey) {
  TKeyChord chord = Plain(virtualKey);
  chord.Ctrl = true;
  return chord;
}

constexpr TKeyChord Alt(std::uint16_t virtualKey) {
  TKeyChord chord = Plain(virtualKey);
  chord.Alt = true;
  return chord;
}

using A = TMainAction;

// The action list. The hints keep their blanks: they are shown as they stand.
constexpr std::array<TMainActionInfo, 24> Actions{{
    {A::EditOpenAndClose, u"ActEditOpenAndClose", u"Activate Editor", u"", Plain(key::F12)},
    {A::NewFile, u"ActNewTolvaneFile", u"New Tolvane File", u" Create a brand new empty Tolvane file ",
     Ctrl(key::N)},
    {A::OpenFile, u"ActOpenTolvaneFile", u"Open Tolvane File", u" browse to find and open another menu file ",
     Ctrl(key::O)},
    {A::AppendFile, u"ActAppendTolvaneFile", u"Append Tolvane File",
     u" Keep the current menufile open and add a new one to the end of it ", Ctrl(key::B)},
    {A::ReloadFile, u"ActReloadTolvaneFile", u"Reload Tolvane File",
     u" Reload the current file, discarding all changes made since loading the file ", Plain(key::F5)},
    {A::SaveMenu, u"ActSaveMenu", u"Save", u" Saves the menu whether it needs to or not ", Ctrl(key::S)},
    {A::SaveMenuAs, u"ActSaveMenuAs", u"Save As", u" Save the whole menu to a new filename ", Plain(key::F6)},
    {A::SaveBranchToFile, u"ActSaveBranchToFile", u"Save Branch To File", u"", TKeyChord{}},
    {A::InsertBefore, u"ActInsertBefore", u"Insert New Item Before Selected", u"", Plain(key::F9)},
    {A::CtrlInsertBefore, u"ActCtrlInsertBefore", u"Insert New Item Before Selected", u"", Ctrl(key::F9)},
    {A::InsertAsSubMenu, u"ActInserAsSubMenu", u"Add New As Submenu", u"", Plain(key::F10)},
    {A::CtrlInsertAsSubMenu, u"ActCtrlInserAsSubMenu", u"Add New As Submenu", u"", Ctrl(key::F10)},
    {A::InsertAfter, u"ActInsertAfter", u"Insert New Item After Selected", u"", Plain(key::F11)},
    {A::CtrlInsertAfter, u"ActCtrlInsertAfter", u"Insert New Item After Selected", u"", Ctrl(key::F11)},
    {A::DeleteItem, u"ActDeleteItem", u"Delete Selected Item",
     u" Delete Selected Item (Del) \r\n Delete Selected Item No Questions Asked (Shift+Del) ", TKeyChord{}},
    {A::OpenSettingsMenu, u"ActOpenSettingsMenu", u"Open Settings", u"", Plain(key::F7)},
    {A::OpenSettingsProg, u"ActOpenSettingsProg", u"Open Program Settings", u"", Plain(key::F3)},
    {A::Search, u"ActSearch", u"Search", u"", Ctrl(key::F)},
    {A::EditItem, u"ActEditItem", u"Edit Item", u"", Plain(key::F8)},
    {A::RepeatPreviousAction, u"ActRepeatPreviousAction", u"", u"", Ctrl(key::Q)},
    {A::CreateShortcut, u"ActCreateShortcut", u"Create Shortcut", u"", TKeyChord{}},
    {A::Help, u"ActHelp", u"Help", u"", Plain(key::F1)},
    {A::About, u"ActAbout", u"About", u"", TKeyChord{}},
    {A::Exit, u"", u"Exit", u"", Alt(key::F4)},
}};

constexpr TMainActionInfo NoAction{};

struct TCommandAction {
  int Code;
  TMainAction Action;
};

constexpr std::array<TCommandAction, 22> Commands{{
    {command::NewFile, A::NewFile},
    {command::OpenFile, A::OpenFile},
    {command::AppendFile, A::AppendFile},
    {command::MenuFiles, A::RefreshMenuFiles},
    {command::Save, A::SaveMenu},
    {command::SaveAs, A::SaveMenuAs},
    {command::Reload, A::ReloadFile},
    {command::RecentFile, A::OpenRecentFile},
    {command::MenuSettings, A::OpenSettingsMenu},
    {command::ProgramSettings, A::OpenSettingsProg},
    {command::ActivateEditor, A::EditOpenAndClose},
    {command::Search, A::Search},
    {command::CreateShortcut, A::CreateShortcut},
    {command::Help, A::Help},
    {command::HelpGeneral, A::Help},
    {command::HelpModifier, A::HelpModifier},
    {command::HelpMacro, A::HelpMacro},
    {command::HelpPageF, A::HelpPageF},
    {command::HelpPageG, A::HelpPageG},
    {command::HelpPageO, A::HelpPageO},
    {command::About, A::About},
    {command::Exit, A::Exit},
}};

}  // namespace

const TMainActionInfo& ActionInfo(TMainAction action) {
  for (const TMainActionInfo& info : Actions)
    if (info.Action == action)
      return info;
  return NoAction;
}

TMainAction ActionForKey(const TKeyChord& chord) {
  if (chord.Key == 0)
    return A::None;
  for (const TMainActionInfo& info : Actions)
    if (info.ShortCut == chord)
      return info.Action;
  return A::None;
}

TMainAction ActionForCommand(int code) {
  for (const TCommandAction& entry : Commands)
    if (entry.Code == code)
      return entry.Action;
  return A::None;
}

std::optional<std::uint16_t> MenuModeKey(TMainAction action) {
  switch (action) {
    case A::EditItem:
      return key::F8;
    case A::InsertBefore:
    case A::CtrlInsertBefore:
      return key::F9;
    case A::InsertAsSubMenu:
    case A::CtrlInsertAsSubMenu:
      return key::F10;
    case A::InsertAfter:
    case A::CtrlInsertAfter:
      return key::F11;
    default:
      return std::nullopt;
  }
}

TMenuModeKey MenuModeOwnKey(const TKeyChord& chord) {
  if (chord == Plain(key::Escape))
    return TMenuModeKey::CloseMenus;
  if (chord == Ctrl(key::A))
    return TMenuModeKey::AppendFile;
  return TMenuModeKey::None;
}

}  // namespace tolvane::uimodel
