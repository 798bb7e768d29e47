#include "storage/Settingsread.h"

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
void ReadMrus(const TQxMemIni& ini, TSettings& settings) {
  const TQxIniSection* section = ini.FindSection(u"Mrus");
  if (section == nullptr)
    return;
  for (const TQxIniVal& line : section->Values) {
    if (!line.Key.empty() && line.Key[0] == u'F')
      settings.MruList.Add(line.Value, line.Comment);
  }
}

}  // namespace

std::u16string ReadSettingsFrom(const TQxMemIni& ini, TSettings& settings,
                                platform::ISystemColors& systemColors,
                                const TSettingsEnvironment& environment) {
  const TSettings defaults = DefaultSettings(environment);
  TSettingsReader reader(ini, settings, defaults, systemColors);
  ReadForm(reader, settings, environment);
  ReadColors(reader);
  ReadSwitchs(reader);
  ReadSizesAndCounts(reader);
  ReadFonts(reader);
  if (reader.Failed())
    return reader.Failure();
  ReadPaths(reader, settings);
  ReadMrus(ini, settings);
  return {};
}

bool ReadSettings(TSettings& settings, const TSettingsServices& services,
                  const TSettingsEnvironment& environment) {
  if (settings.IniFileName.empty())
    return true;
  TQxMemIni ini({services.Files, services.CodePages, services.MessageBox});
  std::u16string failure;
  if (ini.LoadIniFile(settings.IniFileName) == IniReadFailed) {
    failure = ini.LastError().Message;
  } else {
    failure = ReadSettingsFrom(ini, settings, services.SystemColors, environment);
  }
  if (failure.empty())
    return true;
  ShowSettingsError(services.MessageBox, LoadErrorCaption, std::u16string(MessageLeadIn) + failure);
  return false;
}

}  // namespace tolvane::storage
