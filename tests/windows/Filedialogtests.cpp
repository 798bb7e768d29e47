#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "Testsupport.h"
#include "common/Unicode.h"
#include "platform/win32/Filedialogs.h"
#include "platform/win32/Handles.h"

// After Win.h, so the dialog headers see the same Windows configuration.
#include <dlgs.h>

namespace tolvane::win32 {
namespace {

using platform::TFileDialogOutcome;
using platform::TFileDialogRequest;
using platform::TFileDialogResult;
using testing::TTempFolder;

struct TFindDialog {
  std::wstring Title;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
  auto& find = *reinterpret_cast<TFindDialog*>(parameter);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  wchar_t title[256] = {};
  ::GetWindowTextW(window, title, 256);
  if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
      std::wstring(className) == L"#32770" && find.Title == title) {
    find.Found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  if (process == ::GetCurrentProcessId() && std::wstring(className) == L"#32770")
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

void CancelEveryDialog() {
  ::EnumWindows(CancelDialog, 0);
}

// The file-name field: an edit inside the cmb13 combo box in the system's template, the edt1 edit in others.
HWND FileNameEdit(HWND dialog) {
  if (const HWND combo = ::GetDlgItem(dialog, cmb13)) {
    const HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
    return edit != nullptr ? edit : combo;
  }
  return ::GetDlgItem(dialog, edt1);
}

// Plays the user of the dialog with the title from another thread, as soon as it is shown: types the name
// (when one is given) and presses OK, or presses Cancel. The dialog's modal loop keeps the test's thread.
class TDialogUser {
 public:
  TDialogUser(std::wstring title, std::wstring typedName, bool cancel = false)
      : DisplayOpener(
            ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)),
        Worker([this, title = std::move(title), typedName = std::move(typedName), cancel] {
          Act(title, typedName, cancel);
        }) {}
  ~TDialogUser() {
    if (Worker.joinable())
      Worker.join();
  }

  // Whether the dialog appeared and was answered; call after the dialog returned.
  bool Answered() {
    if (Worker.joinable())
      Worker.join();
    return Done;
  }

 private:
  void Act(const std::wstring& title, const std::wstring& typedName, bool cancel) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    TFindDialog find{title};
    while (find.Found == nullptr || (!cancel && FileNameEdit(find.Found) == nullptr)) {
      if (std::chrono::steady_clock::now() > deadline) {
        CancelEveryDialog();  // a dialog under another title would otherwise hold the test for good
        return;
      }
      ::Sleep(20);
      find.Found = nullptr;
      ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&find));
    }
    if (!cancel)
      ::SendMessageW(FileNameEdit(find.Found), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typedName.c_str()));
    Done = ::PostMessageW(find.Found, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0) != FALSE;
  }

  std::atomic<bool> Done = false;
  // Made before the worker starts, as the program makes its window before any dialog: the dialog's library
  // loads the common controls, and under Wine their initialisation would otherwise open the display driver
  // under the loader lock while the worker calls into user32: a deadlock, seen beside another test process.
  unique_hwnd DisplayOpener;
  std::thread Worker;
};

std::u16string WorkingFolder() {
  return std::filesystem::current_path().u16string();
}

bool SameFile(const std::u16string& a, const std::u16string& b) {
  std::error_code error;
  return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error);
}

void CreateFileAt(const std::u16string& path) {
  std::ofstream(std::filesystem::path(path)) << "<?xml version=\"1.0\"?>\n";
}

TFileDialogRequest MenuRequest(std::u16string title, const TTempFolder& folder) {
  TFileDialogRequest request;
  request.Title = std::move(title);
  request.Filters = {{u"Tolvane menu files", u"*.TvXml"}, {u"All files", u"*.*"}};
  request.DefaultExtension = u"TvXml";
  request.InitialFolder = folder.Path().u16string();
  return request;
}

TEST(FileDialogs, OpenReturnsTheTypedFileAndLeavesTheWorkingFolder) {
  const TTempFolder folder;
  CreateFileAt(folder / u"Home menu.TvXml");
  const std::u16string workingFolder = WorkingFolder();
  ASSERT_FALSE(SameFile(workingFolder, folder.Path().u16string()));

  TDialogUser user(L"Open a Tolvane menu", L"Home menu.TvXml");
  const TFileDialogResult result = TFileDialogs().OpenFile(MenuRequest(u"Open a Tolvane menu", folder));
  ASSERT_TRUE(user.Answered());
  ASSERT_EQ(result.Outcome, TFileDialogOutcome::Chosen) << Utf16ToUtf8(result.Error.Message);
  EXPECT_TRUE(SameFile(result.Path, folder / u"Home menu.TvXml")) << Utf16ToUtf8(result.Path);
  EXPECT_EQ(WorkingFolder(), workingFolder);
}

TEST(FileDialogs, SaveAddsTheWholeDefaultExtensionToATypedName) {
  const TTempFolder folder;
  TFileDialogRequest request = MenuRequest(u"Save the Tolvane menu as", folder);
  // With a pattern of its own the selected filter's extension would win (Wine lower-cases that one).
  request.Filters = {{u"All files", u"*.*"}};
  request.DefaultExtension = u".TvXml";

  TDialogUser user(L"Save the Tolvane menu as", L"New menu");
  const TFileDialogResult result = TFileDialogs().SaveFile(request);
  ASSERT_TRUE(user.Answered());
  ASSERT_EQ(result.Outcome, TFileDialogOutcome::Chosen) << Utf16ToUtf8(result.Error.Message);
  EXPECT_EQ(std::filesystem::path(result.Path).filename().u16string(), u"New menu.TvXml");
  EXPECT_TRUE(
      SameFile(std::filesystem::path(result.Path).parent_path().u16string(), folder.Path().u16string()));
}

TEST(FileDialogs, CancelIsCancelledForBothDialogs) {
  const TTempFolder folder;
  {
    TDialogUser user(L"Open and cancel", L"", true);
    EXPECT_EQ(TFileDialogs().OpenFile(MenuRequest(u"Open and cancel", folder)),
              TFileDialogResult::Cancelled());
    EXPECT_TRUE(user.Answered());
  }
  TDialogUser user(L"Save and cancel", L"", true);
  TFileDialogRequest request = MenuRequest(u"Save and cancel", folder);
  request.InitialFileName = u"Work.TvXml";
  EXPECT_EQ(TFileDialogs().SaveFile(request), TFileDialogResult::Cancelled());
  EXPECT_TRUE(user.Answered());
}

// A name the system refuses as the starting name (left from another system, say) still lets the user choose.
TEST(FileDialogs, AnInvalidInitialNameStillOpensTheDialog) {
  const TTempFolder folder;
  TFileDialogRequest request = MenuRequest(u"Save from a bad start", folder);
  request.Filters = {{u"All files", u"*.*"}};
  request.InitialFileName = u"bad|name<>.TvXml";
  request.PromptOverwrite = false;
  TDialogUser user(L"Save from a bad start", L"Good name");
  const TFileDialogResult result = TFileDialogs().SaveFile(request);
  ASSERT_TRUE(user.Answered());
  ASSERT_EQ(result.Outcome, TFileDialogOutcome::Chosen) << Utf16ToUtf8(result.Error.Message);
  EXPECT_EQ(std::filesystem::path(result.Path).filename().u16string(), u"Good name.TvXml");
}

}  // namespace
}  // namespace tolvane::win32
