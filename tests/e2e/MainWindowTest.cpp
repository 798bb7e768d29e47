#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "Steps.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

constexpr int kDemoItems = 22;  // items of examples/Demo.TvXml below its root
constexpr UINT kTrayIconMessage = WM_APP + 0x71;

// A menu file with the top-level folders given, each holding one clip.
std::string MenuWithFolders(std::initializer_list<const char*> folders) {
  std::string text =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Test</Name>\r\n";
  for (const char* folder : folders)
    text += std::string("<Item Type=\"2\" Img=\"-1\"><Name>") + folder +
            "</Name><Item Type=\"0\" Img=\"-1\"><Name>Clip</Name><Code>text</Code></Item></Item>\r\n";
  return text + "</TolvaneDataFile>\r\n";
}

// Another program holding the file open for reading and refusing writers: the file cannot be written.
win32::unique_file DenyWriting(const std::filesystem::path& path) {
  return win32::unique_file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

class TMainWindowTest : public TTolvaneTest {
 protected:
  // Append through Ctrl+A and the open dialog, as a user adds a file to the menu.
  void AppendThroughDialog(const TChildProcess& process, HWND window, const std::filesystem::path& file) {
    ::SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    INPUT keys[4]{};
    for (INPUT& key : keys)
      key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = 'A';
    keys[2].ki.wVk = 'A';
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_CONTROL;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(::SendInput(4, keys, sizeof(INPUT)), 4u);
    ASSERT_TRUE(AnswerFileDialog(process.Id(), file));
    ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::MenuModified) == 1; })) << "nothing appended";
  }
};

TEST_F(TMainWindowTest, StartsDockedWithItsMenuAndSwitchesToTheEditorAndBack) {
  TChildProcess tolvane = Start(CopyDemo(L"Demo.TvXml"));
  const HWND shown = WaitForProcessWindow(tolvane, L"TForm1", kStartTimeoutMs);
  ASSERT_NE(shown, nullptr);
  EXPECT_NE(::GetWindowLongPtrW(shown, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0)
      << "the bar showed without its taskbar button, so it is hidden and shown again to get it";
  const HWND window = ReadyWindow(tolvane);
  ASSERT_NE(window, nullptr) << "MenuReady never came";

  RECT bar = WindowBounds(window);
  const RECT work = WorkAreaOf(window);
  EXPECT_EQ(bar.top, work.top - (kEdgeSize + 1));
  EXPECT_EQ(bar.bottom - bar.top, kBarHeight);
  EXPECT_EQ(Probe(window, TProbe::ItemCount), kDemoItems);
  const std::wstring caption = L"Tolvane - holding " + std::to_wstring(kDemoItems + 1) + L" Items";
  EXPECT_EQ(WindowCaption(window), caption);
  EXPECT_EQ(::GetWindowLongPtrW(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  const HWND owner = ::GetWindow(window, GW_OWNER);
  ASSERT_NE(owner, nullptr) << "an owned window keeps the bar off the taskbar unless asked";
  EXPECT_EQ(::IsWindowVisible(owner), FALSE);

  PressKey(window, VK_F12);
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::EditorMode) == 1; }))
      << "F12 did not open the editor";
  const RECT editor = WindowBounds(window);
  EXPECT_EQ(editor.bottom - editor.top, kEditorHeight);
  EXPECT_NE(::GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_EQ(WindowCaption(window), caption);
  EXPECT_EQ(Probe(window, TProbe::TreeNodeCount), kDemoItems + 1) << "a node for the root and every item";

  PressKey(window, VK_F12);
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::EditorMode) == 0; }));
  EXPECT_EQ(Probe(window, TProbe::TreeNodeCount), 0) << "menu mode keeps no nodes";
  bar = WindowBounds(window);
  EXPECT_EQ(bar.top, work.top - (kEdgeSize + 1));
  EXPECT_EQ(bar.bottom - bar.top, kBarHeight);

  CloseAndExpectCleanExit(tolvane, window);
  const std::string ini = ReadFile(Folder.File(L"Tolvane.ini"));
  EXPECT_NE(ini.find("FormHeight=" + std::to_string(kEditorHeight)), std::string::npos) << ini;
}

