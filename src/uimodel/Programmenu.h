#pragma once
// The program's own command menu: the children of the program item (type 50, the bar's first entry) with
// their captions, shortcut texts, command codes (the item's type) and built-in glyphs, and the "Menu Files"
// sub-menu of recent files. Items of these types are never saved.

#include <string_view>

#include "platform/Files.h"
#include "platform/Locale.h"
#include "storage/Globals.h"
#include "storage/Item.h"

namespace tolvane::uimodel {

// Command codes: an item's type is the character code of its command.
namespace command {
inline constexpr int ProgramItem = 50;
inline constexpr int MenuFiles = '4';
inline constexpr int NewFile = '5';
inline constexpr int OpenFile = '6';
inline constexpr int Save = '7';
inline constexpr int SaveAs = '8';
inline constexpr int Reload = '9';
inline constexpr int RecentFile = ':';
inline constexpr int Settings = ';';
inline constexpr int MenuSettings = '<';
inline constexpr int ProgramSettings = '=';
inline constexpr int ActivateEditor = '>';
inline constexpr int AppendFile = '?';
inline constexpr int Search = '@';
inline constexpr int CreateShortcut = 'A';
inline constexpr int Help = 'B';
inline constexpr int HelpGeneral = 'C';
inline constexpr int HelpMacro = 'D';
inline constexpr int HelpModifier = 'E';
inline constexpr int HelpPageF = 'F';
inline constexpr int HelpPageG = 'G';
inline constexpr int HelpPageO = 'O';
inline constexpr int About = 'Z';
inline constexpr int Exit = '[';
// Types above this do nothing when picked.
inline constexpr int LastCommand = 100;
}  // namespace command

inline constexpr std::u16string_view ProgramItemCaption = u"Tolvane";

// A new program item (type 50, "Tolvane") without children.
std::unique_ptr<storage::TItem> NewProgramItem();
// Replaces the program item's children with the whole command table.
void BuildProgramCommands(storage::TItem& programItem);
// The "Menu Files" item under the program item; null when there is none.
storage::TItem* MenuFilesItem(storage::TItem& programItem);
// One entry per recent file (code ':', no glyph, the caption its name, the item's File its path).
void FillMenuFiles(storage::TItem& menuFiles, const storage::TQxMruList& recentFiles);
// Picking "Menu Files": validates the list, adds every menu file of the working folder and the active file,
// and builds the sub-menu again.
void RefreshMenuFiles(storage::TItem& menuFiles, storage::TSettings& settings, platform::IFiles& files,
                      platform::ILocale& locale);

}  // namespace tolvane::uimodel
