#include <gtest/gtest.h>

#include "execution/Targetwindow.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingforeground.h"
#include "platform/recording/Recordingtime.h"

namespace tolvane::execution {
namespace {

using Entries = TForegroundHistory::TEntries;

// A desktop whose foreground switches take effect only after a number of queries, as real ones do.
class TSlowForeground final : public platform::IForegroundWindow {
 public:
  explicit TSlowForeground(recording::TRecordingForeground& desktop) : Desktop(desktop) {}

  platform::TWindowHandle Get() override {
    if (PendingQueries == 0)
      return Desktop.Get();
    --PendingQueries;
    return Previous;
  }
  [[nodiscard]] bool Set(platform::TWindowHandle window) override {
    Previous = Desktop.Get();
    PendingQueries = Lag;
    return Desktop.Set(window);
  }
  std::u16string ClassName(platform::TWindowHandle window) override { return Desktop.ClassName(window); }
  bool IsOwnWindow(platform::TWindowHandle window) override { return Desktop.IsOwnWindow(window); }
  bool IsWindow(platform::TWindowHandle window) override { return Desktop.IsWindow(window); }
  std::u16string Title(platform::TWindowHandle window) override { return Desktop.Title(window); }
  platform::TInputAccess InputAccess(platform::TWindowHandle window) override {
    return Desktop.InputAccess(window);
  }

  // How many queries after a switch still report the window that was in front before.
  int Lag = 0;

 private:
  recording::TRecordingForeground& Desktop;
  platform::TWindowHandle Previous = 0;
  int PendingQueries = 0;
};

class TargetWindowTest : public ::testing::Test {
 protected:
  TargetWindowTest() {
    for (platform::TWindowHandle window = 1; window <= 6; ++window)
      Desktop.AddWindow(window, u"Editor");
    Desktop.AddWindow(Own, u"TolvaneMain", true);
    Desktop.AddWindow(Taskbar, u"Shell_TrayWnd");
    Desktop.AddWindow(Switcher, u"TaskSwitcherWnd");
  }

  // Each window in turn comes to the front and the history timer ticks.
  void Visit(std::initializer_list<platform::TWindowHandle> windows) {
    for (const platform::TWindowHandle window : windows) {
      Desktop.BringToFront(window);
      History.RecordForeground(Desktop, Locale);
    }
  }

  TRestoreResult Restore(platform::TWindowHandle focusTimeForeground, bool closing = false) {
    return RestoreTargetWindow(History, focusTimeForeground, closing, Slow, Time);
  }

  static constexpr platform::TWindowHandle Own = 10, Taskbar = 11, Switcher = 12;
  native::TNativeLocale Locale{"en_US"};
  recording::TRecorder Recorder;
  recording::TRecordingForeground Desktop{Recorder};
  TSlowForeground Slow{Desktop};
  recording::TRecordingTime Time{Recorder};
  TForegroundHistory History;
};

TEST_F(TargetWindowTest, HistoryKeepsTheLastFourOtherWindowsNewestFirst) {
  Visit({1, 1, 2, 1});
  EXPECT_EQ(History.Entries(), (Entries{1, 2, 1, 0}));
  Visit({Own, Taskbar, Switcher, 1, 0, 3, 4, 5});
  EXPECT_EQ(History.Entries(), (Entries{5, 4, 3, 1}));
  Desktop.AddWindow(7, u"taskswitcherWND");
  Desktop.AddWindow(8, u"SHELL_TRAYWND");
  Visit({7, 8});
  EXPECT_EQ(History.Entries(), (Entries{5, 4, 3, 1}));
}

TEST_F(TargetWindowTest, TargetIsTheNewestLiveEntryOtherThanTheFocusTimeForeground) {
  EXPECT_EQ(History.Target(0, Desktop), 0U);
  Visit({1, 2, 3});
  EXPECT_EQ(History.Target(0, Desktop), 3U);
  EXPECT_EQ(History.Target(3, Desktop), 2U);
  Desktop.RemoveWindow(2);
  EXPECT_EQ(History.Target(3, Desktop), 1U);
}

TEST_F(TargetWindowTest, RestoreWaitsAtMostTenStepsForTheSwitch) {
  Visit({1, 2});
  Desktop.BringToFront(Own);
  struct TRow {
    int Lag;
    TRestoreResult Result;
    const char* Trace;
  };
  const TRow rows[] = {
      {0, TRestoreResult::Restored, "foreground 2\n"},
      {3, TRestoreResult::Restored, "foreground 2\nsleep 10\nsleep 10\nsleep 10\n"},
      {10, TRestoreResult::Restored,
       "foreground 2\nsleep 10\nsleep 10\nsleep 10\nsleep 10\nsleep 10\n"
       "sleep 10\nsleep 10\nsleep 10\nsleep 10\nsleep 10\n"},
      {11, TRestoreResult::NotInFront,
       "foreground 2\nsleep 10\nsleep 10\nsleep 10\nsleep 10\nsleep 10\n"
       "sleep 10\nsleep 10\nsleep 10\nsleep 10\nsleep 10\n"},
  };
  for (const TRow& row : rows) {
    Desktop.BringToFront(Own);
    Recorder.Clear();
    Slow.Lag = row.Lag;
    EXPECT_EQ(Restore(1), row.Result) << row.Lag;
    EXPECT_EQ(Recorder.Trace(), row.Trace) << row.Lag;
  }
}

TEST_F(TargetWindowTest, RestoreDoesNothingWhenClosingEmptyOrRefused) {
  EXPECT_EQ(Restore(0), TRestoreResult::NoTarget);
  Visit({1});
  EXPECT_EQ(Restore(1), TRestoreResult::NoTarget);
  EXPECT_EQ(Restore(0, true), TRestoreResult::Closing);
  Desktop.BringToFront(Own);
  Desktop.FailNextSets(1);
  EXPECT_EQ(Restore(0), TRestoreResult::NotInFront);
  EXPECT_EQ(Recorder.Trace(), "");
  EXPECT_EQ(Desktop.SetCalls(), 1U);
}

}  // namespace
}  // namespace tolvane::execution
