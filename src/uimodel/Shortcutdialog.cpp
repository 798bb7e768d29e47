#include "uimodel/Shortcutdialog.h"

#include <optional>
#include <string>
#include <utility>

#include "common/Asciicase.h"
#include "common/Unicode.h"
#include "storage/Pathnames.h"
#include "uimodel/Msgboxlayout.h"

namespace tolvane::uimodel {
namespace {

namespace id = shortcutcontrol;
using platform::TKnownFolder;

constexpr std::u16string_view kLinkExtension = u".lnk";
constexpr std::u16string_view kStartMenuFolder = u"Tolvane";
constexpr std::u16string_view kDescriptionLeadIn = u"Shortcut to ";
constexpr std::u16string_view kErrorCaption = u"File Error";
constexpr std::u16string_view kOneFailure = u"Could Not Create this ShortcutFile";
constexpr std::u16string_view kFailures = u"Could Not Create these ShortcutFiles";

// The folder with a backslash behind it; a path that already ends in either separator keeps it.
std::u16string WithSeparator(std::u16string_view folder) {
  std::u16string path(folder);
  if (!path.empty() && path.back() != u'\\' && path.back() != u'/')
    path += u'\\';
  return path;
}

std::u16string_view FolderWords(TKnownFolder folder) {
  switch (folder) {
    case TKnownFolder::Desktop:
      return u"Desktop";
    case TKnownFolder::Startup:
      return u"Startup";
    case TKnownFolder::StartMenu:
      return u"Start Menu";
    case TKnownFolder::RoamingAppData:
      break;
  }
  return u"application data";
}

class TShortcutWriter {
 public:
  TShortcutWriter(const TShortcutFields& fields, const platform::TServices& services)
      : Fields(fields),
        Services(services),
        Arguments(ShortcutArguments(fields.IniFile, fields.MenuFile)),
        Program(services.Program.ExecutablePath()) {}

  void IntoKnownFolder(TKnownFolder folder) {
    const std::optional<std::u16string> path = Services.KnownFolders.Path(folder);
    // Without the folder the link would land wherever the working folder happens to be.
    if (!path || path->empty()) {
      Fail(u"(no " + std::u16string(FolderWords(folder)) + u" folder)\\" + Fields.Name +
           std::u16string(kLinkExtension));
      return;
    }
    IntoFolder(*path);
  }

  void IntoStartMenu() {
    const std::optional<std::u16string> startMenu = Services.KnownFolders.Path(TKnownFolder::StartMenu);
    if (!startMenu || startMenu->empty()) {
      IntoKnownFolder(TKnownFolder::StartMenu);
      return;
    }
    const std::u16string folder = WithSeparator(*startMenu) + std::u16string(kStartMenuFolder);
    // Made on first use; not for a link that could not be written anyway.
    if (!Arguments.empty() && !Services.Files.FolderExists(folder) && !Services.Files.CreateFolder(folder)) {
      Fail(folder);
      return;
    }
    IntoFolder(folder);
  }

  void IntoFolder(std::u16string_view folder) {
    const std::u16string file = FreeLinkFile(Services.Files, folder, Fields.Name);
    // A link without arguments would start the program on its defaults, not on the chosen files.
    if (Arguments.empty()) {
      Fail(file);
      return;
    }
    const platform::TShellLink link{Program, Arguments, std::u16string(kDescriptionLeadIn) + Fields.Name,
                                    Program, 0};
    ++Attempts;
    if (Services.ShellLinks.Create(link, file)) {
      Result.Written.push_back(file);
    } else {
      Result.Failures.push_back(file);
    }
  }

  TShortcutRun Finish() {
    if (Attempts == 0) {
      Result.End = TShortcutEnd::StayOpen;
    } else if (Result.Failures.empty()) {
      Result.End = TShortcutEnd::Ok;
    } else {
      Result.End = Result.Written.empty() ? TShortcutEnd::Cancel : TShortcutEnd::Ok;
    }
    return std::move(Result);
  }

 private:
  void Fail(std::u16string path) {
    ++Attempts;
    Result.Failures.push_back(std::move(path));
  }

