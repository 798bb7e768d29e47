#pragma once
// The Create Shortcut dialog's portable rules: when "Create" may be pressed, the command line a link starts
// the program with, the name a new link gets beside existing ones, the whole run over the chosen
// destinations with its one message, the file choices, and where the controls go.

#include <string>
#include <string_view>
#include <vector>

#include "common/Geometry.h"
#include "platform/Filedialogs.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "storage/Globals.h"
#include "uimodel/Anchorlayout.h"

namespace tolvane::uimodel {

// The dialog's control ids, also for finding the controls from outside. The labels and the help link are
// painted; their ids name layout nodes only.
namespace shortcutcontrol {
inline constexpr int EdShortcutName = 201;
inline constexpr int EdCustomShortcut = 202;
inline constexpr int ButBrowseFolder = 203;
inline constexpr int EdIniFile = 204;
inline constexpr int ButIniFile = 205;
inline constexpr int EdTvXmlFile = 206;
inline constexpr int ButTvXmlFile = 207;
inline constexpr int CbxDesktop = 208;
inline constexpr int CbxStartFolder = 209;
inline constexpr int CbxStartMenuTolvane = 210;
inline constexpr int ButCreate = 211;
inline constexpr int ButCancel = 212;
inline constexpr int LblShortcutName = 220;
inline constexpr int LblCustomShortcut = 221;
inline constexpr int LblIniFile = 222;
inline constexpr int LblTvXmlFile = 223;
inline constexpr int LblHelp = 224;
}  // namespace shortcutcontrol

// What the dialog's controls hold.
struct TShortcutFields {
  std::u16string Name;
  std::u16string CustomFolder;
  std::u16string IniFile;
  std::u16string MenuFile;
  bool Desktop = false;
  bool Startup = false;
  bool StartMenu = false;

  bool operator==(const TShortcutFields&) const = default;
};

// The opening values: the active menu file's name without folder and extension, the settings file in use
// and the active menu file; no destination chosen.
TShortcutFields InitialShortcutFields(const storage::TSettings& settings);

// A name is needed, and a destination: a checked box, or a custom folder that exists.
bool CanCreateShortcut(const TShortcutFields& fields, platform::IFiles& files);

// One argument in double quotes, so that the system's command-line splitting gives it back unchanged: the
// backslashes before a quote (an embedded one, or the closing one) are doubled and embedded quotes escaped;
// other backslashes stay as they are.
std::u16string QuoteArgument(std::u16string_view argument);
// "-i" + the settings file and "-m" + the menu file, each quoted as a whole, the empty ones left out.
std::u16string ShortcutArguments(std::u16string_view iniFile, std::u16string_view menuFile);

// folder\name.lnk, or folder\name(n).lnk with the first n from 1 on that names nothing yet.
std::u16string FreeLinkFile(platform::IFiles& files, std::u16string_view folder, std::u16string_view name);

enum class TShortcutEnd {
  Ok,        // every link was written, or at least one of several
  Cancel,    // every attempt failed
  StayOpen,  // nothing was attempted: the only destination, a custom folder, is gone
};

struct TShortcutRun {
  TShortcutEnd End = TShortcutEnd::StayOpen;
  std::vector<std::u16string> Written;   // link files, in the order of the destinations
  std::vector<std::u16string> Failures;  // the link file, or the folder that could not be made
};

// Writes one link per chosen destination (desktop, Startup, the program's Start Menu folder, the custom
// folder), each starting this program with the files, and shows one error box listing every failure.
TShortcutRun CreateShortcuts(const TShortcutFields& fields, const platform::TServices& services,
                             platform::TWindowHandle owner);

enum class TShortcutFileKind { Settings, Menu };

// The open dialog for a file box: it starts at the box's file, offers the kind's files, and the file must
// exist.
platform::TFileDialogRequest ShortcutFileRequest(TShortcutFileKind kind, std::u16string_view current,
                                                 platform::TWindowHandle owner);
// The chosen file with the kind's extension appended when it has another one.
std::u16string ShortcutFileChosen(TShortcutFileKind kind, std::u16string_view chosen);

// The dialog's frame on the screen: centred on the main window and kept on the work area. Over the bar, which
// is far shorter than the dialog, it is centred vertically in the work area instead of hiding the bar.
TRect ShortcutDialogBounds(const TRect& owner, TSize size, const TRect& workArea);

// The dialog's client size and controls at 144 ppi; the buttons stay at the bottom right.
TLayout ShortcutDialogLayout();
std::u16string_view ShortcutDialogLabel(int id);

}  // namespace tolvane::uimodel
