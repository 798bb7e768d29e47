#include "storage/Globals.h"

#include <utility>

#include "storage/Pathnames.h"

namespace tolvane::storage {
namespace {

constexpr int LowDpiLimit = 120;
constexpr int LowDpiWidth = 800;
constexpr int HighDpiWidth = 1000;

}  // namespace

TSettings DefaultSettings(const TSettingsEnvironment& environment) {
  TSettings settings;
  settings.FormHeight = environment.ScreenHeight - environment.ScreenHeight / 3;
  settings.Width = environment.PixelsPerInch <= LowDpiLimit ? LowDpiWidth : HighDpiWidth;
  settings.Left = (environment.ScreenWidth - settings.Width) / 2;
  settings.ItemHeight = environment.FixedFontLineHeight + environment.FixedFontLineHeight / 4;
  settings.CodeFixedFontBold = environment.FixedFont.Bold;
  settings.CodeFixedFontSize = environment.FixedFont.Size;
  settings.CodeFixedFontName = environment.FixedFont.Name;
  settings.MenuFontBold = environment.WindowFont.Bold;
  settings.MenuFontSize = environment.WindowFont.Size;
  settings.MenuFontName = environment.WindowFont.Name;
  settings.CodeFontBold = environment.WindowFont.Bold;
  settings.CodeFontSize = environment.WindowFont.Size;
  settings.CodeFontName = environment.WindowFont.Name;
  return settings;
}

TSettings StartSettings(const TSettingsEnvironment& environment) {
  TSettings settings = DefaultSettings(environment);
  settings.SplitterColor = 0x00800030;
  settings.FormTopColor = 0x00FFE9DC;
  settings.FormHeight = environment.ScreenHeight - environment.ScreenHeight / 4;
  return settings;
}

std::optional<std::u16string> AppDataFolder(platform::IKnownFolders& knownFolders) {
  const std::optional<std::u16string> roaming = knownFolders.Path(platform::TKnownFolder::RoamingAppData);
  if (!roaming || roaming->empty())
    return std::nullopt;
  return IncludeTrailingDelimiter(*roaming) + std::u16string(AppDataSubfolder);
}

void ShowSettingsError(platform::IMessageBox& messageBox, std::u16string_view caption, std::u16string text) {
  (void)platform::ShowMessageBox(messageBox, caption, text, platform::TMsgKind::Error);
}

}  // namespace tolvane::storage
