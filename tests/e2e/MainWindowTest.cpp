#include <gtest/gtest.h>

#include <filesystem>

#include "Driver.h"

namespace tolvane::e2e {
namespace {

// The first start in a new Wine prefix initialises the prefix and takes far longer than later ones.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr int kEditorModeMinHeight = 100;  // taller than this, the main window is in editor mode

int MenuTextHeight() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return metrics.lfMenuFont.lfHeight < 0 ? -metrics.lfMenuFont.lfHeight : metrics.lfMenuFont.lfHeight;
}

class TMainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { UsePhysicalPixels(); }

  // Starts tolvane.exe with its own settings file and a copy of the demo menu in the temp folder.
  TChildProcess Start(std::wstring_view menuName) {
    const auto menu = Folder.File(menuName);
    std::filesystem::copy_file(WindowsPath(TOLVANE_DEMO_MENU), menu,
                               std::filesystem::copy_options::overwrite_existing);
    return TChildProcess(WindowsPath(TOLVANE_EXE),
                         {L"-i" + Folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()});
  }

  static HWND MainWindow(const TChildProcess& process) {
    return WaitForProcessWindow(process, L"TForm1", kStartTimeoutMs);
  }

  static void CloseAndExpectCleanExit(TChildProcess& process, HWND window) {
    ASSERT_NE(::PostMessageW(window, WM_CLOSE, 0, 0), FALSE);
    ASSERT_TRUE(process.WaitForExit(kExitTimeoutMs)) << "still running after WM_CLOSE";
    EXPECT_EQ(process.ExitCode(), std::optional<DWORD>(0));
    EXPECT_EQ(::IsWindow(window), FALSE);
  }

  TTempFolder Folder;
};

TEST_F(TMainWindowTest, BarIsOneMenuRowAtTopOfWorkArea) {
  TChildProcess tolvane = Start(L"Demo.TvXml");
  const HWND window = MainWindow(tolvane);
  ASSERT_NE(window, nullptr) << "no visible TForm1 window of the started process";

  const RECT bar = WindowBounds(window);
  const RECT work = WorkAreaOf(window);
  EXPECT_EQ(bar.top, work.top);
  EXPECT_EQ(bar.left, work.left);
  EXPECT_EQ(bar.right, work.right);
  const int height = bar.bottom - bar.top;
  EXPECT_GE(height, MenuTextHeight()) << "caption does not fit";
  EXPECT_LT(height, 2 * MenuTextHeight() + 8) << "more than one menu row";
  EXPECT_LE(height, kEditorModeMinHeight);
}

TEST_F(TMainWindowTest, BarIsBorderlessAndHasNoTaskbarButtonOfItsOwn) {
  TChildProcess tolvane = Start(L"Demo.TvXml");
  const HWND window = MainWindow(tolvane);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(WindowCaption(window), L"Tolvane");
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_NE(style & WS_POPUP, 0);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_EQ(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

  // A visible unowned window would get a taskbar button; a hidden owner of the same process keeps it off.
  const HWND owner = ::GetWindow(window, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(::IsWindowVisible(owner), FALSE);
  DWORD ownerProcess = 0;
  ::GetWindowThreadProcessId(owner, &ownerProcess);
  EXPECT_EQ(ownerProcess, tolvane.Id());
}

TEST_F(TMainWindowTest, ClosesWithExitCodeZero) {
  TChildProcess tolvane = Start(L"Demo.TvXml");
  const HWND window = MainWindow(tolvane);
  ASSERT_NE(window, nullptr);
  CloseAndExpectCleanExit(tolvane, window);
  EXPECT_TRUE(ProcessWindows(tolvane.Id(), L"TForm1").empty());
}

TEST_F(TMainWindowTest, SecondInstanceWithOtherMenuFileRunsIndependently) {
  TChildProcess first = Start(L"First.TvXml");
  TChildProcess second = Start(L"Second.TvXml");
  const HWND firstWindow = MainWindow(first);
  const HWND secondWindow = MainWindow(second);
  ASSERT_NE(firstWindow, nullptr);
  ASSERT_NE(secondWindow, nullptr);
  EXPECT_NE(firstWindow, secondWindow);

  CloseAndExpectCleanExit(first, firstWindow);
  EXPECT_TRUE(second.IsRunning());
  EXPECT_NE(::IsWindowVisible(secondWindow), FALSE);
  CloseAndExpectCleanExit(second, secondWindow);
}

}  // namespace
}  // namespace tolvane::e2e