  const TShortcutFields& Fields;
  const platform::TServices& Services;
  const std::u16string Arguments;
  const std::u16string Program;
  int Attempts = 0;
  TShortcutRun Result;
};

}  // namespace

TShortcutFields InitialShortcutFields(const storage::TSettings& settings) {
  TShortcutFields fields;
  fields.Name = std::u16string(storage::RemoveExtension(storage::ExtractFileName(settings.ActiveFile)));
  fields.IniFile = settings.IniFileName;
  fields.MenuFile = settings.ActiveFile;
  return fields;
}

bool CanCreateShortcut(const TShortcutFields& fields, platform::IFiles& files) {
  if (fields.Name.empty())
    return false;
  if (fields.Desktop || fields.Startup || fields.StartMenu)
    return true;
  return !fields.CustomFolder.empty() && files.FolderExists(fields.CustomFolder);
}

std::u16string QuoteArgument(std::u16string_view argument) {
  std::u16string quoted = u"\"";
  std::size_t backslashes = 0;
  for (const char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') {
      // Each backslash before a quote is doubled and the quote itself escaped.
      quoted.append(2 * backslashes + 1, u'\\');
    } else {
      quoted.append(backslashes, u'\\');
    }
    backslashes = 0;
    quoted += c;
  }
  // The closing quote must not be escaped by the backslashes in front of it.
  quoted.append(2 * backslashes, u'\\');
  quoted += u'"';
  return quoted;
}

std::u16string ShortcutArguments(std::u16string_view iniFile, std::u16string_view menuFile) {
  std::u16string arguments;
  if (!iniFile.empty())
    arguments = QuoteArgument(u"-i" + std::u16string(iniFile));
  if (!menuFile.empty()) {
    if (!arguments.empty())
      arguments += u' ';
    arguments += QuoteArgument(u"-m" + std::u16string(menuFile));
  }
  return arguments;
}

std::u16string FreeLinkFile(platform::IFiles& files, std::u16string_view folder, std::u16string_view name) {
  const std::u16string base = WithSeparator(folder) + std::u16string(name);
  const auto taken = [&](const std::u16string& path) {
    return files.FileExists(path) || files.FolderExists(path);
  };
  std::u16string file = base + std::u16string(kLinkExtension);
  for (int n = 1; taken(file); ++n)
    file = base + u"(" + U16(std::to_string(n)) + u")" + std::u16string(kLinkExtension);
  return file;
}

TShortcutRun CreateShortcuts(const TShortcutFields& fields, const platform::TServices& services,
                             platform::TWindowHandle owner) {
  TShortcutWriter writer(fields, services);
  if (fields.Desktop)
    writer.IntoKnownFolder(TKnownFolder::Desktop);
  if (fields.Startup)
    writer.IntoKnownFolder(TKnownFolder::Startup);
  if (fields.StartMenu)
    writer.IntoStartMenu();
  if (!fields.CustomFolder.empty() && services.Files.FolderExists(fields.CustomFolder))
    writer.IntoFolder(fields.CustomFolder);
  TShortcutRun run = writer.Finish();
  if (!run.Failures.empty()) {
    std::u16string text(run.Failures.size() == 1 ? kOneFailure : kFailures);
    text += u"\r\n";
    for (const std::u16string& failure : run.Failures)
      text += u"\r\n" + failure;
    (void)platform::ShowMessageBox(services.MessageBox, kErrorCaption, text, platform::TMsgKind::Error,
                                   platform::msgbutton::Ok, owner);
  }
  return run;
}

platform::TFileDialogRequest ShortcutFileRequest(TShortcutFileKind kind, std::u16string_view current,
                                                 platform::TWindowHandle owner) {
  platform::TFileDialogRequest request;
  request.Owner = owner;
  if (kind == TShortcutFileKind::Menu) {
    request.Filters = {{u"Tolvane files (*.TvXml)", u"*.tvxml"}};
  } else {
    request.Filters = {{u"Tolvane settings files (*.Ini)", u"*.ini"}};
  }
  request.InitialFolder = std::u16string(storage::ExtractFilePath(current));
  request.InitialFileName = std::u16string(storage::ExtractFileName(current));
  request.FileMustExist = true;
  return request;
}

