// The Create Shortcut dialog from outside: the program menu opens it on the files in use, a link on the
// desktop takes the next free name and starts the program with the same files, a link without files is
// refused, and a Startup folder that cannot take a link is reported while the desktop link is still written.
#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Steps.h"
#include "platform/win32/Comptr.h"
#include "storage/Item.h"
#include "uimodel/Programmenu.h"
#include "uimodel/Shortcutdialog.h"
#include "uimodel/Uimessages.h"

// After the Windows headers that Steps.h brings.
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;
namespace control = uimodel::shortcutcontrol;

constexpr const char* kMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Work</Name>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Texts</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Greeting</Name><Code>Hello</Code></Item>\r\n"
    "</Item>\r\n"
    "</TolvaneDataFile>\r\n";

std::filesystem::path KnownFolder(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  if (FAILED(::SHGetKnownFolderPath(folder, 0, nullptr, &path)))
    return {};
  std::filesystem::path result(path);
  ::CoTaskMemFree(path);
  return result;
}

// The arguments behind a program name as the system splits a command line.
std::vector<std::wstring> SplitArguments(const std::wstring& arguments) {
  const std::wstring line = L"tolvane.exe " + arguments;
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(line.c_str(), &count);
  std::vector<std::wstring> split;
  for (int i = 1; argv != nullptr && i < count; ++i)
    split.emplace_back(argv[i]);
  ::LocalFree(argv);
  return split;
}

struct TLink {
  std::wstring Target;
  std::wstring Arguments;
  std::wstring Description;
};

// The link as the shell reads it back.
std::optional<TLink> ReadLink(const std::filesystem::path& file) {
  const win32::TComApartment apartment;
  win32::TComPtr<IShellLinkW> link;
  win32::TComPtr<IPersistFile> persist;
  if (FAILED(
          ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.put())) ||
      FAILED(persist->Load(file.c_str(), STGM_READ)))
    return std::nullopt;
  wchar_t text[3][1024] = {};
  if (FAILED(link->GetPath(text[0], 1024, nullptr, SLGP_RAWPATH)) ||
      FAILED(link->GetArguments(text[1], 1024)) || FAILED(link->GetDescription(text[2], 1024)))
    return std::nullopt;
  return TLink{text[0], text[1], text[2]};
}

TEST(ShortcutArguments, TheSystemSplitsThemIntoTheSamePaths) {
  const std::u16string paths[] = {u"C:\\x\\a.ini",           u"C:\\My Menus\\work menu.ini",
                                  u"C:\\ends in a folder\\", u"\\\\server\\share\\",
                                  u"C:\\odd\"name\\a.ini",   u"C:\\two\\\\\"x"};
  for (const std::u16string& path : paths) {
    const std::u16string menu = path + u"m";
    const std::wstring arguments = win32::Wide(uimodel::ShortcutArguments(path, menu));
    const std::vector<std::wstring> expected{L"-i" + win32::Wide(path), L"-m" + win32::Wide(menu)};
    EXPECT_EQ(SplitArguments(arguments), expected) << Narrow(arguments);
  }
}

