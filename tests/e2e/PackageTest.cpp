// The release packages as a user meets them, in a Wine prefix of their own (tests/e2e/package-test): the x64
// installer installs silently for the user, the installed program starts from its folder and begins with the
// demo menu, installing again replaces the files in place, and the silent uninstall removes the program and
// keeps the user's files; the portable zip's command file starts the program with its settings and menu
// beside it.

#include <cstdlib>
#include <optional>

#include "Steps.h"
#include "common/Version.h"

namespace tolvane::e2e {
namespace {

namespace fs = std::filesystem;
using uimodel::TProbe;

constexpr int kDemoItems = 22;  // items of examples/Demo.TvXml below its root
constexpr DWORD kInstallTimeoutMs = 60000;
const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tolvane";

// A path the package script passes in the environment, as the program sees it; empty when not given.
fs::path PathFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr || *value == 0 ? fs::path() : fs::path(WindowsPath(value));
}

fs::path KnownFolder(const wchar_t* variable) {
  const wchar_t* value = ::_wgetenv(variable);
  return value == nullptr ? fs::path() : fs::path(value);
}

std::optional<std::wstring> UninstallValue(const wchar_t* name) {
  wchar_t value[512];
  DWORD size = sizeof(value);
  if (::RegGetValueW(HKEY_CURRENT_USER, kUninstallKey.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}

::testing::AssertionResult RunToEnd(const fs::path& program, const std::vector<std::wstring>& arguments) {
  TChildProcess process(program.wstring(), arguments);
  if (!process.WaitForExit(kInstallTimeoutMs))
    return ::testing::AssertionFailure() << program << " still runs";
  if (process.ExitCode() != std::optional<DWORD>(0))
    return ::testing::AssertionFailure() << program << " exited with " << process.ExitCode().value_or(0);
  return ::testing::AssertionSuccess();
}

class TPackageTest : public TTolvaneTest {
 protected:
  void SetUp() override {
    Setup = PathFromEnvironment("TOLVANE_SETUP");
    OlderSetup = PathFromEnvironment("TOLVANE_OLDER_SETUP");
    Portable = PathFromEnvironment("TOLVANE_PORTABLE");
    if (Setup.empty() || OlderSetup.empty() || Portable.empty())
      GTEST_SKIP() << "run by tests/e2e/package-test, which names the packages";
  }

  // The program's main window once it is ready, whichever process shows it.
  static HWND ReadyMainWindow(const TChildProcess* process) {
    HWND window = nullptr;
    WaitUntil(
        [&] {
          window = process != nullptr ? WaitForProcessWindow(*process, L"TForm1", 100)
                                      : ::FindWindowW(L"TForm1", nullptr);
          return window != nullptr && Probe(window, TProbe::MenuReady) == 1;
        },
        kStartTimeoutMs);
    return window != nullptr && Probe(window, TProbe::MenuReady) == 1 ? window : nullptr;
  }

  fs::path Setup;
  fs::path OlderSetup;  // the same files as version 0.9.0.0, its tolvane.exe marked by appended bytes
  fs::path Portable;
};

TEST_F(TPackageTest, InstallsForTheUserStartsUpgradesInPlaceAndUninstallsKeepingTheUsersFiles) {
  const fs::path programs = KnownFolder(L"LOCALAPPDATA") / L"Programs" / L"Tolvane";
  const fs::path startMenu =
      KnownFolder(L"APPDATA") / L"Microsoft" / L"Windows" / L"Start Menu" / L"Programs" / L"Tolvane";
  const fs::path settings = KnownFolder(L"APPDATA") / L"Quaddix" / L"Tolvane";
  ASSERT_FALSE(fs::exists(programs / L"tolvane.exe")) << "the prefix is not fresh";

  ASSERT_TRUE(RunToEnd(Setup, {L"/S"}));
  for (const wchar_t* file : {L"tolvane.exe", L"tolvane-cli.exe", L"Demo.TvXml", L"Licenses.txt",
                              L"help\\Tolvane.html", L"Uninstall.exe"})
    EXPECT_TRUE(fs::exists(programs / file)) << fs::path(file);
  EXPECT_TRUE(fs::exists(startMenu / L"Tolvane.lnk"));
  EXPECT_EQ(UninstallValue(L"DisplayVersion"), std::optional<std::wstring>(L"" TOLVANE_VERSION_TEXT));
  EXPECT_EQ(UninstallValue(L"Publisher"), std::optional<std::wstring>(L"Tolvane"));
  EXPECT_EQ(UninstallValue(L"QuietUninstallString"),
            std::optional<std::wstring>(L"\"" + (programs / L"Uninstall.exe").wstring() + L"\" /S"));

  // Started from the installed folder with no menu yet: the demo menu is where the user's menu goes.
  {
    TChildProcess tolvane((programs / L"tolvane.exe").wstring(), {});
    const HWND window = ReadyMainWindow(&tolvane);
    ASSERT_NE(window, nullptr) << "the installed program did not get ready";
    EXPECT_EQ(Probe(window, TProbe::ItemCount), kDemoItems);
    // About, the program menu's last entry but Exit, fits on the screen with its licence texts.
    const HWND panel = ::FindWindowExW(window, nullptr, L"TPanelMainMenu", nullptr);
    ASSERT_NE(panel, nullptr);
    ::SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    // Each key once the menus have taken the one before: a popup takes the keys once it is open.
    for (const UINT key : {UINT{'1'}, UINT{VK_DOWN}, UINT{VK_UP}, UINT{VK_UP}, UINT{VK_RETURN}}) {
      PressKey(panel, key);
      WaitUntil([] { return false; }, 300);
    }
    const TBox about = WaitForMessageBox(tolvane.Id());
    ASSERT_NE(about.Window, nullptr) << "no about box";
    EXPECT_EQ(about.Caption, L"About Tolvane");
    const RECT bounds = WindowBounds(about.Window);
    EXPECT_GE(bounds.left, 0);
    EXPECT_GE(bounds.top, 0);
    EXPECT_LE(bounds.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(bounds.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    ClickBoxButton(about.Window, L"&Ok");
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(about.Window) == FALSE; }));
    CloseAndExpectCleanExit(tolvane, window);
  }
  ASSERT_TRUE(fs::exists(settings / L"Tolvane.TvXml"));
  ASSERT_TRUE(fs::exists(settings / L"Tolvane.ini"));
  // A file of the user's kept in the program's folder.
  WriteFile(programs / L"notes.txt", "mine");

  // Installing again over the installed program replaces it in place.
  ASSERT_TRUE(RunToEnd(Setup, {L"/S"}));
  EXPECT_TRUE(fs::exists(programs / L"tolvane.exe"));
  EXPECT_EQ(ReadFile(programs / L"notes.txt"), "mine");

  // The quiet uninstaller hands over to a copy of itself and returns at once; the copy does the work.
  ASSERT_TRUE(RunToEnd(programs / L"Uninstall.exe", {L"/S"}));
  // Its last step removes the uninstall entry.
  EXPECT_TRUE(WaitUntil([&] { return !UninstallValue(L"DisplayName"); }, kInstallTimeoutMs));
  for (const wchar_t* file : {L"tolvane.exe", L"tolvane-cli.exe", L"Demo.TvXml", L"Licenses.txt", L"help"})
    EXPECT_FALSE(fs::exists(programs / file)) << fs::path(file);
  EXPECT_FALSE(fs::exists(programs / L"Uninstall.exe"));
  EXPECT_FALSE(fs::exists(startMenu));
  EXPECT_EQ(ReadFile(programs / L"notes.txt"), "mine");
  EXPECT_TRUE(fs::exists(settings / L"Tolvane.TvXml"));
  EXPECT_TRUE(fs::exists(settings / L"Tolvane.ini"));
}

// An older version installed into a folder of the user's choosing and running, as a tray tool is: the new
// installer finds it there without being told, closes it, replaces its program, takes over its uninstall
// entry and keeps the user's files; the uninstaller closes the upgraded program the same way and clears the
// folder.
TEST_F(TPackageTest, UpgradesARunningOlderVersionInTheFolderItWasInstalledTo) {
  const fs::path folder = L"C:\\Tools\\Tolvane";
  const fs::path standard = KnownFolder(L"LOCALAPPDATA") / L"Programs" / L"Tolvane";
  ASSERT_FALSE(UninstallValue(L"DisplayName")) << "Tolvane is still installed";
  // /D= must come last and unquoted.
  ASSERT_TRUE(RunToEnd(OlderSetup, {L"/S", L"/D=" + folder.wstring()}));
  ASSERT_EQ(UninstallValue(L"DisplayVersion"), std::optional<std::wstring>(L"0.9.0.0"));
  const std::string newProgram = ReadFile(Portable / L"Tolvane" / L"tolvane.exe");
  ASSERT_NE(ReadFile(folder / L"tolvane.exe"), newProgram);
  WriteFile(folder / L"Tolvane.TvXml", "<menu of the user's/>");

  {
    TChildProcess older((folder / L"tolvane.exe").wstring(), {});
    ASSERT_NE(ReadyMainWindow(&older), nullptr) << "the older program did not get ready";
    ASSERT_TRUE(RunToEnd(Setup, {L"/S"}));
    EXPECT_TRUE(older.WaitForExit(0)) << "the installer left the older program running";
    EXPECT_EQ(older.ExitCode(), std::optional<DWORD>(0));
  }
  EXPECT_TRUE(ReadFile(folder / L"tolvane.exe") == newProgram) << "the older program file is still there";
  EXPECT_FALSE(fs::exists(standard / L"tolvane.exe")) << "installed a second copy beside the older one";
  EXPECT_EQ(UninstallValue(L"DisplayVersion"), std::optional<std::wstring>(L"" TOLVANE_VERSION_TEXT));
  EXPECT_EQ(UninstallValue(L"InstallLocation"), std::optional<std::wstring>(folder.wstring()));
  EXPECT_EQ(ReadFile(folder / L"Tolvane.TvXml"), "<menu of the user's/>");

  TChildProcess upgraded((folder / L"tolvane.exe").wstring(), {});
  ASSERT_NE(ReadyMainWindow(&upgraded), nullptr) << "the upgraded program did not get ready";
  ASSERT_TRUE(RunToEnd(folder / L"Uninstall.exe", {L"/S"}));
  EXPECT_TRUE(WaitUntil([&] { return !UninstallValue(L"DisplayName"); }, kInstallTimeoutMs));
  EXPECT_TRUE(upgraded.WaitForExit(0)) << "the uninstaller left the program running";
  EXPECT_FALSE(fs::exists(folder / L"tolvane.exe"));
  EXPECT_EQ(ReadFile(folder / L"Tolvane.TvXml"), "<menu of the user's/>");
}

TEST_F(TPackageTest, PortableCommandKeepsTheSettingsAndTheMenuBesideTheProgram) {
  const fs::path folder = Portable / L"Tolvane";
  ASSERT_TRUE(fs::exists(folder / L"tolvane.exe"));
  ASSERT_FALSE(fs::exists(folder / L"Tolvane.ini"));
  {
    TChildProcess command(L"C:\\windows\\system32\\cmd.exe",
                          {L"/c", (folder / L"Tolvane Portable.cmd").wstring()});
    EXPECT_TRUE(command.WaitForExit(kStartTimeoutMs));
  }
  const HWND window = ReadyMainWindow(nullptr);
  ASSERT_NE(window, nullptr) << "the portable program did not get ready";
  EXPECT_EQ(Probe(window, TProbe::ItemCount), kDemoItems) << "the first start begins with the demo menu";
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  const win32::unique_handle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
  ASSERT_NE(::PostMessageW(window, WM_CLOSE, 0, 0), FALSE);
  ASSERT_EQ(::WaitForSingleObject(process.get(), kExitTimeoutMs), WAIT_OBJECT_0);
  EXPECT_TRUE(fs::exists(folder / L"Tolvane.ini"));
  EXPECT_TRUE(fs::exists(folder / L"Tolvane.TvXml"));
}

}  // namespace
}  // namespace tolvane::e2e
