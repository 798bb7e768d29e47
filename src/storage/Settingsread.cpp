#include "storage/Settingsread.h"

#include <memory>
#include <string>

#include "common/Decimaltext.h"
#include "storage/Conversionerror.h"
#include "storage/Pathnames.h"
#include "storage/Settingskeys.h"
#include "storage/Settingsreader.h"

namespace tolvane::storage {
namespace {

constexpr std::u16string_view LoadErrorCaption = u"Error Loading Settings";
constexpr std::u16string_view MessageLeadIn = u"The message is:\r\n";

using S = TSettings;

// "Width" comes before "Left" because the centred default of "Left" depends on it.
void ReadForm(TSettingsReader& reader, const TSettings& settings, const TSettingsEnvironment& environment) {
  reader.Section(u"Form");
  reader.Int(u"FormHeight", &S::FormHeight);
  reader.Int(u"Width", &S::Width);
  reader.Int(u"Left", &S::Left, (environment.ScreenWidth - settings.Width) / 2);
  reader.Int(u"PnlLeft", &S::PnlLeft);
  reader.Int(u"Top", &S::Top);
}

void ReadColors(TSettingsReader& reader) {
  reader.Section(u"Colors");
  for (const TColorKey& color : ColorKeys)
    reader.Color(color.Key, color.Field);
  reader.Int(u"PipeShadow", &S::PipeShadow);
}

void ReadSwitchs(TSettingsReader& reader) {
  reader.Section(u"Switchs");
  reader.Bool(u"AutoHide", &S::AutoHide);
  reader.Bool(u"AutoPaste", &S::AutoPaste);
  reader.Bool(u"RestoreClipboard", &S::RestoreClipboard);
  reader.Bool(u"DrawIconsOnMain", &S::DrawIconsOnMain);
  reader.Bool(u"StayOnTop", &S::StayOnTop);
  reader.Bool(u"PipeOnMain", &S::PipeOnMain);
  reader.Bool(u"ShowOnTaskbar", &S::ShowOnTaskbar);
}

void ReadSizesAndCounts(TSettingsReader& reader) {
  reader.Section(u"Sizes");
  reader.Int(u"CodeTabSize", &S::CodeTabSize);
  reader.Int(u"EdgeSize", &S::EdgeSize);
  reader.Int(u"ItemHeight", &S::ItemHeight);
  reader.Int(u"SearchSplit", &S::SearchSplit);
  reader.Bounds(u"ClipComposerPos", &S::ClipComposerPos);
  reader.Bounds(u"MacroComposerPos", &S::MacroComposerPos);
  reader.Bounds(u"SearchPos", &S::SearchPos);
  reader.Section(u"Counts");
  reader.Int(u"ArrowImageIndex", &S::ArrowImageIndex);
  reader.Int(u"AutoHidePause", &S::AutoHidePause);
  reader.Int(u"HintHidePause", &S::HintHidePause);
}

void ReadFonts(TSettingsReader& reader) {
  reader.Section(u"Fonts");
  reader.Bool(u"CodeFixedFontBold", &S::CodeFixedFontBold);
  reader.Text(u"CodeFixedFontName", &S::CodeFixedFontName);
  reader.Int(u"CodeFixedFontSize", &S::CodeFixedFontSize);
  reader.Bool(u"MenuFontBold", &S::MenuFontBold);
  reader.Text(u"MenuFontName", &S::MenuFontName);
  reader.Int(u"MenuFontSize", &S::MenuFontSize);
  reader.Bool(u"CodeFontBold", &S::CodeFontBold);
  reader.Text(u"CodeFontName", &S::CodeFontName);
  reader.Int(u"CodeFontSize", &S::CodeFontSize);
  reader.Int(u"MenuTextTop", &S::MenuTextTop);
}

// Folders given on the command line win over the stored ones.
void ReadPaths(TSettingsReader& reader, TSettings& settings) {
  reader.Section(u"Paths");
  if (settings.WorkingDir.empty())
    reader.Text(u"WorkingDir", &S::WorkingDir, u"");
  if (settings.ActiveFile.empty())
    reader.Text(u"ActiveFileTvXml", &S::ActiveFile, u"");
  if (settings.WorkingDir.empty()) {
    const std::u16string_view menuFolder = ExtractFilePath(settings.ActiveFile);
    settings.WorkingDir = menuFolder.empty() ? ExtractFilePath(settings.IniFileName) : menuFolder;
  }
  reader.Text(u"SaveAsDir", &S::SaveAsDir, settings.WorkingDir);
  reader.Text(u"OpenTvXmlFileDir", &S::OpenTvXmlFileDir, settings.WorkingDir);
  reader.Text(u"OpenActionFileDir", &S::OpenActionFileDir, u"");
}

// Only the first letter of a key is looked at.
void ReadMrus(const TQxMemIni& ini, TSettings& settings, TSettingsFileState* state) {
  const TQxIniSection* section = ini.FindSection(u"Mrus");
  if (state != nullptr)
    state->MrusRead = section != nullptr || ini.UnparsedText.empty();
  if (section == nullptr)
    return;
  for (const TQxIniVal& line : section->Values) {
    if (!line.Key.empty() && line.Key[0] == u'F')
      settings.MruList.Add(line.Value, line.Comment);
  }
}

// Where reading stopped, and that what lies behind it is kept.
std::u16string StoppedAtKey(std::u16string_view key) {
  return u"\r\nThe settings from \"" + std::u16string(key) +
         u"\" on are not used; the file keeps them as they are.";
}

std::u16string BrokenHeader(const TQxMemIni& ini) {
  const std::u16string_view rest = ini.UnparsedText;
  const std::u16string_view header = rest.substr(0, rest.find_first_of(u"\r\n"));
  return u"The section header in line " + DecimalText(ini.UnparsedLine) +
         u" cannot be read; a header is a name between \"[\" and \"]\" on one line: " +
         VisibleExcerpt(header) +
         u"\r\nThe settings from there on are not used; the file keeps them as they are.";
}

// Reads the loaded store; the words for everything that stopped the reading early, or empty.
std::u16string ReadLoadedStore(std::unique_ptr<TQxMemIni> ini, int loadResult, TSettings& settings,
                               const TSettingsServices& services, const TSettingsEnvironment& environment,
                               TSettingsFileState& state) {
  std::u16string failure = ReadSettingsFrom(*ini, settings, services.SystemColors, environment, &state);
  if (loadResult == IniParseStopped)
    failure = BrokenHeader(*ini) + (failure.empty() ? u"" : u"\r\n" + failure);
  if (!failure.empty() || !ini->UnparsedText.empty()) {
    state.Read = TSettingsRead::Partial;
    state.Store = std::move(ini);
  }
  return failure;
}

}  // namespace

std::u16string ReadSettingsFrom(const TQxMemIni& ini, TSettings& settings,
                                platform::ISystemColors& systemColors,
                                const TSettingsEnvironment& environment, TSettingsFileState* state) {
  const TSettings defaults = DefaultSettings(environment);
  TSettingsReader reader(ini, settings, defaults, systemColors, state);
  ReadForm(reader, settings, environment);
  ReadColors(reader);
  ReadSwitchs(reader);
  ReadSizesAndCounts(reader);
  ReadFonts(reader);
  if (reader.Failed())
    return reader.Failure() + (state != nullptr ? StoppedAtKey(reader.FailedKey()) : u"");
  ReadPaths(reader, settings);
  ReadMrus(ini, settings, state);
  return {};
}

bool ReadSettings(TSettings& settings, const TSettingsServices& services,
                  const TSettingsEnvironment& environment, TSettingsFileState& state) {
  state = TSettingsFileState{};
  if (settings.IniFileName.empty())
    return true;
  auto ini =
      std::make_unique<TQxMemIni>(TIniServices{services.Files, services.CodePages, services.MessageBox});
  const int loadResult = ini->LoadIniFile(settings.IniFileName);
  std::u16string failure;
  if (loadResult == IniReadFailed || ini->Refused) {
    // The store has shown its own message for a refused encoding.
    state.Read = TSettingsRead::Unreadable;
    if (loadResult != IniReadFailed)
      return false;
    failure = ini->LastError().Message;
  } else {
    failure = ReadLoadedStore(std::move(ini), loadResult, settings, services, environment, state);
  }
  if (failure.empty())
    return true;
  ShowSettingsError(services.MessageBox, LoadErrorCaption, std::u16string(MessageLeadIn) + failure);
  return false;
}

}  // namespace tolvane::storage
