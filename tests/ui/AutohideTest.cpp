#include "uimodel/Autohide.h"

#include <gtest/gtest.h>

namespace tolvane::uimodel {
namespace {

constexpr int WorkTop = 40;
constexpr int Height = 24;

TBarState Shown(bool inactive = true) {
  return {TRect::Sized(100, WorkTop - 2, 800, Height), WorkTop, inactive, false};
}
TBarState Hidden() {
  return {TRect::Sized(100, WorkTop - Height, 800, Height), WorkTop, true, false};
}

TEST(AutoHideTest, HidesOnTheFifthTickOutsideWithAPauseOf1000) {
  TAutoHideTimer timer;
  const TBarSettings settings;  // AutoHide on, pause 1000
  const TPoint away{500, 600};
  for (int tick = 1; tick <= 4; ++tick)
    EXPECT_EQ(timer.Tick(Shown(), away, settings), TAutoHideAction::None) << tick;
  EXPECT_EQ(timer.Tick(Shown(), away, settings), TAutoHideAction::Hide);
}

TEST(AutoHideTest, ThePointerOverTheBarOrAnActiveBarKeepsItShown) {
  TAutoHideTimer timer;
  const TBarSettings settings;
  for (int tick = 0; tick < 3; ++tick)
    (void)timer.Tick(Shown(), TPoint{500, 600}, settings);
  EXPECT_EQ(timer.Tick(Shown(), TPoint{500, 45}, settings), TAutoHideAction::None);
  EXPECT_EQ(timer.IdleTicks(), 0);
  for (int tick = 0; tick < 10; ++tick)
    EXPECT_EQ(timer.Tick(Shown(false), TPoint{500, 600}, settings), TAutoHideAction::None);
}

TEST(AutoHideTest, AHiddenBarComesBackOnlyAtTheTopEdgeWithinItsExtent) {
  TAutoHideTimer timer;
  const TBarSettings settings;
  EXPECT_EQ(timer.Tick(Hidden(), TPoint{500, WorkTop}, settings), TAutoHideAction::Reveal);
  EXPECT_EQ(timer.Tick(Hidden(), TPoint{500, WorkTop + 1}, settings), TAutoHideAction::None);
  EXPECT_EQ(timer.Tick(Hidden(), TPoint{100, 0}, settings), TAutoHideAction::None);  // the left edge itself
  EXPECT_EQ(timer.Tick(Hidden(), TPoint{899, 0}, settings), TAutoHideAction::Reveal);
  EXPECT_EQ(timer.Tick(Hidden(), TPoint{900, 0}, settings), TAutoHideAction::None);
}

TEST(AutoHideTest, WithoutAutoHideTheTopEdgeRaisesTheBar) {
  TAutoHideTimer timer;
  TBarSettings settings;
  settings.AutoHide = false;
  for (int tick = 0; tick < 10; ++tick)
    EXPECT_EQ(timer.Tick(Shown(), TPoint{500, 600}, settings), TAutoHideAction::None);
  EXPECT_EQ(timer.Tick(Shown(), TPoint{500, WorkTop}, settings), TAutoHideAction::RaiseTwice);
}

TEST(AutoHideTest, BecomingActiveAndInactive) {
  EXPECT_EQ(OnBecomingActive(Hidden()), TActivateAction::Reveal);
  EXPECT_EQ(OnBecomingActive(Shown()), TActivateAction::RaiseNormal);
  TBarState dialog = Hidden();
  dialog.DialogOpen = true;
  EXPECT_EQ(OnBecomingActive(dialog), TActivateAction::Nothing);
  TBarState editor{TRect::Sized(100, -500, 800, 600), WorkTop, true, false};
  EXPECT_EQ(OnBecomingActive(editor), TActivateAction::RaiseNormal);  // tall: never revealed

  TBarSettings settings;
  settings.StayOnTop = true;
  const TDeactivateSteps steps = OnBecomingInactive(Shown(), settings);
  EXPECT_FALSE(steps.Stop);
  EXPECT_TRUE(steps.RaiseTopmost);
  EXPECT_TRUE(steps.Hide);
  EXPECT_TRUE(OnBecomingInactive(editor, settings).Stop);
  EXPECT_TRUE(OnBecomingInactive(dialog, settings).Stop);
  settings.AutoHide = false;
  EXPECT_FALSE(OnBecomingInactive(Shown(), settings).Hide);
}

}  // namespace
}  // namespace tolvane::uimodel