TEST_F(TMainWindowTest, ReadOnlyMenuFileKeepsTheBarInMenuMode) {
  const auto menu = CopyDemo(L"Locked.TvXml");
  const win32::unique_file lock = DenyWriting(menu);
  TChildProcess tolvane = Start(menu);
  const HWND window = ReadyWindow(tolvane);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Probe(window, TProbe::MenuFileReadOnly), 1);

  PressKey(window, VK_F12);
  const TBox box = WaitForMessageBox(tolvane.Id());
  ASSERT_NE(box.Window, nullptr) << "no write-access message";
  EXPECT_EQ(box.Caption, L"File Information");
  ClickBoxButton(box.Window, L"&Ok");
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(box.Window) == FALSE; }));
  EXPECT_EQ(Probe(window, TProbe::EditorMode), 0);
  CloseAndExpectCleanExit(tolvane, window);
}

TEST_F(TMainWindowTest, ModifiedMenuIsSavedOnCloseAndAFailedSaveKeepsTheChanges) {
  const auto extra = Folder.File(L"Extra.TvXml");
  WriteFile(extra, MenuWithFolders({"Appended Folder"}));
  {
    const auto menu = CopyDemo(L"Saved.TvXml");
    TChildProcess tolvane = Start(menu);
    const HWND window = ReadyWindow(tolvane);
    ASSERT_NE(window, nullptr);
    AppendThroughDialog(tolvane, window, extra);
    CloseAndExpectCleanExit(tolvane, window);
    EXPECT_NE(ReadFile(menu).find("Appended Folder"), std::string::npos)
        << "the change was not saved at close";
  }

  const auto menu = CopyDemo(L"Failing.TvXml");
  TChildProcess tolvane = Start(menu);
  const HWND window = ReadyWindow(tolvane);
  ASSERT_NE(window, nullptr);
  // Writable when loaded, so the editor allows changes; locked before the save at close.
  const win32::unique_file lock = DenyWriting(menu);
  const std::string before = ReadFile(menu);
  AppendThroughDialog(tolvane, window, extra);

  ::PostMessageW(window, WM_CLOSE, 0, 0);
  TBox error = WaitForMessageBox(tolvane.Id());
  ASSERT_NE(error.Window, nullptr) << "no save error";
  EXPECT_EQ(error.Caption, L"Save File Error");
  ClickBoxButton(error.Window, L"&Ok");
  TBox question = WaitForMessageBox(tolvane.Id());
  ASSERT_TRUE(WaitUntil([&] {
    question = WaitForMessageBox(tolvane.Id());
    return question.Window != error.Window && question.Window != nullptr;
  }));
  ClickBoxButton(question.Window, L"&Yes");  // keep the program open
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(question.Window) == FALSE; }));
  EXPECT_TRUE(tolvane.IsRunning());
  EXPECT_EQ(Probe(window, TProbe::MenuModified), 1) << "the changes are gone";

  ::PostMessageW(window, WM_CLOSE, 0, 0);
  error = WaitForMessageBox(tolvane.Id());
  ASSERT_NE(error.Window, nullptr);
  ClickBoxButton(error.Window, L"&Ok");
  ASSERT_TRUE(WaitUntil([&] {
    question = WaitForMessageBox(tolvane.Id());
    return question.Window != error.Window && question.Window != nullptr;
  }));
  ClickBoxButton(question.Window, L"&No");  // close and discard
  ASSERT_TRUE(tolvane.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(ReadFile(menu), before) << "a failed save changed the file";
}

