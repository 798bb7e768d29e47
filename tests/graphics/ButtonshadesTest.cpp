#include "graphics/Buttonshades.h"

#include <gtest/gtest.h>

#include "platform/portable/Fixedsystemcolors.h"

namespace tolvane::graphics {
namespace {

class ButtonShadesTest : public ::testing::Test {
 protected:
  ButtonShadesTest() {
    Colors.SetColor(15, RgbColor(255, 0, 0));
    Shades.OnRepaint = [this] { ++Repaints; };
  }

  portable::TFixedSystemColors Colors;
  TQxButtonShades Shades{Colors};
  int Repaints = 0;
};

TEST_F(ButtonShadesTest, AutoDarkDerivesHotDisabledAndDimmed) {
  Shades.setClAutoDark(RgbColor(255, 0, 0));
  EXPECT_EQ(Shades.ClAutoDark(), RgbColor(255, 0, 0));
  EXPECT_EQ(Shades.ClHotDark(), RgbColor(255, 0, 0));
  EXPECT_EQ(Shades.ClDisabDark(), RgbColor(79, 79, 79));
  // HSL (0, 100, 49) with saturation 100 − 33 = 67.
  EXPECT_EQ(Shades.ClDimmedDark(), RgbColor(206, 43, 43));
  EXPECT_EQ(Repaints, 1);
}

TEST_F(ButtonShadesTest, AutoLightDerivesHotDisabledAndDimmed) {
  Shades.setClAutoLight(RgbColor(255, 0, 0));
  EXPECT_EQ(Shades.ClHotLight(), RgbColor(255, 0, 0));
  EXPECT_EQ(Shades.ClDisabLight(), RgbColor(79, 79, 79));
  // Saturation 100 / 3 = 33, lightness 49 − 49 / 15 = 46.
  EXPECT_EQ(Shades.ClDimmedLight(), RgbColor(155, 79, 79));
  EXPECT_EQ(Repaints, 1);
}

TEST_F(ButtonShadesTest, SystemColoursAreResolvedForDerivedShadesOnly) {
  Shades.setClAutoDark(0xFF00000Fu);
  EXPECT_EQ(Shades.ClHotDark(), 0xFF00000Fu);
  EXPECT_EQ(Shades.ClDisabDark(), RgbColor(79, 79, 79));
  EXPECT_EQ(Shades.ClDimmedDark(), RgbColor(206, 43, 43));
}

TEST_F(ButtonShadesTest, SingleShadesRepaintOnlyOnChange) {
  using TSetter = void (TQxButtonShades::*)(TColor);
  using TGetter = TColor (TQxButtonShades::*)() const;
  const std::pair<TSetter, TGetter> shades[] = {
      {&TQxButtonShades::setClHotDark, &TQxButtonShades::ClHotDark},
      {&TQxButtonShades::setClHotLight, &TQxButtonShades::ClHotLight},
      {&TQxButtonShades::setClDimmedDark, &TQxButtonShades::ClDimmedDark},
      {&TQxButtonShades::setClDimmedLight, &TQxButtonShades::ClDimmedLight},
      {&TQxButtonShades::setClDisabDark, &TQxButtonShades::ClDisabDark},
      {&TQxButtonShades::setClDisabLight, &TQxButtonShades::ClDisabLight},
      {&TQxButtonShades::setClSelDownDark, &TQxButtonShades::ClSelDownDark},
      {&TQxButtonShades::setClSelDownLight, &TQxButtonShades::ClSelDownLight}};
  TColor value = 0x102030;
  for (const auto& [set, get] : shades) {
    const int before = Repaints;
    (Shades.*set)(value);
    EXPECT_EQ((Shades.*get)(), value);
    (Shades.*set)(value);
    EXPECT_EQ(Repaints, before + 1);
    value += 0x010101;
  }
}

}  // namespace
}  // namespace tolvane::graphics