// A shell folder of the user pointed elsewhere for the scope, the way a user moves the desktop: the known
// folder resolves there for every program, so the test's links stay out of the real folders.
class TRedirectedShellFolder {
 public:
  TRedirectedShellFolder(std::wstring value, const std::filesystem::path& to) : Value(std::move(value)) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
      return;
    Key.reset(key);
    DWORD size = 0;
    if (::RegQueryValueExW(key, Value.c_str(), nullptr, &OldType, nullptr, &size) == ERROR_SUCCESS) {
      std::wstring old(size / sizeof(wchar_t) + 1, L'\0');
      if (::RegQueryValueExW(key, Value.c_str(), nullptr, &OldType, reinterpret_cast<BYTE*>(old.data()),
                             &size) == ERROR_SUCCESS) {
        old.resize(std::wcslen(old.c_str()));
        Old = std::move(old);
      }
    }
    Redirect(to);
  }
  TRedirectedShellFolder(const TRedirectedShellFolder&) = delete;
  TRedirectedShellFolder& operator=(const TRedirectedShellFolder&) = delete;
  ~TRedirectedShellFolder() {
    if (!Key)
      return;
    if (Old) {
      ::RegSetValueExW(Key.get(), Value.c_str(), 0, OldType, reinterpret_cast<const BYTE*>(Old->c_str()),
                       static_cast<DWORD>((Old->size() + 1) * sizeof(wchar_t)));
    } else {
      ::RegDeleteValueW(Key.get(), Value.c_str());
    }
  }

  bool Redirect(const std::filesystem::path& to) const {
    const std::wstring path = to.wstring();
    return Key &&
           ::RegSetValueExW(Key.get(), Value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                            static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  static constexpr const wchar_t* kKey =
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  std::wstring Value;
  win32::unique_hkey Key;
  DWORD OldType = REG_EXPAND_SZ;
  std::optional<std::wstring> Old;
};

// An environment variable set for the scope; started programs inherit it.
class TScopedEnvironment {
 public:
  TScopedEnvironment(const wchar_t* name, const std::wstring& value) : Name(name) {
    wchar_t old[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, old, 1024);
    if (length > 0 && length < 1024)
      Old = old;
    ::SetEnvironmentVariableW(name, value.c_str());
  }
  TScopedEnvironment(const TScopedEnvironment&) = delete;
  TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;
  ~TScopedEnvironment() { ::SetEnvironmentVariableW(Name, Old ? Old->c_str() : nullptr); }

 private:
  const wchar_t* Name;
  std::optional<std::wstring> Old;
};

class TShortcutTest : public TTolvaneTest {
 protected:
  void SetUp() override {
    Desktop = Folder.File(L"Desktop");
    Startup = Folder.File(L"StartUp");
    std::filesystem::create_directories(Desktop);
    std::filesystem::create_directories(Startup);
    // Wine copies links on the desktop into the host's desktop as launchers; not for the test's links.
    wchar_t overrides[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"WINEDLLOVERRIDES", overrides, 1024);
    NoLaunchers.emplace(
        L"WINEDLLOVERRIDES",
        (length > 0 && length < 1024 ? std::wstring(overrides) + L";" : L"") + L"winemenubuilder.exe=d");
    DesktopFolder.emplace(L"Desktop", Desktop);
    StartupFolder.emplace(L"Startup", Startup);
    ASSERT_EQ(KnownFolder(FOLDERID_Desktop), Desktop) << "the desktop cannot be moved for the test";
    ASSERT_EQ(KnownFolder(FOLDERID_Startup), Startup);
  }
  void TearDown() override {
    StartupFolder.reset();
    DesktopFolder.reset();
    NoLaunchers.reset();
  }

  // The menu in a folder with a blank in its name, so the link's arguments need their quotes.
  void Open() {
    std::filesystem::create_directories(Folder.File(L"My Menus"));
    MenuFile = Folder.File(L"My Menus") / L"Work.TvXml";
    WriteFile(MenuFile, kMenu);
    Tolvane.emplace(Start(MenuFile));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    Panel = ::FindWindowExW(Window, nullptr, L"TPanelMainMenu", nullptr);
    ASSERT_NE(Panel, nullptr);
    // A pointer resting where the popup appears would move its hot row.
    ASSERT_TRUE(MoveMouse(POINT{4, ::GetSystemMetrics(SM_CYSCREEN) - 14}));
    ::SetForegroundWindow(Window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == Window; }));
  }

  // "Create Shortcut" from the program menu, by keys at the bar.
  void OpenDialog() {
    const auto program = uimodel::NewProgramItem();
    uimodel::BuildProgramCommands(*program);
    int row = -1;
    for (int i = 0; i < program->Children.Count(); ++i) {
      if (program->Children[i]->Name == u"Create Shortcut")
        row = i;
    }
    ASSERT_GE(row, 0);
    PressKey(Panel, '1');
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::PopupLevels) == 1; }));
    PressKey(Panel, VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::HotRow, 1) == 0; }));
    PressKey(Panel, row < 9 ? '1' + row : 'A' + (row - 9));  // the rows' keys: 1 … 9, then A …
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::HotRow, 1) == row; }));
    PressKey(Panel, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] {
      return (Dialog = FindProcessWindow(Tolvane->Id(), L"TFrmShortcut")) != nullptr;
    })) << "no shortcut dialog";
    EXPECT_EQ(WindowCaption(Dialog), L"Create Shortcut");
    EXPECT_EQ(Probe(Window, TProbe::DialogOpen), 1);
  }

  HWND Control(int id) const { return ::GetDlgItem(Dialog, id); }

  void Check(int id) const {
    ::PostMessageW(Control(id), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  }

  ::testing::AssertionResult CreateEnabledBecomes(bool enabled) const {
    if (WaitUntil([&] { return (::IsWindowEnabled(Control(control::ButCreate)) != FALSE) == enabled; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "Create is " << (enabled ? "disabled" : "enabled");
  }

  ::testing::AssertionResult DialogEnds() const {
    if (WaitUntil([&] { return ::IsWindow(Dialog) == FALSE && Probe(Window, TProbe::DialogOpen) == 0; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the dialog is still open";
  }

  void AnswerFileError() const {
    const TBox box = WaitForMessageBox(Tolvane->Id());
    ASSERT_NE(box.Window, nullptr) << "no message about the failed links";
    EXPECT_EQ(box.Caption, L"File Error");
    ClickBoxButton(box.Window, L"&Ok");
  }

  // The desktop link starts this program with the settings and menu file in use.
  void ExpectLinkToFiles(const std::filesystem::path& file) const {
    const std::optional<TLink> link = ReadLink(file);
    ASSERT_TRUE(link) << file.string() << " cannot be read";
    EXPECT_EQ(::lstrcmpiW(link->Target.c_str(), WindowsPath(TOLVANE_EXE).c_str()), 0) << Narrow(link->Target);
    const std::wstring ini = Folder.File(L"Tolvane.ini").wstring();
    EXPECT_EQ(link->Arguments, L"\"-i" + ini + L"\" \"-m" + MenuFile.wstring() + L"\"");
    EXPECT_EQ(SplitArguments(link->Arguments),
              (std::vector<std::wstring>{L"-i" + ini, L"-m" + MenuFile.wstring()}));
    EXPECT_EQ(link->Description, L"Shortcut to Work");
  }

  std::filesystem::path Desktop;
  std::filesystem::path Startup;
  std::optional<TRedirectedShellFolder> DesktopFolder;
  std::optional<TRedirectedShellFolder> StartupFolder;
  std::optional<TScopedEnvironment> NoLaunchers;
  std::filesystem::path MenuFile;
  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Panel = nullptr;
  HWND Dialog = nullptr;
};

TEST_F(TShortcutTest, DesktopLinksTakeTheNextFreeNameAndFailedLinksAreReported) {
  ASSERT_NO_FATAL_FAILURE(Open());
  WriteFile(Desktop / L"Work.lnk", "already there");

  // The dialog opens on the files in use; a destination enables Create, and Enter presses it.
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  EXPECT_EQ(ControlText(Control(control::EdShortcutName)), L"Work");
  EXPECT_EQ(ControlText(Control(control::EdIniFile)), Folder.File(L"Tolvane.ini").wstring());
  EXPECT_EQ(ControlText(Control(control::EdTvXmlFile)), MenuFile.wstring());
  EXPECT_EQ(ControlText(Control(control::EdCustomShortcut)), L"");
  EXPECT_TRUE(CreateEnabledBecomes(false));
  ASSERT_NO_FATAL_FAILURE(Check(control::CbxDesktop));
  EXPECT_TRUE(CreateEnabledBecomes(true));
  PressKey(Control(control::EdShortcutName), VK_RETURN);
  ASSERT_TRUE(DialogEnds());
  EXPECT_EQ(FindProcessWindow(Tolvane->Id(), L"TQxMsgBox"), nullptr);
  EXPECT_EQ(ReadFile(Desktop / L"Work.lnk"), "already there");
  ExpectLinkToFiles(Desktop / L"Work(1).lnk");

  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  ASSERT_NO_FATAL_FAILURE(Check(control::CbxDesktop));
  ::PostMessageW(Control(control::ButCreate), BM_CLICK, 0, 0);
  ASSERT_TRUE(DialogEnds());
  ExpectLinkToFiles(Desktop / L"Work(2).lnk");

  // The file buttons choose through the open dialog.
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  const std::filesystem::path other = Folder.File(L"Other.TvXml");
  WriteFile(other, kMenu);
  ::PostMessageW(Control(control::ButTvXmlFile), BM_CLICK, 0, 0);
  ASSERT_TRUE(AnswerFileDialog(Tolvane->Id(), other));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(Control(control::EdTvXmlFile)) == other.wstring(); }))
      << Narrow(ControlText(Control(control::EdTvXmlFile)));

  // Without files every link fails, each is named in one message, and the dialog cancels.
  for (const int box : {control::EdIniFile, control::EdTvXmlFile})
    ::SendMessageW(Control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  ASSERT_NO_FATAL_FAILURE(Check(control::CbxDesktop));
  ASSERT_NO_FATAL_FAILURE(Check(control::CbxStartFolder));
  ::PostMessageW(Control(control::ButCreate), BM_CLICK, 0, 0);
  ASSERT_NO_FATAL_FAILURE(AnswerFileError());
  ASSERT_TRUE(DialogEnds());
  EXPECT_FALSE(std::filesystem::exists(Desktop / L"Work(3).lnk"));
  EXPECT_FALSE(std::filesystem::exists(Startup / L"Work.lnk"));

  // A Startup folder that cannot take the link, a file in its place: it is reported, and the desktop link is
  // still written.
  const std::filesystem::path notAFolder = Folder.File(L"Startup.file");
  WriteFile(notAFolder, "not a folder");
  ASSERT_TRUE(StartupFolder->Redirect(notAFolder));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  ASSERT_NO_FATAL_FAILURE(Check(control::CbxDesktop));
  ASSERT_NO_FATAL_FAILURE(Check(control::CbxStartFolder));
  ::PostMessageW(Control(control::ButCreate), BM_CLICK, 0, 0);
  ASSERT_NO_FATAL_FAILURE(AnswerFileError());
  ASSERT_TRUE(DialogEnds());
  ExpectLinkToFiles(Desktop / L"Work(3).lnk");
  EXPECT_EQ(ReadFile(notAFolder), "not a folder");

  CloseAndExpectCleanExit(*Tolvane, Window);
}

}  // namespace
}  // namespace tolvane::e2e