TEST_F(TMainWindowTest, SecondInstanceWithOtherMenuFileRunsIndependently) {
  TChildProcess first = Start(CopyDemo(L"First.TvXml"));
  const auto other = Folder.File(L"Second.TvXml");
  WriteFile(other, MenuWithFolders({"One", "Two"}));
  TChildProcess second(WindowsPath(TOLVANE_EXE),
                       {L"-i" + Folder.File(L"Second.ini").wstring(), L"-M" + other.wstring()});
  const HWND firstWindow = ReadyWindow(first);
  const HWND secondWindow = ReadyWindow(second);
  ASSERT_NE(firstWindow, nullptr);
  ASSERT_NE(secondWindow, nullptr);
  EXPECT_NE(firstWindow, secondWindow);
  EXPECT_EQ(Probe(firstWindow, TProbe::ItemCount), kDemoItems);
  EXPECT_EQ(Probe(secondWindow, TProbe::ItemCount), 4) << "the second instance did not load its -M file";

  CloseAndExpectCleanExit(first, firstWindow);
  EXPECT_TRUE(second.IsRunning());
  EXPECT_NE(::IsWindowVisible(secondWindow), FALSE);
  CloseAndExpectCleanExit(second, secondWindow);
}

TEST_F(TMainWindowTest, AutoHideTrayAndForegroundHistory) {
  TChildProcess tolvane = Start(CopyDemo(L"Hide.TvXml"), true);
  const HWND window = ReadyWindow(tolvane);
  ASSERT_NE(window, nullptr);
  const RECT work = WorkAreaOf(window);
  // The bar in front first, as after the user worked with it (Wine's own tray window may have taken the
  // foreground since the start).
  ::SetForegroundWindow(window);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
  const TOtherWindow first(100);
  const TOtherWindow second(400);

  // Another program in front: the bar hides with its bottom on the work area's top edge.
  ::SetCursorPos(600, 600);
  ASSERT_TRUE(first.BringToFront());
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::BarHidden) == 1; })) << "the bar did not hide";
  EXPECT_EQ(WindowBounds(window).bottom, work.top);

  // The pointer at the top edge over the bar reveals it without taking the focus.
  const RECT hidden = WindowBounds(window);
  ::SetCursorPos((hidden.left + hidden.right) / 2, work.top);
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::BarHidden) == 0; }))
      << "no reveal at the top edge";
  EXPECT_EQ(WindowBounds(window).top, work.top - (kEdgeSize + 1));
  EXPECT_EQ(::GetForegroundWindow(), first.Handle());
  // Away from it, it hides again after the pause.
  ::SetCursorPos(600, 600);
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::BarHidden) == 1; }))
      << "no auto-hide after the pause";

  // Foreground history: other programs only, newest first, never the same window twice in a row.
  ASSERT_TRUE(second.BringToFront());
  ASSERT_TRUE(WaitUntil([&] {
    return Probe(window, TProbe::HistoryEntry, 0) == reinterpret_cast<LRESULT>(second.Handle());
  })) << "the history did not take the window in front";
  ASSERT_TRUE(first.BringToFront());
  ASSERT_TRUE(WaitUntil([&] {
    return Probe(window, TProbe::HistoryEntry, 0) == reinterpret_cast<LRESULT>(first.Handle()) &&
           Probe(window, TProbe::HistoryEntry, 1) == reinterpret_cast<LRESULT>(second.Handle());
  })) << "the history did not follow the foreground";
  for (LPARAM i = 0; i < 4; ++i) {
    const HWND entry = reinterpret_cast<HWND>(Probe(window, TProbe::HistoryEntry, i));
    if (entry == nullptr)
      continue;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(entry, &owner);
    EXPECT_NE(owner, tolvane.Id()) << "the program's own window is in the history";
    EXPECT_NE(WindowClass(entry), L"Shell_TrayWnd");
    if (i > 0) {
      EXPECT_NE(entry, reinterpret_cast<HWND>(Probe(window, TProbe::HistoryEntry, i - 1)));
    }
  }

  // A click on the tray icon brings the hidden bar back at its place and gives it the foreground.
  ::PostMessageW(window, kTrayIconMessage, 1, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::BarHidden) == 0; }))
      << "the tray click showed nothing";
  EXPECT_EQ(WindowBounds(window).top, work.top - (kEdgeSize + 1));
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }))
      << "the bar did not get the foreground";
  CloseAndExpectCleanExit(tolvane, window);
}

}  // namespace
}  // namespace tolvane::e2e
