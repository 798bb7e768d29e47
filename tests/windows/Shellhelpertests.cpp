#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Testsupport.h"
#include "actions/Itemactions.h"
#include "common/Unicode.h"
#include "execution/Browser.h"
#include "execution/Qxknownfolders.h"
#include "execution/Shellhlpr.h"
#include "platform/recording/Recordingmessagebox.h"
#include "platform/win32/Comptr.h"
#include "platform/win32/Files.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Foreground.h"
#include "platform/win32/Knownfolders.h"
#include "platform/win32/Locale.h"
#include "platform/win32/Programinfo.h"
#include "platform/win32/Registry.h"
#include "platform/win32/Shelllinks.h"
#include "platform/win32/Versionstrings.h"
#include "platform/win32/Win32services.h"

// After Win.h, so the shell headers see the same Windows configuration.
#include <shlobj.h>

namespace tolvane::win32 {
namespace {

using testing::PumpUntil;
using testing::TTempFolder;
using testing::TTestWindow;

platform::TWindowHandle HandleOf(HWND window) {
  return reinterpret_cast<platform::TWindowHandle>(window);
}

std::u16string FolderOf(const std::u16string& path) {
  return path.substr(0, path.find_last_of(u'\\') + 1);
}

// Browsers the test registers for the machine, and the user's default, all put back afterwards.
class BrowserRegistryTest : public ::testing::Test {
 protected:
  static constexpr wchar_t Clients[] = L"Software\\Clients\\StartMenuInternet";

  void SetUp() override {
    SavedDefault = Registry.ReadString(platform::TRegistryRoot::CurrentUser,
                                       u"Software\\Clients\\StartMenuInternet", u"");
  }
  void TearDown() override {
    for (const wchar_t* name : {L"\\Tolvane Test Alpha", L"\\Tolvane Test Beta"})
      ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(Clients) + name).c_str());
    if (SavedDefault)
      SetString(HKEY_CURRENT_USER, Clients, *SavedDefault);
    else
      ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Clients, nullptr);
  }

  static void SetString(HKEY root, const std::wstring& keyPath, std::u16string_view value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const unique_hkey owner(key);
    const std::wstring text = Wide(value);
    ASSERT_EQ(::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

  TRegistry Registry;
  std::optional<std::u16string> SavedDefault;
};

TEST_F(BrowserRegistryTest, ListsTheBrowsersRegisteredForTheMachine) {
  SetString(HKEY_LOCAL_MACHINE, std::wstring(Clients) + L"\\Tolvane Test Alpha\\shell\\open\\command",
            u"\"C:\\Test Browsers\\alpha.exe\" ");
  SetString(HKEY_LOCAL_MACHINE, std::wstring(Clients) + L"\\Tolvane Test Beta", u"Beta");
  SetString(HKEY_CURRENT_USER, Clients, u"Tolvane Test Beta");
  recording::TRecorder recorder;
  recording::TRecordingMessageBox messageBox(recorder);
  execution::TBrowserList browsers;
  const int index = execution::ListInstalledBrowsers(browsers, true, Registry, messageBox);
  ASSERT_GT(index, 0);
  EXPECT_EQ(browsers[static_cast<std::size_t>(index)],
            (execution::TBrowserEntry{u"Tolvane Test Beta", std::nullopt}));
  EXPECT_EQ(browsers.front(), (execution::TBrowserEntry{u"Default Browser", u""}));
  const auto alpha =
      std::find_if(browsers.begin(), browsers.end(),
                   [](const execution::TBrowserEntry& entry) { return entry.Name == u"Tolvane Test Alpha"; });
  ASSERT_NE(alpha, browsers.end());
  EXPECT_EQ(alpha->Path, u"C:\\Test Browsers\\alpha.exe");
  EXPECT_TRUE(messageBox.Requests().empty());
}

TEST(ShellHelpers, KnownFoldersEndInABackslashWhicheverCallAnswers) {
  TKnownFolders known(TKnownFolderApi::Automatic);
  TKnownFolders csidl(TKnownFolderApi::CsidlOnly);
  for (const auto folder : {platform::TKnownFolder::RoamingAppData, platform::TKnownFolder::Startup,
                            platform::TKnownFolder::Desktop, platform::TKnownFolder::StartMenu}) {
    const std::u16string path = execution::GetKnownFolder(known, folder);
    ASSERT_GT(path.size(), 3u) << static_cast<int>(folder);
    EXPECT_EQ(path.back(), u'\\');
    EXPECT_NE(path[path.size() - 2], u'\\');
    EXPECT_EQ(execution::GetKnownFolder(csidl, folder), path);
  }
}

// What a link file holds, read back with the shell's own link object.
struct TLinkContent {
  std::u16string Target, Arguments, Description, IconFile;
  int IconIndex = -1;
};

TLinkContent ReadLink(const std::u16string& linkFile) {
  const TComApartment apartment;
  TComPtr<IShellLinkW> link;
  TComPtr<IPersistFile> file;
  EXPECT_TRUE(SUCCEEDED(
      ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put())));
  EXPECT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put())));
  EXPECT_TRUE(SUCCEEDED(file->Load(Wide(linkFile).c_str(), STGM_READ)));
  wchar_t text[4][MAX_PATH] = {};
  TLinkContent content;
  EXPECT_TRUE(SUCCEEDED(link->GetPath(text[0], MAX_PATH, nullptr, SLGP_RAWPATH)));
  EXPECT_TRUE(SUCCEEDED(link->GetArguments(text[1], MAX_PATH)));
  EXPECT_TRUE(SUCCEEDED(link->GetDescription(text[2], MAX_PATH)));
  EXPECT_TRUE(SUCCEEDED(link->GetIconLocation(text[3], MAX_PATH, &content.IconIndex)));
  content.Target = Narrow16(text[0]);
  content.Arguments = Narrow16(text[1]);
  content.Description = Narrow16(text[2]);
  content.IconFile = Narrow16(text[3]);
  return content;
}

