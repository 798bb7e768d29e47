#include "uimodel/Settingsmodel.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Boxtextpainter.h"
#include "graphics/Hls.h"
#include "platform/portable/Fixedsystemcolors.h"
#include "uimodel/Menupreview.h"

namespace tolvane::uimodel {
namespace {

using graphics::TColor;

constexpr TColor Rgb(int red, int green, int blue) {
  return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

int HueOf(TColor color) {
  return graphics::ComputeRgbToHls(color).Hue;
}
int LuminanceOf(TColor color) {
  return graphics::ComputeRgbToHls(color).Luminance;
}

TEST(SettingsModelTest, SliderPositionsPackIntoTheSettingsKeepingTheTopByte) {
  // The defaults of the three keys.
  EXPECT_EQ(UnpackHls(0x00C400A0), (THlsPositions{160, 0, 196}));
  EXPECT_EQ(UnpackHls(0x00B220A0), (THlsPositions{160, 32, 178}));
  EXPECT_EQ(UnpackHls(0x00C9D991), (THlsPositions{145, 217, 201}));
  EXPECT_EQ(PackHls({160, 0, 196}, 0x00000000), 0x00C400A0u);
  EXPECT_EQ(PackHls({1, 2, 3}, 0x7F123456), 0x7F030201u);
  EXPECT_EQ(Clamped({250, 10, 230}, SelectedItemRanges), (THlsPositions{240, 20, 200}));
}

TEST(SettingsModelTest, ButtonHuesWrapAroundTheHueCircle) {
  EXPECT_EQ(ButtonHues(3), (TButtonHues{235, 7}));
  EXPECT_EQ(ButtonHues(8), (TButtonHues{0, 12}));
  EXPECT_EQ(ButtonHues(120), (TButtonHues{112, 124}));
  EXPECT_EQ(ButtonHues(236), (TButtonHues{228, 240}));
  EXPECT_EQ(ButtonHues(238), (TButtonHues{230, 2}));
}

TEST(SettingsModelTest, WindowColorsTakeTheButtonHuesFromTheTopColour) {
  const TWindowColors colors = WindowColors({3, 100, 150});
  EXPECT_NEAR(HueOf(colors.Form.Top), 3, 1);
  EXPECT_NEAR(LuminanceOf(colors.Form.Top), 167, 1);
  EXPECT_NEAR(LuminanceOf(colors.Form.Bottom), 133, 1);
  EXPECT_NEAR(HueOf(colors.HotLight), 235, 2);
  EXPECT_NEAR(HueOf(colors.HotDark), 7, 2);
  EXPECT_NEAR(LuminanceOf(colors.HotLight), 207, 1);
  // The disabled faces are greys.
  EXPECT_EQ(colors.DisabLight & 0xFF, (colors.DisabLight >> 8) & 0xFF);
  EXPECT_EQ(colors.DisabDark & 0xFF, (colors.DisabDark >> 16) & 0xFF);
}

TEST(SettingsModelTest, MenuColoursSpreadAroundTheSliderLuminance) {
  const TColorPair background = MenuBackgroundColors({160, 0, 200});
  EXPECT_NEAR(LuminanceOf(background.Top), 220, 1);
  EXPECT_NEAR(LuminanceOf(background.Bottom), 180, 1);
  // Beyond the scale the luminance stops at white instead of wrapping.
  EXPECT_EQ(MenuBackgroundColors({160, 0, 230}).Top, Rgb(255, 255, 255));
  const TColorPair selection = SelectionColors({40, 100, 120});
  EXPECT_NEAR(LuminanceOf(selection.Top), 160, 1);
  EXPECT_NEAR(LuminanceOf(selection.Bottom), 80, 1);
  EXPECT_NEAR(graphics::ComputeRgbToHls(selection.Top).Saturation, 120, 2);

  // White to black over the long table: two thirds down is a dark grey.
  const TColor bottom = MainMenuBottomColor({Rgb(255, 255, 255), Rgb(0, 0, 0)}, 0, 27, 600);
  EXPECT_NEAR(static_cast<int>(bottom & 0xFF), 85, 2);
}

TEST(SettingsModelTest, InactiveFrameAndSwatchText) {
  EXPECT_EQ(InactiveFrameColor(Rgb(0, 0, 0)), Rgb(9, 9, 9));
  EXPECT_EQ(InactiveFrameColor(Rgb(255, 128, 10)), Rgb(245, 122, 9));
  EXPECT_EQ(InactiveFrameColor(Rgb(0, 0, 1)), Rgb(0, 0, 0));
  EXPECT_EQ(SwatchTextColor(Rgb(255, 255, 255)), Rgb(0, 0, 0));
  EXPECT_EQ(SwatchTextColor(Rgb(0, 0, 0)), Rgb(255, 255, 255));
  // Green weighs most: a pure green is light, a pure blue dark; 110 itself still counts as dark.
  EXPECT_EQ(SwatchTextColor(Rgb(0, 200, 0)), Rgb(0, 0, 0));
  EXPECT_EQ(SwatchTextColor(Rgb(0, 0, 255)), Rgb(255, 255, 255));
  EXPECT_EQ(SwatchTextColor(Rgb(110, 110, 110)), Rgb(255, 255, 255));
  EXPECT_EQ(SwatchTextColor(Rgb(111, 111, 111)), Rgb(0, 0, 0));
}

TEST(SettingsModelTest, ItemHeightStopsWhereTheLargestMenuNoLongerFits) {
  // 1000 − 2 = 998 pixels for 33 rows.
  EXPECT_TRUE(ItemHeightFits(30, 1, 1000, 33));
  EXPECT_FALSE(ItemHeightFits(31, 1, 1000, 33));
  EXPECT_TRUE(ItemHeightFits(50, 5, 1000, 0));
  EXPECT_TRUE(ItemHeightFits(499, 1, 1000, 2));
  EXPECT_FALSE(ItemHeightFits(500, 1, 1000, 2));
}

TEST(SettingsModelTest, FontListsAreSortedWithoutVerticalNamesOrDuplicates) {
  const std::vector<platform::TFontFamily> families{
      {u"Verdana", false},    {u"@MS Gothic", true},     {u"Courier New", true}, {u"Arial", false},
      {u"Courier New", true}, {u"Lucida Console", true}, {u"MS Gothic", true},   {u"", false}};
  EXPECT_EQ(
      FontNames(families, false),
      (std::vector<std::u16string>{u"Arial", u"Courier New", u"Lucida Console", u"MS Gothic", u"Verdana"}));
  EXPECT_EQ(FontNames(families, true),
            (std::vector<std::u16string>{u"Courier New", u"Lucida Console", u"MS Gothic"}));
}

TEST(SettingsModelTest, OkCopiesOnlyTheDialogsOwnValues) {
  portable::TFixedSystemColors systemColors;
  storage::TSettings settings;
  storage::TSettings working = settings;
  SetMenuBackground(working, {100, 120, 150}, 12, 768);
  SetSelectedItem(working, {30, 100, 120});
  working.FrameColor = Rgb(0, 0, 0);
  working.ItemHeight = 33;
  working.MenuFontName = u"Verdana";
  working.CodeFontName = u"Courier New";  // not the menu dialog's
  working.AutoHide = !settings.AutoHide;  // not the menu dialog's

  storage::TSettings applied = settings;
  ApplyMenuSettings(working, applied, systemColors);
  EXPECT_EQ(applied.MenuTopColor, working.MenuTopColor);
  EXPECT_EQ(applied.MainMenuBottom, working.MainMenuBottom);
  EXPECT_EQ(applied.SelBottomColor, working.SelBottomColor);
  EXPECT_EQ(applied.HslMenuBkg, PackHls({100, 120, 150}, settings.HslMenuBkg));
  EXPECT_EQ(applied.InActiveFrameColor, Rgb(9, 9, 9));
  EXPECT_EQ(applied.ItemHeight, 33);
  EXPECT_EQ(applied.MenuFontName, u"Verdana");
  EXPECT_EQ(applied.CodeFontName, settings.CodeFontName);
  EXPECT_EQ(applied.AutoHide, settings.AutoHide);

  storage::TSettings program = settings;
  working = settings;
  SetWindowBackground(working, {3, 100, 150});
  working.AutoHide = !settings.AutoHide;
  working.RestoreClipboard = !settings.RestoreClipboard;
  working.MenuTopColor = Rgb(1, 2, 3);  // not the program dialog's
  ApplyProgramSettings(working, program);
  EXPECT_EQ(program.FormTopColor, WindowColors({3, 100, 150}).Form.Top);
  EXPECT_EQ(program.ButHotDark, WindowColors({3, 100, 150}).HotDark);
  EXPECT_EQ(program.AutoHide, !settings.AutoHide);
  EXPECT_EQ(program.RestoreClipboard, !settings.RestoreClipboard);
  EXPECT_EQ(program.MenuTopColor, settings.MenuTopColor);
}

TEST(MenuPreviewTest, BarAndPopupFollowTheWorkingLookAndSize) {
  const auto colour = [](int r, int g, int b) { return graphics::TQxColor::FromChannels(r, g, b); };
  TMenuColors colors;
  colors.MenuTop = colors.MainMenuBottom = colors.MenuBottom = colour(240, 240, 240);
  colors.SelTop = colors.SelBottom = colour(250, 200, 100);
  colors.PopupFrame = colour(255, 150, 0);
  colors.PipeShadow = 0;
  colors.PipeOnMain = false;
  graphics::TGlyphList glyphs;
  testing::TBoxTextPainter text;
  const graphics::TQxColor frame = colour(100, 0, 100);
  const graphics::TQxColor background = colour(10, 20, 30);
  graphics::TQxBitmap small(400, 300), large(400, 300);
  for (const int itemHeight : {24, 40}) {
    const TMenuMetrics metrics = TMenuMetrics::For(itemHeight, 2, 0, true);
    const TMenuPaintContext context{metrics, colors, glyphs, glyphs, glyphs, 0, text};
    auto root = MenuPreviewItems();
    graphics::TQxBitmap& bitmap = itemHeight == 24 ? small : large;
    PaintMenuPreview(bitmap, *root, context, frame, background);
    auto again = MenuPreviewItems();
    const TMenuPreviewParts parts = LayoutMenuPreview(*again, context, {400, 300});
    EXPECT_EQ(parts.Bar.Height(), itemHeight + 4);
    EXPECT_EQ(parts.Popup.Top, parts.Bar.Bottom);
    EXPECT_EQ(parts.Popup.Height(), 4 * itemHeight + 4);
    EXPECT_EQ(bitmap.Pixel(parts.Bar.Left, parts.Bar.Top), frame);
    EXPECT_EQ(bitmap.Pixel(parts.Bar.Right - 2, parts.Bar.Bottom - 2), frame);
    EXPECT_EQ(bitmap.Pixel(parts.Bar.Right + 1, parts.Bar.Top + 5), background);
    EXPECT_EQ(bitmap.Pixel(parts.Popup.Left + 1, parts.Popup.Bottom - 1), colors.PopupFrame);
    // The popup hangs under the hot second entry, which shows the selection colour; its first row too.
    const TRect entry = root->Children[1]->ItemRect;
    EXPECT_EQ(parts.Popup.Left, entry.Left);
    EXPECT_EQ(bitmap.Pixel(entry.Left + 1, entry.Top + 1), colors.SelTop);
    EXPECT_EQ(bitmap.Pixel(parts.Popup.Right - 4, parts.Popup.Top + 4), colors.SelTop);
    EXPECT_EQ(bitmap.Pixel(parts.Popup.Right - 4, parts.Popup.Top + itemHeight + 4), colors.MenuTop);
  }
}

}  // namespace
}  // namespace tolvane::uimodel
