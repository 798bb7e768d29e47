#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "Driver.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

// The first start in a new Wine prefix initialises the prefix and takes far longer than later ones.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 15000;
constexpr DWORD kStateTimeoutMs = 10000;
constexpr int kEdgeSize = 1;
constexpr int kItemHeight = 30;
constexpr int kBarHeight = kItemHeight + 2 * (kEdgeSize + 1);
constexpr int kEditorHeight = 600;
constexpr int kDemoItems = 13;  // items of examples/Demo.TvXml below its root
constexpr UINT kTrayIconMessage = WM_APP + 0x71;

// Polls the condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kStateTimeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (condition())
      return true;
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// The main window's answer to the probe; -1 when it does not answer.
LRESULT Probe(HWND window, TProbe query, LPARAM argument = 0) {
  static const UINT message =
      ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(uimodel::ProbeMessageName));
  DWORD_PTR answer = 0;
  if (::SendMessageTimeoutW(window, message, static_cast<WPARAM>(query), argument, SMTO_ABORTIFHUNG, 5000,
                            &answer) == 0)
    return -1;
  return static_cast<LRESULT>(answer);
}

void PressKey(HWND window, UINT key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 1);
  ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

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

// A visible top-level window of the class owned by the process.
HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  for (HWND window : ProcessWindows(processId, className))
    if (::IsWindowVisible(window) != FALSE)
      return window;
  return nullptr;
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
  HWND child = nullptr;
  while ((child = ::FindWindowExW(parent, child, nullptr, nullptr)) != nullptr)
    if (WindowCaption(child) == text)
      return child;
  return nullptr;
}

// The text of the program's message box, found by its static or painted text through its caption.
struct TBox {
  HWND Window = nullptr;
  std::wstring Caption;
};

TBox WaitForMessageBox(DWORD processId) {
  TBox box;
  WaitUntil([&] {
    box.Window = FindProcessWindow(processId, L"TQxMsgBox");
    return box.Window != nullptr;
  });
  if (box.Window != nullptr)
    box.Caption = WindowCaption(box.Window);
  return box;
}

void ClickBoxButton(HWND box, const std::wstring& caption) {
  const HWND button = ChildWithText(box, caption);
  ASSERT_NE(button, nullptr) << "no button " << std::string(caption.begin(), caption.end());
  ::PostMessageW(button, BM_CLICK, 0, 0);
}

class TMainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { UsePhysicalPixels(); }

  // Settings that keep the bar where the tests look for it; autoHide decides whether it hides.
  void WriteSettings(bool autoHide) {
    std::string ini = "\xEF\xBB\xBF[Form]\r\nFormHeight=" + std::to_string(kEditorHeight) +
                      "\r\n[Switchs]\r\nAutoHide=" + (autoHide ? "true" : "false") +
                      "\r\n[Sizes]\r\nEdgeSize=" + std::to_string(kEdgeSize) +
                      "\r\nItemHeight=" + std::to_string(kItemHeight) +
                      "\r\n[Counts]\r\nAutoHidePause=1000\r\n";
    WriteFile(Folder.File(L"Tolvane.ini"), ini);
  }

  std::filesystem::path CopyDemo(std::wstring_view menuName) {
    const auto menu = Folder.File(menuName);
    std::filesystem::copy_file(WindowsPath(TOLVANE_DEMO_MENU), menu,
                               std::filesystem::copy_options::overwrite_existing);
    return menu;
  }

  TChildProcess Start(const std::filesystem::path& menu, bool autoHide = false) {
    WriteSettings(autoHide);
    return TChildProcess(WindowsPath(TOLVANE_EXE),
                         {L"-i" + Folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()});
  }

  // The main window once the second start-up tick has run.
  static HWND ReadyWindow(const TChildProcess& process) {
    const HWND window = WaitForProcessWindow(process, L"TForm1", kStartTimeoutMs);
    if (window == nullptr || !WaitUntil([&] { return Probe(window, TProbe::MenuReady) == 1; }))
      return nullptr;
    return window;
  }

  static void CloseAndExpectCleanExit(TChildProcess& process, HWND window) {
    ASSERT_NE(::PostMessageW(window, WM_CLOSE, 0, 0), FALSE);
    ASSERT_TRUE(process.WaitForExit(kExitTimeoutMs)) << "still running after WM_CLOSE";
    EXPECT_EQ(process.ExitCode(), std::optional<DWORD>(0));
    EXPECT_EQ(::IsWindow(window), FALSE);
  }

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
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindProcessWindow(process.Id(), L"#32770")) != nullptr; }))
        << "no open dialog";
    const std::wstring path = file.wstring();
    for (int id : {0x47C, 0x480}) {  // the file-name combo box and the plain file-name edit
      if (::GetDlgItem(dialog, id) != nullptr)
        ::SendMessageW(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    }
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::MenuModified) == 1; })) << "nothing appended";
  }

  TTempFolder Folder;
};

TEST_F(TMainWindowTest, StartsDockedWithItsMenuAndSwitchesToTheEditorAndBack) {
  TChildProcess tolvane = Start(CopyDemo(L"Demo.TvXml"));
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

  PressKey(window, VK_F12);
  ASSERT_TRUE(WaitUntil([&] { return Probe(window, TProbe::EditorMode) == 0; }));
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

// A window of the test process that can be brought to the front, as another program would be.
class TOtherWindow {
 public:
  explicit TOtherWindow(int left) {
    Window = ::CreateWindowExW(0, L"STATIC", L"other program", WS_POPUP | WS_VISIBLE | WS_BORDER, left, 400,
                               200, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
  TOtherWindow(const TOtherWindow&) = delete;
  TOtherWindow& operator=(const TOtherWindow&) = delete;
  ~TOtherWindow() { ::DestroyWindow(Window); }

  bool BringToFront() const {
    ::SetForegroundWindow(Window);
    return WaitUntil([&] { return ::GetForegroundWindow() == Window; });
  }
  HWND Handle() const { return Window; }

 private:
  HWND Window = nullptr;
};

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