TEST(ShellHelpers, CreatesAShellLinkTheShellReadsBack) {
  TTempFolder temp;
  const std::u16string program = TProgramInfo().ExecutablePath();
  const std::u16string linkFile = temp / u"Work.lnk";
  TShellLinks links;
  ASSERT_EQ(execution::CreateShellLink(links, program, linkFile, u"Shortcut to Work",
                                       u"\"-iC:\\Menus\\work.ini\" \"-mC:\\Menus\\Work.TvXml\"", program, 1),
            linkFile);
  const TLinkContent content = ReadLink(linkFile);
  EXPECT_EQ(TLocale().Compare(content.Target, program, true), 0) << Utf16ToUtf8(content.Target);
  EXPECT_EQ(content.Arguments, u"\"-iC:\\Menus\\work.ini\" \"-mC:\\Menus\\Work.TvXml\"");
  EXPECT_EQ(content.Description, u"Shortcut to Work");
  EXPECT_EQ(TLocale().Compare(content.IconFile, program, true), 0) << Utf16ToUtf8(content.IconFile);
  EXPECT_EQ(content.IconIndex, 1);

  EXPECT_EQ(execution::CreateShellLink(links, program, temp / u"missing\\Work.lnk", u"", u"", u"", 0), u"");
  EXPECT_NE(links.LastError().Code, 0u);
  EXPECT_FALSE(links.LastError().Message.empty());
}

TEST(ShellHelpers, ReadsVersionStringsOfTheFirstListedLanguage) {
  const std::u16string sample = FolderOf(TProgramInfo().ExecutablePath()) + u"tolvane_version_sample.dll";
  TVersionStrings versions;
  EXPECT_EQ(execution::FileVersionString(versions, sample, u"FileDescription"), u"Dansk beskrivelse");
  EXPECT_EQ(execution::FileVersionString(versions, sample, u"FileVersion"), u"4.3.2.1 dansk");
  EXPECT_EQ(execution::FileVersionString(versions, sample, u"Comments"), u"");
  EXPECT_EQ(execution::FileVersionString(versions, sample, u"ProductName"), u"");
  EXPECT_EQ(execution::FileVersionString(versions, TProgramInfo().ExecutablePath(), u"FileVersion"), u"")
      << "the test program has no version resource";
  EXPECT_EQ(execution::FileVersionString(versions, sample + u".missing", u"FileVersion"), u"");
}

