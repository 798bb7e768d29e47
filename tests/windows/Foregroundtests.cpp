#include <gtest/gtest.h>

#include "Testsupport.h"
#include "platform/win32/Foreground.h"

namespace tolvane::win32 {
namespace {

platform::TWindowHandle HandleOf(HWND window) {
  return reinterpret_cast<platform::TWindowHandle>(window);
}

TEST(ForegroundWindow, ReportsTheWindowItBroughtForward) {
  testing::TTestWindow window;
  TForegroundWindow foreground;
  ASSERT_TRUE(foreground.Set(HandleOf(window.Handle())));
  EXPECT_TRUE(testing::PumpUntil([&] { return foreground.Get() == HandleOf(window.Handle()); }));
  EXPECT_EQ(foreground.ClassName(foreground.Get()), u"TolvaneTestWindow");
  EXPECT_TRUE(foreground.IsOwnWindow(foreground.Get()));
  EXPECT_TRUE(foreground.IsWindow(foreground.Get()));
}

TEST(ForegroundWindow, TreatsADestroyedWindowAsGone) {
  testing::TTestWindow window(testing::TTestWindow::TVisibility::Hidden);
  const platform::TWindowHandle handle = HandleOf(window.Handle());
  window.Destroy();
  TForegroundWindow foreground;
  EXPECT_FALSE(foreground.IsWindow(handle));
  EXPECT_EQ(foreground.ClassName(handle), u"");
  EXPECT_FALSE(foreground.IsOwnWindow(handle));
}

TEST(ForegroundWindow, DoesNotClaimWindowsOfOtherProcesses) {
  TForegroundWindow foreground;
  EXPECT_FALSE(foreground.IsOwnWindow(HandleOf(::GetDesktopWindow())));
}

}  // namespace
}  // namespace tolvane::win32
