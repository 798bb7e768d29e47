#include "uimodel/Settingsmodel.h"

#include <algorithm>

#include "graphics/Gradient.h"
#include "graphics/Hls.h"

namespace tolvane::uimodel {

namespace {

constexpr int ByteMask = 0xFF;

int Limited(int value) {
  return std::clamp(value, 0, graphics::HlsMax);
}

int Red(graphics::TColor color) {
  return static_cast<int>(color & 0xFF);
}
int Green(graphics::TColor color) {
  return static_cast<int>((color >> 8) & 0xFF);
}
int Blue(graphics::TColor color) {
  return static_cast<int>((color >> 16) & 0xFF);
}
graphics::TColor Rgb(int red, int green, int blue) {
  return static_cast<graphics::TColor>(red | (green << 8) | (blue << 16));
}

}  // namespace

THlsPositions UnpackHls(storage::TSettingsColor packed) {
  return {static_cast<int>(packed & ByteMask), static_cast<int>((packed >> 8) & ByteMask),
          static_cast<int>((packed >> 16) & ByteMask)};
}

storage::TSettingsColor PackHls(const THlsPositions& positions, storage::TSettingsColor previous) {
  const auto byte = [](int value) { return static_cast<storage::TSettingsColor>(value & ByteMask); };
  return (previous & 0xFF000000u) | byte(positions.Hue) | (byte(positions.Saturation) << 8) |
         (byte(positions.Luminance) << 16);
}

THlsPositions Clamped(const THlsPositions& positions, const THlsRanges& ranges) {
  const auto clamp = [](int value, TSliderRange range) {
    return std::clamp(value, range.Minimum, range.Maximum);
  };
  return {clamp(positions.Hue, ranges.Hue), clamp(positions.Saturation, ranges.Saturation),
          clamp(positions.Luminance, ranges.Luminance)};
}

graphics::TColor HlsColor(int hue, int luminance, int saturation) {
  return graphics::ColorHlsToRgb(Limited(hue), Limited(luminance), Limited(saturation));
}

TColorPair MenuBackgroundColors(const THlsPositions& p) {
  return {HlsColor(p.Hue, p.Luminance + 20, p.Saturation), HlsColor(p.Hue, p.Luminance - 20, p.Saturation)};
}

graphics::TColor MainMenuBottomColor(const TColorPair& background, int largestChildCount, int itemHeight,
                                     int screenHeight) {
  const graphics::TPopupGradients tables = graphics::MakePopupGradients(
      graphics::TQxColor::FromColor(background.Top), graphics::TQxColor::FromColor(background.Bottom),
      largestChildCount, itemHeight, screenHeight);
  const auto& table = tables.LongGradient;
  const std::size_t row = table.size() / 3 * 2;
  return row < table.size() ? table[row].ToColor() : background.Bottom;
}

TColorPair SelectionColors(const THlsPositions& p) {
  return {HlsColor(p.Hue, p.Luminance + 40, p.Saturation + 20),
          HlsColor(p.Hue, p.Luminance - 40, p.Saturation - 20)};
}

graphics::TColor InactiveFrameColor(graphics::TColor frame) {
  if ((frame & 0xFFFFFF) == 0)
    return Rgb(9, 9, 9);
  return Rgb(Red(frame) * 245 / 255, Green(frame) * 245 / 255, Blue(frame) * 245 / 255);
}

TButtonHues ButtonHues(int hue) {
  const int circle = graphics::HlsMax;
  return {hue < 8 ? hue + circle - 8 : hue - 8, hue > circle - 4 ? hue + 4 - circle : hue + 4};
}

TWindowColors WindowColors(const THlsPositions& p) {
  TWindowColors colors;
  colors.Form = {HlsColor(p.Hue, p.Luminance + 17, p.Saturation + 40),
                 HlsColor(p.Hue, p.Luminance - 17, p.Saturation - 40)};
  const TButtonHues hues = ButtonHues(graphics::ColorRgbToHls(colors.Form.Top).Hue);
  colors.DimmedLight = HlsColor(hues.Light, 221, 88);
  colors.DimmedDark = HlsColor(hues.Dark, 197, 87);
  colors.HotLight = HlsColor(hues.Light, 207, 226);
  colors.HotDark = HlsColor(hues.Dark, 186, 198);
  colors.DisabLight = HlsColor(hues.Light, 221, 0);
  colors.DisabDark = HlsColor(hues.Dark, 197, 0);
  return colors;
}

graphics::TColor SwatchTextColor(graphics::TColor swatch) {
  const int brightness = (320 * Red(swatch) + 576 * Green(swatch) + 128 * Blue(swatch)) / 1024;
  return brightness > 110 ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
}

bool ItemHeightFits(int itemHeight, int edgeSize, int workAreaBottom, int largestChildCount) {
  return static_cast<long long>(workAreaBottom) - 2LL * edgeSize >=
         static_cast<long long>(itemHeight) * std::max(largestChildCount, 0);
}

std::vector<std::u16string> FontNames(const std::vector<platform::TFontFamily>& families,
                                      bool fixedPitchOnly) {
  std::vector<std::u16string> names;
  for (const platform::TFontFamily& family : families) {
    if (family.Name.empty() || family.Name.front() == u'@' || (fixedPitchOnly && !family.FixedPitch))
      continue;
    names.push_back(family.Name);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

void ApplyMenuSettings(const storage::TSettings& w, storage::TSettings& s,
                       platform::ISystemColors& systemColors) {
  s.ButDimmedLight = w.ButDimmedLight;
  s.ButDimmedDark = w.ButDimmedDark;
  s.ButHotLight = w.ButHotLight;
  s.ButHotDark = w.ButHotDark;
  s.ButDisabLight = w.ButDisabLight;
  s.ButDisabDark = w.ButDisabDark;
  s.DisabledColor = w.DisabledColor;
  s.FormBottomColor = w.FormBottomColor;
  s.FormTopColor = w.FormTopColor;
  s.FrameColor = w.FrameColor;
  s.InActiveFrameColor = InactiveFrameColor(graphics::ResolveColor(systemColors, w.FrameColor));
  s.MainMenuBottom = w.MainMenuBottom;
  s.MenuBottomColor = w.MenuBottomColor;
  s.MenuTopColor = w.MenuTopColor;
  s.PopupFrameColor = w.PopupFrameColor;
  s.SelBottomColor = w.SelBottomColor;
  s.SelTextColor = w.SelTextColor;
  s.SelTopColor = w.SelTopColor;
  s.SplitterColor = w.SplitterColor;
  s.MenuTextColor = w.MenuTextColor;
  s.HslMenuBkg = w.HslMenuBkg;
  s.HslSelMenu = w.HslSelMenu;
  s.HslWinBkg = w.HslWinBkg;
  s.MenuFontName = w.MenuFontName;
  s.MenuFontSize = w.MenuFontSize;
  s.MenuFontBold = w.MenuFontBold;
  s.EdgeSize = w.EdgeSize;
  s.ArrowImageIndex = w.ArrowImageIndex;
  s.ItemHeight = w.ItemHeight;
  s.MenuTextTop = w.MenuTextTop;
  s.PipeOnMain = w.PipeOnMain;
  s.DrawIconsOnMain = w.DrawIconsOnMain;
  s.PipeShadow = w.PipeShadow;
}

void ApplyProgramSettings(const storage::TSettings& w, storage::TSettings& s) {
  s.ButDimmedLight = w.ButDimmedLight;
  s.ButDimmedDark = w.ButDimmedDark;
  s.ButHotLight = w.ButHotLight;
  s.ButHotDark = w.ButHotDark;
  s.ButDisabLight = w.ButDisabLight;
  s.ButDisabDark = w.ButDisabDark;
  s.DisabledColor = w.DisabledColor;
  s.FormBottomColor = w.FormBottomColor;
  s.FormTopColor = w.FormTopColor;
  s.SplitterColor = w.SplitterColor;
  s.HslMenuBkg = w.HslMenuBkg;
  s.HslSelMenu = w.HslSelMenu;
  s.HslWinBkg = w.HslWinBkg;
  s.CodeTabSize = w.CodeTabSize;
  s.CodeFontName = w.CodeFontName;
  s.CodeFontSize = w.CodeFontSize;
  s.CodeFontBold = w.CodeFontBold;
  s.CodeFixedFontName = w.CodeFixedFontName;
  s.CodeFixedFontSize = w.CodeFixedFontSize;
  s.CodeFixedFontBold = w.CodeFixedFontBold;
  s.StayOnTop = w.StayOnTop;
  s.AutoPaste = w.AutoPaste;
  s.AutoHide = w.AutoHide;
  s.ShowOnTaskbar = w.ShowOnTaskbar;
  s.RestoreClipboard = w.RestoreClipboard;
}

void SetMenuBackground(storage::TSettings& working, const THlsPositions& positions, int largestChildCount,
                       int screenHeight) {
  const TColorPair background = MenuBackgroundColors(positions);
  working.MenuTopColor = background.Top;
  working.MenuBottomColor = background.Bottom;
  working.MainMenuBottom =
      MainMenuBottomColor(background, largestChildCount, working.ItemHeight, screenHeight);
  working.HslMenuBkg = PackHls(positions, working.HslMenuBkg);
}

void SetSelectedItem(storage::TSettings& working, const THlsPositions& positions) {
  const TColorPair selection = SelectionColors(positions);
  working.SelTopColor = selection.Top;
  working.SelBottomColor = selection.Bottom;
  working.HslSelMenu = PackHls(positions, working.HslSelMenu);
}

void SetWindowBackground(storage::TSettings& working, const THlsPositions& positions) {
  const TWindowColors colors = WindowColors(positions);
  working.FormTopColor = colors.Form.Top;
  working.FormBottomColor = colors.Form.Bottom;
  working.ButDimmedLight = colors.DimmedLight;
  working.ButDimmedDark = colors.DimmedDark;
  working.ButHotLight = colors.HotLight;
  working.ButHotDark = colors.HotDark;
  working.ButDisabLight = colors.DisabLight;
  working.ButDisabDark = colors.DisabDark;
  working.HslWinBkg = PackHls(positions, working.HslWinBkg);
}

}  // namespace tolvane::uimodel