TEST(ShellHelpers, AFileHeldOpenWithWritersDeniedIsLocked) {
  TTempFolder temp;
  const std::u16string path = temp / u"menu.TvXml";
  TFiles files;
  {
    const unique_file held(::CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                         nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_TRUE(execution::IsFileLocked(files, path));
  }
  EXPECT_FALSE(execution::IsFileLocked(files, path));
  EXPECT_TRUE(execution::IsFileLocked(files, temp / u"missing.TvXml"));
}

TEST(ShellHelpers, FontListsHoldEachTrueTypeFamilyOnce) {
  TFonts fonts;
  const std::vector<std::u16string> all = execution::ListTrueTypeFonts(fonts);
  const std::vector<std::u16string> fixed = execution::ListFixedPitchFonts(fonts);
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(std::set<std::u16string>(all.begin(), all.end()).size(), all.size());
  for (const std::u16string& name : all)
    EXPECT_NE(name.front(), u'@') << Utf16ToUtf8(name);
  for (const std::u16string& name : fixed)
    EXPECT_NE(std::find(all.begin(), all.end(), name), all.end()) << Utf16ToUtf8(name);
  EXPECT_LT(fixed.size(), all.size());
}

// Gives the focus back to the edit control whenever the window is activated again, as editors do.
WNDPROC TestWindowProcedure = nullptr;
LRESULT CALLBACK ForwardFocusToEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS) {
    if (HWND edit = ::FindWindowExW(window, nullptr, L"EDIT", nullptr))
      ::SetFocus(edit);
    return 0;
  }
  return ::CallWindowProcW(TestWindowProcedure, window, message, wParam, lParam);
}

// The services of the program with a message box that answers without a user.
platform::TServices WithMessageBox(const platform::TServices& s, platform::IMessageBox& box) {
  return {
      s.Clipboard, s.Keyboard,       s.Shell,      s.Registry, s.KnownFolders, s.Foreground,   s.Locale,
      s.CodePages, s.Files,          s.Time,       box,        s.Program,      s.SystemColors, s.ShellLinks,
      s.Fonts,     s.VersionStrings, s.FileDialogs};
}

TEST(ItemActions, AClipIsPastedIntoTheWindowThatWasInFrontBefore) {
  TTestWindow target;
  TestWindowProcedure = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(target.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForwardFocusToEdit)));
  TTestWindow bar;
  testing::TForeignWindows desktop;
  TLocale locale;
  execution::TForegroundHistory history;
  ASSERT_TRUE(target.BringToFront());
  history.RecordForeground(desktop, locale);
  ASSERT_TRUE(bar.BringToFront());

  TWin32Services win32;
  recording::TRecorder recorder;
  recording::TRecordingMessageBox messageBox(recorder);
  const actions::TActionHost host{.Services = WithMessageBox(win32.Services(), messageBox),
                                  .History = history,
                                  .FocusTimeForeground = HandleOf(bar.Handle()),
                                  .MainWindow = HandleOf(bar.Handle())};
  storage::TItem item;
  item.ItemType = storage::ItemTypeClip;
  item.Code = u"Pasted by a clip\r\nline two";
  actions::PerformItem(item, 0, host);
  EXPECT_TRUE(PumpUntil([&] { return target.EditText() == item.Code; })) << Utf16ToUtf8(target.EditText());
  EXPECT_EQ(::GetForegroundWindow(), target.Handle());
  EXPECT_TRUE(messageBox.Requests().empty());
}

}  // namespace
}  // namespace tolvane::win32
