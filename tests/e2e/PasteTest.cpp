#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "Steps.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

constexpr const char* kMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Menus</Name>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Texts</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Greeting</Name><Code>Hello from the menu</Code></Item>\r\n"
    "</Item>\r\n"
    "</TolvaneDataFile>\r\n";

// What the paste target saw when the paste reached it.
struct TPasteSeen {
  bool Excluded = false;         // "ExcludeClipboardContentFromMonitorProcessing" present
  std::optional<DWORD> History;  // "CanIncludeInClipboardHistory"
  std::optional<DWORD> Cloud;    // "CanUploadToCloudClipboard"
  int Pastes = 0;
};

TPasteSeen Seen;
WNDPROC EditProc = nullptr;

std::optional<DWORD> FormatValue(const wchar_t* name) {
  const HANDLE data = ::GetClipboardData(::RegisterClipboardFormatW(name));
  if (data == nullptr || ::GlobalSize(data) < sizeof(DWORD))
    return std::nullopt;
  const win32::TGlobalLock lock(data);
  return lock ? std::optional<DWORD>(*static_cast<const DWORD*>(lock.get())) : std::nullopt;
}

// The edit of the target window, looking at the clipboard and the keys as a paste arrives.
LRESULT CALLBACK WatchingEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PASTE && ::OpenClipboard(window)) {
    ++Seen.Pastes;
    Seen.Excluded = ::IsClipboardFormatAvailable(
        ::RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing"));
    Seen.History = FormatValue(L"CanIncludeInClipboardHistory");
    Seen.Cloud = FormatValue(L"CanUploadToCloudClipboard");
    ::CloseClipboard();
  }
  return ::CallWindowProcW(EditProc, window, message, wParam, lParam);
}

class TPasteTest : public TTolvaneTest {
 protected:
  void Open(bool restoreClipboard) {
    const std::filesystem::path menu = Folder.File(L"Menus.TvXml");
    WriteFile(menu, kMenu);
    WriteSettings(false);
    if (!restoreClipboard) {
      std::string ini = ReadFile(Folder.File(L"Tolvane.ini"));
      ini.replace(ini.find("[Switchs]\r\n"), 11, "[Switchs]\r\nRestoreClipboard=false\r\n");
      WriteFile(Folder.File(L"Tolvane.ini"), ini);
    }
    Tolvane.emplace(
        WindowsPath(TOLVANE_EXE),
        std::vector<std::wstring>{L"-i" + Folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()});
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    Panel = ::FindWindowExW(Window, nullptr, L"TPanelMainMenu", nullptr);
    ASSERT_NE(Panel, nullptr);
    ASSERT_TRUE(MoveMouse(POINT{4, ::GetSystemMetrics(SM_CYSCREEN) - 14}));
    // The bar keeps its history of foreground windows once it has been active and is no longer.
    ::SetForegroundWindow(Window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == Window; }));
  }

  // Puts the window in front, so the bar records it as the paste target.
  void Remember(const TTargetWindow& target) const {
    ASSERT_TRUE(target.BringToFront());
    ASSERT_TRUE(WaitUntil([&] {
      return Probe(Window, TProbe::HistoryEntry, 0) == reinterpret_cast<LRESULT>(target.Handle());
    })) << "the target is not in the history";
  }

  // "Greeting", the first row of the bar's first user entry, picked with the keyboard.
  void PickGreeting() const {
    ::SetForegroundWindow(Window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == Window; }));
    PressKey(Panel, '2');
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::PopupLevels) == 1; }));
    PressKey(Panel, VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::HotRow, 1) == 0; }));
    PressKey(Panel, VK_RETURN);
  }

  ::testing::AssertionResult TextArrives(const TTargetWindow& target, const std::wstring& expected) const {
    if (WaitUntil([&] { return target.Text() == expected; }))
      return ::testing::AssertionSuccess();
    const HWND box = FindProcessWindow(Tolvane->Id(), L"TQxMsgBox");
    return ::testing::AssertionFailure()
           << "the target holds \"" << Narrow(target.Text()) << "\", expected \"" << Narrow(expected) << "\""
           << (box != nullptr ? "; message box " + Narrow(WindowCaption(box)) : "");
  }

  static void Watch(const TTargetWindow& target) {
    const HWND edit = ::FindWindowExW(target.Handle(), nullptr, L"EDIT", nullptr);
    ASSERT_NE(edit, nullptr);
    EditProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchingEditProc)));
    Seen = {};
  }

  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Panel = nullptr;
};

// A held modifier is tested at the Windows tier: here the pick changes the focus, and Wine then takes the
// modifier state from the X server, which never saw the injected key.
TEST_F(TPasteTest, APasteStaysOutOfTheHistoryAndGivesTheClipboardBack) {
  ASSERT_NO_FATAL_FAILURE(Open(true));
  const TTargetWindow target;
  ASSERT_NO_FATAL_FAILURE(Watch(target));
  ASSERT_NO_FATAL_FAILURE(Remember(target));
  ASSERT_TRUE(WaitUntil([] { return SetClipboard(L"copied by the user"); }));

  ASSERT_NO_FATAL_FAILURE(PickGreeting());
  EXPECT_TRUE(TextArrives(target, L"Hello from the menu"));
  EXPECT_EQ(Seen.Pastes, 1);
  EXPECT_TRUE(Seen.Excluded);
  EXPECT_EQ(Seen.History, std::optional<DWORD>(0));
  EXPECT_EQ(Seen.Cloud, std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([] { return ClipboardText() == std::wstring(L"copied by the user"); }))
      << "the clipboard holds \"" << Narrow(ClipboardText().value_or(L"(nothing)")) << "\"";
  EXPECT_TRUE(NoModifierDown());
  CloseAndExpectCleanExit(*Tolvane, Window);
}

TEST_F(TPasteTest, AClosedTargetIsReportedAndWithRestoringOffTheClipStays) {
  ASSERT_NO_FATAL_FAILURE(Open(false));
  {
    const TTargetWindow gone;
    ASSERT_NO_FATAL_FAILURE(Remember(gone));
  }
  ASSERT_NO_FATAL_FAILURE(PickGreeting());
  const TBox box = WaitForMessageBox(Tolvane->Id());
  ASSERT_NE(box.Window, nullptr) << "no message about the closed window";
  EXPECT_EQ(box.Caption, L"Target Window Closed");
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L"Hello from the menu")) << "the text waits";
  ClickBoxButton(box.Window, L"&Ok");
  ASSERT_TRUE(WaitUntil([&] { return FindProcessWindow(Tolvane->Id(), L"TQxMsgBox") == nullptr; }));

  const TTargetWindow target;
  ASSERT_NO_FATAL_FAILURE(Watch(target));
  ASSERT_NO_FATAL_FAILURE(Remember(target));
  ASSERT_TRUE(WaitUntil([] { return SetClipboard(L"copied by the user"); }));
  ASSERT_NO_FATAL_FAILURE(PickGreeting());
  EXPECT_TRUE(TextArrives(target, L"Hello from the menu"));
  EXPECT_TRUE(Seen.Excluded);
  // The program has finished the pick once it answers again.
  EXPECT_NE(Probe(Window, TProbe::MenuReady), -1);
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L"Hello from the menu"));
  CloseAndExpectCleanExit(*Tolvane, Window);
}

}  // namespace
}  // namespace tolvane::e2e
