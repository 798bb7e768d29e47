#include "uimodel/Menustate.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

using E = TMenuEffect;

TEST(MenuStateTest, TheBarOpensOnReleaseAndSwitchesAlongTheBarWhileActive) {
  TBarMenuState bar;
  EXPECT_EQ(bar.Move(1, false, true), E::Nothing);  // nothing active yet
  EXPECT_EQ(bar.Press(1), E::Repaint);
  EXPECT_TRUE(bar.IsPressed(1));
  EXPECT_EQ(bar.Release(1, true), E::OpenPopup);
  EXPECT_EQ(bar.Hot(), 1);
  EXPECT_EQ(bar.Move(2, true, true), E::Nothing);  // a picker is open
  EXPECT_EQ(bar.Move(2, false, true), E::OpenPopup);
  EXPECT_EQ(bar.Move(2, false, true), E::Nothing);
  EXPECT_EQ(bar.Move(3, false, false), E::ClosePopup);  // no children: the open popup closes
  EXPECT_EQ(bar.Active(), 3);
  bar.Press(0);
  EXPECT_EQ(bar.Release(2, true), E::CloseAll);  // released on another entry
  EXPECT_EQ(bar.Active(), -1);
  EXPECT_EQ(bar.Hot(), -1);
}

TEST(MenuStateTest, SelectAtClicksWhenIdleAndSwitchesWhenActive) {
  TBarMenuState bar;
  EXPECT_EQ(bar.SelectAt(-1, true), E::CloseAll);
  EXPECT_EQ(bar.SelectAt(2, true), E::OpenPopup);
  EXPECT_FALSE(bar.IsPressed(2));
  EXPECT_EQ(bar.SelectAt(2, true), E::Nothing);
  EXPECT_EQ(bar.SelectAt(0, false), E::ClosePopup);
  EXPECT_EQ(bar.Hot(), 0);
  EXPECT_EQ(bar.Active(), 0);
}

TEST(MenuStateTest, APopupRowPressedAndReleasedInsideIsPerformed) {
  TPopupMenuState popup;
  EXPECT_EQ(popup.Move(2, true), E::OpenPopup);
  EXPECT_EQ(popup.Move(-1, false), E::Nothing);  // the frame on the way to the child popup
  EXPECT_EQ(popup.Hot(), 2);
  EXPECT_EQ(popup.Move(3, false), E::ClosePopup);
  EXPECT_EQ(popup.Release(3, true), E::Nothing);  // no press before it
  popup.Press(3);
  EXPECT_EQ(popup.Release(3, true), E::Perform);
  EXPECT_EQ(popup.Pressed(), -1);
  popup.Press(1);
  EXPECT_EQ(popup.Release(1, false), E::Repaint);  // released outside
}

}  // namespace
}  // namespace tolvane::uimodel
