#include "storage/Settingswrite.h"

#include <memory>
#include <string>

#include "common/Decimaltext.h"
#include "storage/Settingskeys.h"

namespace tolvane::storage {
namespace {

constexpr std::u16string_view SaveErrorCaption = u"Error Saving Settings";
constexpr std::u16string_view MessageLeadIn = u"The message is:\r\n";
constexpr std::u16string_view NotReplaced =
    u"The settings file could not be read when Tolvane started, so it is left as it is:\r\n";
constexpr std::u16string_view MrusSection = u"Mrus";
constexpr int AutoHideTop = -2;
constexpr TSettingsColor RgbMask = 0x00FFFFFF;

void WriteForm(const TSettings& settings, TQxIniSection& form) {
  form.WriteInteger(u"FormHeight", settings.FormHeight);
  form.WriteInteger(u"Left", settings.Left);
  form.WriteInteger(u"PnlLeft", settings.PnlLeft);
  form.WriteInteger(u"Top", settings.AutoHide ? AutoHideTop : settings.Top);
  form.WriteInteger(u"Width", settings.Width);
}

void WriteColors(const TSettings& settings, TQxIniSection& colors) {
  for (const TColorKey& color : ColorKeys)
    colors.WriteHex(color.Key, settings.*color.Field & RgbMask);
  colors.WriteInteger(u"PipeShadow", settings.PipeShadow);
}

void WriteSwitchs(const TSettings& settings, TQxIniSection& switchs) {
  switchs.WriteBool(u"AutoHide", settings.AutoHide);
  switchs.WriteBool(u"AutoPaste", settings.AutoPaste);
  switchs.WriteBool(u"RestoreClipboard", settings.RestoreClipboard);
  switchs.WriteBool(u"DrawIconsOnMain", settings.DrawIconsOnMain);
  switchs.WriteBool(u"StayOnTop", settings.StayOnTop);
  switchs.WriteBool(u"PipeOnMain", settings.PipeOnMain);
  switchs.WriteBool(u"ShowOnTaskbar", settings.ShowOnTaskbar);
}

void WriteBounds(TQxIniSection& section, std::u16string_view key, const std::optional<TRect>& bounds) {
  if (bounds)
    section.WriteString(key, FormatWindowBounds(*bounds));
}

void WriteSizes(const TSettings& settings, TQxIniSection& sizes) {
  sizes.WriteInteger(u"CodeTabSize", settings.CodeTabSize);
  sizes.WriteInteger(u"EdgeSize", settings.EdgeSize);
  sizes.WriteInteger(u"ItemHeight", settings.ItemHeight);
  sizes.WriteInteger(u"SearchSplit", settings.SearchSplit);
  WriteBounds(sizes, u"ClipComposerPos", settings.ClipComposerPos);
  WriteBounds(sizes, u"MacroComposerPos", settings.MacroComposerPos);
  WriteBounds(sizes, u"SearchPos", settings.SearchPos);
}

void WriteCounts(const TSettings& settings, TQxIniSection& counts) {
  counts.WriteInteger(u"ArrowImageIndex", settings.ArrowImageIndex);
  counts.WriteInteger(u"AutoHidePause", settings.AutoHidePause);
  counts.WriteInteger(u"HintHidePause", settings.HintHidePause);
}

void WriteFonts(const TSettings& settings, TQxIniSection& fonts) {
  fonts.WriteBool(u"CodeFixedFontBold", settings.CodeFixedFontBold);
  fonts.WriteInteger(u"CodeFixedFontSize", settings.CodeFixedFontSize);
  fonts.WriteString(u"CodeFixedFontName", settings.CodeFixedFontName);
  fonts.WriteBool(u"MenuFontBold", settings.MenuFontBold);
  fonts.WriteInteger(u"MenuFontSize", settings.MenuFontSize);
  fonts.WriteString(u"MenuFontName", settings.MenuFontName);
  fonts.WriteBool(u"CodeFontBold", settings.CodeFontBold);
  fonts.WriteInteger(u"CodeFontSize", settings.CodeFontSize);
  fonts.WriteString(u"CodeFontName", settings.CodeFontName);
  fonts.WriteInteger(u"MenuTextTop", settings.MenuTextTop);
}

void WritePath(TQxIniSection& section, std::u16string_view key, const std::u16string& path) {
  if (!path.empty())
    section.WriteString(key, path);
}

void WritePaths(const TSettings& settings, TQxIniSection& paths) {
  WritePath(paths, u"WorkingDir", settings.WorkingDir);
  WritePath(paths, u"SaveAsDir", settings.SaveAsDir);
  WritePath(paths, u"OpenTvXmlFileDir", settings.OpenTvXmlFileDir);
  WritePath(paths, u"OpenActionFileDir", settings.OpenActionFileDir);
  WritePath(paths, u"ActiveFileTvXml", settings.ActiveFile);
}

// "File_0=Work ;C:\Users\me\Work.TvXml": the display name as value, the path as comment.
void WriteMrus(const TSettings& settings, TQxIniSection& mrus) {
  for (int i = 0; i < settings.MruList.Count(); ++i) {
    const TMruItem& item = settings.MruList.getItem(i);
    TQxIniSection::SetComment(mrus.WriteString(u"File_" + DecimalText(i), item.Name), item.FileName);
  }
}

// The recent files replace the entries that were read; other lines of the section stay.
void ReplaceMrus(const TQxIniSection& written, TQxIniSection& file) {
  for (int i = file.Values.Count() - 1; i >= 0; --i) {
    const TQxIniVal& line = *file.Values[i];
    if (line.LineKind == lkKeyValue && !line.Key.empty() && line.Key[0] == u'F')
      file.Values.Delete(i);
  }
  for (const TQxIniVal& line : written.Values)
    file.Values.Add(std::make_unique<TQxIniVal>(line));
}

// Writes the keys that were read into the file as it was read; unread lines keep what the file says.
void MergeReadKeys(const TQxMemIni& written, TSettingsFileState& state) {
  TQxMemIni& file = *state.Store;
  for (const TQxIniSection& section : written.Sections) {
    if (section.Name == MrusSection) {
      if (state.MrusRead)
        ReplaceMrus(section, file.GetSection(MrusSection));
      continue;
    }
    for (const TQxIniVal& line : section.Values) {
      if (state.ReadKeys.contains({section.Name, line.Key}))
        file.GetSection(section.Name).WriteString(line.Key, line.Value);
    }
  }
}

}  // namespace

std::u16string FormatWindowBounds(const TRect& bounds) {
  return DecimalText(bounds.Left) + u"," + DecimalText(bounds.Top) + u"," + DecimalText(bounds.Right) + u"," +
         DecimalText(bounds.Bottom);
}

void FillSettingsIni(const TSettings& settings, TQxMemIni& ini) {
  WriteForm(settings, ini.GetSection(u"Form"));
  WriteColors(settings, ini.GetSection(u"Colors"));
  WriteSwitchs(settings, ini.GetSection(u"Switchs"));
  WriteSizes(settings, ini.GetSection(u"Sizes"));
  WriteCounts(settings, ini.GetSection(u"Counts"));
  WriteFonts(settings, ini.GetSection(u"Fonts"));
  WritePaths(settings, ini.GetSection(u"Paths"));
  WriteMrus(settings, ini.GetSection(u"Mrus"));
}

bool WriteSettings(const TSettings& settings, const TSettingsServices& services, TSettingsFileState& state) {
  if (state.Read == TSettingsRead::Unreadable) {
    ShowSettingsError(services.MessageBox, SaveErrorCaption,
                      std::u16string(MessageLeadIn) + std::u16string(NotReplaced) + settings.IniFileName);
    return false;
  }
  TQxMemIni fresh({services.Files, services.CodePages, services.MessageBox});
  FillSettingsIni(settings, fresh);
  TQxMemIni* ini = &fresh;
  if (state.Read == TSettingsRead::Partial && state.Store) {
    MergeReadKeys(fresh, state);
    ini = state.Store.get();
  }
  if (ini->SaveIniFile(settings.IniFileName, platform::codepage::Utf8))
    return true;
  ShowSettingsError(services.MessageBox, SaveErrorCaption,
                    std::u16string(MessageLeadIn) + ini->LastError().Message);
  return false;
}

}  // namespace tolvane::storage
