#include <gtest/gtest.h>

#include <chrono>

#include "Testsupport.h"
#include "platform/win32/Time.h"

namespace tolvane::win32 {
namespace {

TEST(Time, TickCountFollowsSleep) {
  TTime time;
  const std::uint32_t before = time.TickCount();
  time.Sleep(100);
  const std::uint32_t elapsed = time.TickCount() - before;
  EXPECT_GE(elapsed, 90U);
  EXPECT_LT(elapsed, 5000U);
}

TEST(Time, NowIsAConsistentCalendarTime) {
  const platform::TDateTime now = TTime().Now();
  EXPECT_GE(now.Year, 2024);
  const std::chrono::year_month_day date{std::chrono::year(now.Year), std::chrono::month(now.Month),
                                         std::chrono::day(now.Day)};
  ASSERT_TRUE(date.ok());
  EXPECT_EQ(now.DayOfWeek, static_cast<int>(std::chrono::weekday(std::chrono::sys_days(date)).c_encoding()));
  EXPECT_LT(now.Hour, 24);
  EXPECT_LT(now.Millisecond, 1000);
}

TEST(Time, WaitingHandlesMessagesForTheWholeTime) {
  testing::TTestWindow window(testing::TTestWindow::TVisibility::Hidden);
  ASSERT_TRUE(::PostMessageW(window.Handle(), WM_APP, 0, 0));
  TTime time;
  const std::uint32_t before = time.TickCount();
  time.WaitProcessingMessages(200);
  EXPECT_GE(time.TickCount() - before, 190U);
  EXPECT_EQ(window.AppMessages(), 1);
}

TEST(Time, WaitingEndsAtQuitAndLeavesTheQuitForTheMessageLoop) {
  ::PostQuitMessage(7);
  TTime time;
  const std::uint32_t before = time.TickCount();
  time.WaitProcessingMessages(10000);
  EXPECT_LT(time.TickCount() - before, 5000U);
  MSG message{};
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7U);
}

}  // namespace
}  // namespace tolvane::win32