std::u16string ShortcutFileChosen(TShortcutFileKind kind, std::u16string_view chosen) {
  const std::u16string_view extension = kind == TShortcutFileKind::Menu ? u".TvXml" : u".Ini";
  std::u16string file(chosen);
  const std::u16string_view name = storage::ExtractFileName(chosen);
  const std::size_t dot = name.rfind(u'.');
  const std::u16string_view present = dot == std::u16string_view::npos ? u"" : name.substr(dot);
  const auto lower = [](std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& c : folded)
      c = AsciiLower(c);
    return folded;
  };
  if (lower(present) != lower(extension))
    file += extension;
  return file;
}

TRect ShortcutDialogBounds(const TRect& owner, TSize size, const TRect& workArea) {
  TRect reference = owner.Empty() ? workArea : owner;
  if (reference.Height() < size.Height) {
    reference.Top = workArea.Top;
    reference.Bottom = workArea.Bottom;
  }
  return MoveIntoWorkArea(CentredOn(reference, size), workArea);
}

TLayout ShortcutDialogLayout() {
  TLayout layout;
  layout.DesignClient = TSize{840, 590};
  const TAnchors wide{true, true, true, false};
  const TAnchors right{false, true, true, false};
  const TAnchors bottomRight{false, false, true, true};
  const TAnchors bottomLeft{true, false, false, true};
  const int labels[] = {id::LblShortcutName, id::LblCustomShortcut, id::LblIniFile, id::LblTvXmlFile};
  const int edits[] = {id::EdShortcutName, id::EdCustomShortcut, id::EdIniFile, id::EdTvXmlFile};
  const int buttons[] = {0, id::ButBrowseFolder, id::ButIniFile, id::ButTvXmlFile};
  for (int row = 0; row < 4; ++row) {
    const int top = 18 + row * 89;
    layout.Nodes.push_back(AnchorNode(labels[row], TRect{24, top, 816, top + 30}, wide));
    const int editRight = buttons[row] == 0 ? 816 : 756;
    layout.Nodes.push_back(AnchorNode(edits[row], TRect{24, top + 32, editRight, top + 71}, wide));
    if (buttons[row] != 0)
      layout.Nodes.push_back(AnchorNode(buttons[row], TRect{766, top + 32, 816, top + 71}, right));
  }
  const int boxes[] = {id::CbxDesktop, id::CbxStartFolder, id::CbxStartMenuTolvane};
  for (int row = 0; row < 3; ++row) {
    const int top = 380 + row * 42;
    layout.Nodes.push_back(AnchorNode(boxes[row], TRect{24, top, 600, top + 36}));
  }
  layout.Nodes.push_back(AnchorNode(id::LblHelp, TRect{24, 520, 84, 566}, bottomLeft));
  layout.Nodes.push_back(AnchorNode(id::ButCreate, TRect{456, 520, 626, 566}, bottomRight));
  layout.Nodes.push_back(AnchorNode(id::ButCancel, TRect{646, 520, 816, 566}, bottomRight));
  return layout;
}

std::u16string_view ShortcutDialogLabel(int control) {
  switch (control) {
    case id::LblShortcutName:
      return u"Shortcut Name:";
    case id::LblCustomShortcut:
      return u"Custom Directory:";
    case id::LblIniFile:
      return u"Inifile  (.Ini):";
    case id::LblTvXmlFile:
      return u"Tolvane file  (.TvXml):";
    case id::LblHelp:
      return u" ? ";
    case id::CbxDesktop:
      return u"On the Desktop";
    case id::CbxStartFolder:
      return u"In the Start Menu \\ Start Up";
    case id::CbxStartMenuTolvane:
      return u"In the Start Menu \\ Tolvane";
    case id::ButCreate:
      return u"Create";
    case id::ButCancel:
      return u"Cancel";
    case id::ButBrowseFolder:
    case id::ButIniFile:
    case id::ButTvXmlFile:
      return u"...";
    default:
      return u"";
  }
}

}  // namespace tolvane::uimodel
