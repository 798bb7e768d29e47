#pragma once
// The program's settings: one value object the program owns and hands to whoever needs it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Geometry.h"
#include "platform/Services.h"
#include "storage/Buttoncolors.h"
#include "storage/Qxmrulist.h"

namespace tolvane::storage {

inline constexpr std::u16string_view DefaultBaseName = u"Tolvane";
inline constexpr std::u16string_view IniExtension = u".ini";
inline constexpr std::u16string_view TvXmlExtension = u".TvXml";
// Below the roaming application-data folder.
#ifdef _WIN32
inline constexpr std::u16string_view AppDataSubfolder = u"Quaddix\\Tolvane\\";
#else
inline constexpr std::u16string_view AppDataSubfolder = u"Quaddix/Tolvane/";
#endif

// Colours hold red in the lowest byte, then green, then blue; a value with the highest bit set names a system
// colour.
using TSettingsColor = std::uint32_t;

struct TFontFacts {
  std::u16string Name;
  int Size = 0;
  bool Bold = false;
};

// What the user interface measures before the settings are read; several defaults depend on it.
struct TSettingsEnvironment {
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  int PixelsPerInch = 96;
  TFontFacts FixedFont{u"Courier New", 10, false};
  TFontFacts WindowFont{u"Arial", 10, false};
  // Height of a line of FixedFont, in pixels.
  int FixedFontLineHeight = 0;
};

struct TSettings {
  // Form
  int FormHeight = 0;
  int Left = 0;
  int PnlLeft = 225;
  int Top = -2;
  int Width = 800;
  // Colors
  TSettingsColor FormBottomColor = 0x00D8B4A3;
  TSettingsColor ButDimmedLight = buttoncolor::DimmedLight;
  TSettingsColor ButDimmedDark = buttoncolor::DimmedDark;
  TSettingsColor ButHotLight = buttoncolor::HotLight;
  TSettingsColor ButHotDark = buttoncolor::HotDark;
  TSettingsColor ButDisabLight = buttoncolor::DisabledLight;
  TSettingsColor ButDisabDark = buttoncolor::DisabledDark;
  TSettingsColor DisabledColor = 0x00E2E7E7;
  TSettingsColor FrameColor = 0x0090006F;
  TSettingsColor MainMenuBottom = 0x00C8C8C8;
  TSettingsColor MenuBottomColor = 0x00B1B1B1;
  TSettingsColor MenuTopColor = 0x00F0F0F0;
  TSettingsColor InActiveFrameColor = 0x00047B52;
  TSettingsColor PopupFrameColor = 0x000096FF;
  TSettingsColor SelBottomColor = 0x007F7F7F;
  TSettingsColor SelTextColor = 0x00B40000;
  TSettingsColor SelTopColor = 0x00FCFCFC;
  TSettingsColor SplitterColor = 0x00008030;
  TSettingsColor MenuTextColor = 0x00000001;
  TSettingsColor FormTopColor = 0x00FFEBDE;
  // Slider positions on the 0 … 240 HLS scale: hue in the lowest byte, saturation, luminance.
  TSettingsColor HslMenuBkg = 0x00C400A0;
  TSettingsColor HslSelMenu = 0x00B220A0;
  TSettingsColor HslWinBkg = 0x00C9D991;
  int PipeShadow = 50;
  // Switchs
  bool AutoHide = true;
  bool AutoPaste = true;
  bool RestoreClipboard = true;
  bool DrawIconsOnMain = true;
  bool StayOnTop = false;
  bool PipeOnMain = true;
  bool ShowOnTaskbar = true;
  // Sizes
  int CodeTabSize = 3;
  int EdgeSize = 1;
  int ItemHeight = 0;
  int SearchSplit = 0;
  std::optional<TRect> ClipComposerPos;
  std::optional<TRect> MacroComposerPos;
  std::optional<TRect> SearchPos;
  // Counts
  int ArrowImageIndex = 1;
  int AutoHidePause = 1000;
  int HintHidePause = 5000;
  // Fonts
  bool CodeFixedFontBold = false;
  int CodeFixedFontSize = 0;
  std::u16string CodeFixedFontName;
  bool MenuFontBold = false;
  int MenuFontSize = 0;
  std::u16string MenuFontName;
  bool CodeFontBold = false;
  int CodeFontSize = 0;
  std::u16string CodeFontName;
  int MenuTextTop = 0;
  // Paths; empty until the command line, the settings file or the defaults fill them.
  std::u16string BaseName;
  std::u16string WorkingDir;
  std::u16string IniFileName;
  std::u16string ActiveFile;
  std::u16string SaveAsDir;
  std::u16string OpenTvXmlFileDir;
  std::u16string OpenActionFileDir;
  // Mrus
  TQxMruList MruList;

  bool operator==(const TSettings&) const = default;
};

// Every key's default for this screen and these fonts; the paths stay empty.
TSettings DefaultSettings(const TSettingsEnvironment& environment);
// The values before (or without) reading a settings file.
TSettings StartSettings(const TSettingsEnvironment& environment);

struct TSettingsServices {
  platform::IFiles& Files;
  platform::ICodePages& CodePages;
  platform::IMessageBox& MessageBox;
  platform::IKnownFolders& KnownFolders;
  platform::ISystemColors& SystemColors;

  static TSettingsServices From(const platform::TServices& services) {
    return {services.Files, services.CodePages, services.MessageBox, services.KnownFolders,
            services.SystemColors};
  }
};

// The roaming application-data folder followed by AppDataSubfolder; nullopt when the system has none.
std::optional<std::u16string> AppDataFolder(platform::IKnownFolders& knownFolders);

// Reports a failure of the settings code with the caption and text given.
void ShowSettingsError(platform::IMessageBox& messageBox, std::u16string_view caption, std::u16string text);

}  // namespace tolvane::storage
