#pragma once
// The settings dialogs' rules without the dialogs: slider positions packed into the settings, the colours
// the sliders derive, the inactive frame, the swatch text, the item-height limit, the font lists and which
// working values OK hands back.

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Qxcolor.h"
#include "platform/Fonts.h"
#include "platform/Systemcolors.h"
#include "storage/Globals.h"

namespace tolvane::uimodel {

// The settings dialogs' control ids.
namespace settingscontrol {
enum : int {
  BkgSliderHue = 100,
  BkgSliderSat,
  BkgSliderLum,
  SelSliderHue,
  SelSliderSat,
  SelSliderLum,
  UdFrameSize,
  UdFontSize,
  UdItemSize,
  UdFontTop,
  CmbFontNames,
  CbxBold,
  ArrowColorSlider,
  SliderPipeShadow,
  CbLbPipeOnMain,
  CbLbIconsOnMain,
  WinBkgSliderHue,
  WinBkgSliderSat,
  WinBkgSliderLum,
  CmbStandardFontNames,
  UdStandardFontSize,
  CbxStandardBold,
  CmbFixedFontNames,
  UdFixedFontSize,
  CbxFixedBold,
  UdTabSize,
  CbxAutoHide,
  CbxStayOnTop,
  CbxAutoPaste,
  CbxShowOnTaskbar,
  CbxRestoreClipboard,
  MemoSample,
  ReFixedSample,
  OkButton = 1,
  CancelButton = 2,
};
}  // namespace settingscontrol

// Three slider positions on the 0 … 240 HLS scale.
struct THlsPositions {
  int Hue = 0;
  int Saturation = 0;
  int Luminance = 0;
  bool operator==(const THlsPositions&) const = default;
};

// Hue in the lowest byte, saturation in the second, luminance in the third; Pack keeps the top byte.
THlsPositions UnpackHls(storage::TSettingsColor packed);
storage::TSettingsColor PackHls(const THlsPositions& positions, storage::TSettingsColor previous);

// A slider's range as the dialogs offer it.
struct TSliderRange {
  int Minimum = 0;
  int Maximum = 0;
};
struct THlsRanges {
  TSliderRange Hue, Saturation, Luminance;
};
inline constexpr THlsRanges MenuBackgroundRanges{{0, 240}, {0, 240}, {20, 220}};
inline constexpr THlsRanges SelectedItemRanges{{0, 240}, {20, 220}, {40, 200}};
inline constexpr THlsRanges WindowBackgroundRanges{{0, 240}, {56, 184}, {17, 222}};
// Positions moved into the ranges, as the sliders would show them.
THlsPositions Clamped(const THlsPositions& positions, const THlsRanges& ranges);

// A colour from HLS values, each limited to 0 … 240 first; the system's conversion on Windows.
graphics::TColor HlsColor(int hue, int luminance, int saturation);

struct TColorPair {
  graphics::TColor Top = 0;
  graphics::TColor Bottom = 0;
  bool operator==(const TColorPair&) const = default;
};
// "MenuTopColor" and "MenuBottomColor": luminance 20 above and below.
TColorPair MenuBackgroundColors(const THlsPositions& positions);
// "MainMenuBottom": the colour two thirds down the long popup gradient between the two.
graphics::TColor MainMenuBottomColor(const TColorPair& background, int largestChildCount, int itemHeight,
                                     int screenHeight);
// "SelTopColor" and "SelBottomColor": luminance 40 and saturation 20 above and below.
TColorPair SelectionColors(const THlsPositions& positions);
// "InActiveFrameColor": every channel scaled by 245/255; black gives (9, 9, 9).
graphics::TColor InactiveFrameColor(graphics::TColor frame);

// The two button hues beside a window hue, wrapped on the hue circle of 240: 8 below and 4 above.
struct TButtonHues {
  int Light = 0;
  int Dark = 0;
  bool operator==(const TButtonHues&) const = default;
};
TButtonHues ButtonHues(int hue);

// The window background and the six button colours derived from it.
struct TWindowColors {
  TColorPair Form;  // "FormTopColor", "FormBottomColor"
  graphics::TColor DimmedLight = 0, DimmedDark = 0, HotLight = 0, HotDark = 0, DisabLight = 0, DisabDark = 0;
  bool operator==(const TWindowColors&) const = default;
};
TWindowColors WindowColors(const THlsPositions& positions);

// Black text on light swatches, white on dark ones.
graphics::TColor SwatchTextColor(graphics::TColor swatch);

// Whether every row of the largest menu still fits between the work area's top and bottom at this height.
bool ItemHeightFits(int itemHeight, int edgeSize, int workAreaBottom, int largestChildCount);

// The sorted family names without vertical ("@") variants and duplicates; fixed-pitch ones only if asked.
std::vector<std::u16string> FontNames(const std::vector<platform::TFontFamily>& families,
                                      bool fixedPitchOnly);

// What OK copies from the working values into the program's settings; the inactive frame colour follows the
// main frame's, a system colour resolved first.
void ApplyMenuSettings(const storage::TSettings& working, storage::TSettings& settings,
                       platform::ISystemColors& systemColors);
void ApplyProgramSettings(const storage::TSettings& working, storage::TSettings& settings);

// The menu dialog's sliders moved: the background, selection and main-bar colours and the packed positions.
void SetMenuBackground(storage::TSettings& working, const THlsPositions& positions, int largestChildCount,
                       int screenHeight);
void SetSelectedItem(storage::TSettings& working, const THlsPositions& positions);
// The program dialog's sliders moved: the window background and the button colours.
void SetWindowBackground(storage::TSettings& working, const THlsPositions& positions);

}  // namespace tolvane::uimodel
