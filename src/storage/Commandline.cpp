#include "storage/Commandline.h"

#include <utility>

#include "common/Asciicase.h"
#include "storage/Pathnames.h"

namespace tolvane::storage {
namespace {

constexpr std::u16string_view CreateErrorCaption = u"Error creating ini file";
constexpr std::u16string_view CreateErrorLeadIn = u"The System say:\r\n";
constexpr std::u16string_view LoadErrorCaption = u"Error Loading Settings";
constexpr std::u16string_view FindErrorCaption = u"Error !!";
constexpr std::u16string_view FileLeadIn = u"The File is:\r\n";
constexpr std::u16string_view MessageLeadIn = u"The message is:\r\n";
constexpr std::u16string_view NoAppDataFolder = u"The system has no roaming application data folder.";
constexpr std::u16string_view LineBreak = u"\r\n";
constexpr std::u16string_view CharactersNotInNames = u"\"*/:<>?\\|";

std::u16string_view TrimOptionValue(std::u16string_view text) {
  std::size_t start = 0;
  std::size_t end = text.size();
  while (start < end && text[start] <= 32)
    ++start;
  while (end > start && text[end - 1] <= 32)
    --end;
  return text.substr(start, end - start);
}

std::u16string CleanBaseName(std::u16string_view value) {
  std::u16string name;
  for (const char16_t c : value) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    if (!control && CharactersNotInNames.find(c) == std::u16string_view::npos)
      name.push_back(c);
  }
  return name;
}

bool EnsureFolder(platform::IFiles& files, std::u16string_view folder) {
  return folder.empty() || files.FolderExists(folder) || files.CreateFolder(folder);
}

// Creating the file and removing it again proves that it can be written later.
bool ProveWritable(platform::IFiles& files, std::u16string_view path) {
  auto writer = files.Create(path);
  if (!writer)
    return false;
  (void)writer->Close();
  writer.reset();
  (void)files.Delete(path);
  return true;
}

void ReportFileProblem(const TSettingsServices& services, std::u16string_view name,
                       std::u16string_view message) {
  ShowSettingsError(services.MessageBox, LoadErrorCaption,
                    std::u16string(FileLeadIn) + std::u16string(name) + std::u16string(LineBreak) +
                        std::u16string(MessageLeadIn) + std::u16string(message));
}

void ApplyOption(TSettings& settings, const TSettingsServices& services, char16_t option,
                 std::u16string_view value) {
  switch (option) {
    case u'i':
      if (std::optional<std::u16string> file = ResolveOptionFile(services, value, IniExtension))
        settings.IniFileName = std::move(*file);
      break;
    case u'm':
      if (std::optional<std::u16string> file = ResolveOptionFile(services, value, TvXmlExtension))
        settings.ActiveFile = std::move(*file);
      break;
    case u'n':
      settings.BaseName = CleanBaseName(value);
      break;
    case u'p':
      // A folder that cannot be made is reported by FindIniFile, which needs it.
      (void)EnsureFolder(services.Files, value);
      settings.WorkingDir = IncludeTrailingDelimiter(value);
      break;
    default:
      break;
  }
}

// The following two answer the system's account of a failure, or nullopt.
std::optional<std::u16string> SettleDefaultIniFile(TSettings& settings, const TSettingsServices& services) {
  if (settings.BaseName.empty())
    settings.BaseName = DefaultBaseName;
  if (settings.WorkingDir.empty()) {
    std::optional<std::u16string> folder = AppDataFolder(services.KnownFolders);
    if (!folder)
      return std::u16string(NoAppDataFolder);
    settings.WorkingDir = std::move(*folder);
  }
  if (!EnsureFolder(services.Files, settings.WorkingDir))
    return services.Files.LastError().Message;
  settings.IniFileName = IncludeTrailingDelimiter(settings.WorkingDir) + settings.BaseName;
  settings.IniFileName += IniExtension;
  return std::nullopt;
}

// A "-i" file that does not exist yet also names the base name and the working folder.
std::optional<std::u16string> SettleGivenIniFile(TSettings& settings, const TSettingsServices& services) {
  if (services.Files.FileExists(settings.IniFileName))
    return std::nullopt;
  if (settings.BaseName.empty())
    settings.BaseName = RemoveExtension(ExtractFileName(settings.IniFileName));
  if (settings.WorkingDir.empty())
    settings.WorkingDir = ExtractFilePath(settings.IniFileName);
  if (!EnsureFolder(services.Files, ExtractFilePath(settings.IniFileName)))
    return services.Files.LastError().Message;
  return std::nullopt;
}

}  // namespace

void ReadCommandLine(TSettings& settings, const TSettingsServices& services,
                     std::span<const std::u16string> arguments) {
  for (const std::u16string& argument : arguments) {
    if (argument.size() <= 2 || argument[0] != u'-')
      continue;
    const char16_t letter = argument[1];
    const char16_t option = AsciiLower(letter);
    const std::u16string_view value = TrimOptionValue(std::u16string_view(argument).substr(2));
    if (!value.empty())
      ApplyOption(settings, services, option, value);
  }
}

std::optional<std::u16string> ResolveOptionFile(const TSettingsServices& services, std::u16string_view value,
                                                std::u16string_view extension) {
  platform::IFiles& files = services.Files;
  if (files.FileExists(value))
    return std::u16string(value);
  std::u16string name(value);
  if (!EndsWithIgnoringCase(name, extension))
    name += extension;
  if (ExtractFilePath(name).empty()) {
    const std::optional<std::u16string> folder = AppDataFolder(services.KnownFolders);
    if (!folder) {
      ReportFileProblem(services, name, NoAppDataFolder);
      return std::nullopt;
    }
    name.insert(0, *folder);
  }
  // The write test below would empty a file that exists under the completed name.
  if (files.FileExists(name))
    return name;
  if (!EnsureFolder(files, ExtractFilePath(name))) {
    ReportFileProblem(services, name, files.LastError().Message);
    return std::nullopt;
  }
  if (!ProveWritable(files, name)) {
    ShowSettingsError(
        services.MessageBox, CreateErrorCaption,
        std::u16string(CreateErrorLeadIn) + files.LastError().Message + std::u16string(LineBreak));
    return std::nullopt;
  }
  return name;
}

void FindIniFile(TSettings& settings, const TSettingsServices& services) {
  const std::optional<std::u16string> failure = settings.IniFileName.empty()
                                                    ? SettleDefaultIniFile(settings, services)
                                                    : SettleGivenIniFile(settings, services);
  if (failure) {
    ShowSettingsError(services.MessageBox, FindErrorCaption, std::u16string(MessageLeadIn) + *failure);
    settings.IniFileName.clear();
  }
}

void FindActiveFile(TSettings& settings, const TSettingsServices& services) {
  if (!settings.ActiveFile.empty())
    return;
  if (settings.WorkingDir.empty()) {
    if (std::optional<std::u16string> folder = AppDataFolder(services.KnownFolders))
      settings.WorkingDir = std::move(*folder);
  }
  // The menu file's own loading reports a folder that cannot be made.
  (void)EnsureFolder(services.Files, settings.WorkingDir);
  if (settings.BaseName.empty())
    settings.BaseName = DefaultBaseName;
  settings.ActiveFile = IncludeTrailingDelimiter(settings.WorkingDir) + settings.BaseName;
  settings.ActiveFile += TvXmlExtension;
}

}  // namespace tolvane::storage
