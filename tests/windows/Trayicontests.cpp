// The notification-area icon and its menu under the real shell, and the rules its owner retries by.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Trayicon.h"
#include "ui/Window.h"

// After the Windows headers.
#include <shellapi.h>

namespace tolvane::ui::testing {
namespace {

class TTrayOwner final : public TWindow {
 public:
  TTrayOwner() {
    TWindowClass windowClass;
    windowClass.Name = L"TolvaneTrayTestOwner";
    TWindowParams creation;
    creation.Style = WS_POPUP | WS_VISIBLE;
    creation.Bounds = TRect::Sized(1000, 360, 160, 80);
    Create(windowClass, creation);
  }
  ~TTrayOwner() override { Destroy(); }
};

// Whether the shell knows the icon: only an icon that is there takes a change.
bool IconExists(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = id;
  data.uFlags = NIF_TIP;
  return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void RemoveBehindItsBack(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = id;
  ASSERT_NE(::Shell_NotifyIconW(NIM_DELETE, &data), FALSE);
}

class TrayIcon : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Owner = std::make_unique<TTrayOwner>(); }
  static void TearDownTestSuite() { Owner.reset(); }

  static HWND OwnerHandle() { return Owner->Handle(); }
  static HICON Icon() { return ::LoadIconW(nullptr, IDI_APPLICATION); }

  static inline std::unique_ptr<TTrayOwner> Owner;
};

// ---- The icon ---------------------------------------------------------------------------------------------

TEST_F(TrayIcon, ShowsChangesAndHidesItsIcon) {
  TTrayIcon icon(OwnerHandle(), 7);
  EXPECT_FALSE(icon.Visible());
  ASSERT_EQ(icon.Show(Icon(), L"Tolvane"), TTrayShowResult::Shown);
  EXPECT_TRUE(icon.Visible());
  EXPECT_TRUE(IconExists(OwnerHandle(), 7));

  EXPECT_EQ(icon.Show(Icon(), std::wstring(300, L'x')), TTrayShowResult::Shown)
      << "a change, with a long tip";
  EXPECT_TRUE(IconExists(OwnerHandle(), 7));

  icon.Hide();
  EXPECT_FALSE(icon.Visible());
  EXPECT_FALSE(IconExists(OwnerHandle(), 7));
  icon.Hide();
  EXPECT_FALSE(icon.Visible()) << "hiding twice";

  {
    TTrayIcon scoped(OwnerHandle(), 9);
    ASSERT_EQ(scoped.Show(Icon(), L"Tolvane"), TTrayShowResult::Shown);
  }
  EXPECT_FALSE(IconExists(OwnerHandle(), 9)) << "the icon goes with its object";
}

TEST_F(TrayIcon, ShowsAgainAfterTheShellLostTheIcon) {
  TTrayIcon icon(OwnerHandle(), 8);
  ASSERT_EQ(icon.Show(Icon(), L"Tolvane"), TTrayShowResult::Shown);
  RemoveBehindItsBack(OwnerHandle(), 8);  // as a restarted taskbar has it
  EXPECT_EQ(icon.Show(Icon(), L"Tolvane"), TTrayShowResult::Shown);
  EXPECT_TRUE(IconExists(OwnerHandle(), 8));
}

TEST(TrayRules, ShortageIsTriedAgainAtOnceThenOnTheTimer) {
  using enum TTrayShowResult;
  const struct {
    TTrayShowResult Result;
    int Attempt;
    TTrayRetry Next;
  } rows[] = {{Shown, 1, TTrayRetry::Done},
              {Shown, 2, TTrayRetry::Done},
              {OutOfResources, 1, TTrayRetry::AgainNow},
              {OutOfResources, 2, TTrayRetry::OnNextTick},
              {Failed, 1, TTrayRetry::OnNextTick},
              {Failed, 2, TTrayRetry::OnNextTick}};
  for (const auto& row : rows) {
    EXPECT_EQ(NextTrayAttempt(row.Result, row.Attempt), row.Next)
        << static_cast<int>(row.Result) << " on attempt " << row.Attempt;
  }
  for (const DWORD shortage : {ERROR_NO_SYSTEM_RESOURCES, ERROR_NOT_ENOUGH_MEMORY, ERROR_OUTOFMEMORY})
    EXPECT_EQ(TrayFailure(shortage), OutOfResources) << shortage;
  // The shell does not always say why.
  for (const DWORD other : {ERROR_SUCCESS, ERROR_TIMEOUT, ERROR_ACCESS_DENIED})
    EXPECT_EQ(TrayFailure(other), Failed) << other;
}

TEST(TrayRules, TipIsCutToWhatTheIconHoldsWithoutSplittingACharacter) {
  const std::wstring x126(126, L'x');
  const std::wstring pair = L"\xD83D\xDE00";
  const struct {
    std::wstring Tip;
    std::wstring Fitted;
  } rows[] = {{L"", L""},
              {L"Tolvane", L"Tolvane"},
              {x126 + L"y", x126 + L"y"},
              {x126 + L"yz", x126 + L"y"},
              {x126 + pair, x126},                                     // the pair would end half way
              {x126.substr(1) + pair + L"z", x126.substr(1) + pair}};  // the pair fits whole
  for (const auto& row : rows) {
    const std::wstring fitted = TrayTip(row.Tip);
    EXPECT_EQ(fitted, row.Fitted) << row.Tip.size() << " units";
    EXPECT_LE(fitted.size(), 127u);
  }
}

// ---- The menu ---------------------------------------------------------------------------------------------

// Acts on the open popup menu from a timer while TrackPopupMenu runs its own message loop; closes a menu that
// outstays the deadline so a failing test cannot hang.
class TMenuDriver {
 public:
  using TAction = std::function<void(HWND menuWindow)>;

  explicit TMenuDriver(TAction action) : Action(std::move(action)) {
    Current = this;
    Started = ::GetTickCount64();
    Timer = ::SetTimer(nullptr, 0, 30, &TMenuDriver::Tick);
  }
  TMenuDriver(const TMenuDriver&) = delete;
  TMenuDriver& operator=(const TMenuDriver&) = delete;
  ~TMenuDriver() {
    ::KillTimer(nullptr, Timer);
    Current = nullptr;
  }

  std::vector<std::wstring> Items;  // the texts of the menu as it was shown
  bool Acted = false;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Current != nullptr)
      Current->Run();
  }

  static HWND OpenMenu() {
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    return menu != nullptr && ::IsWindowVisible(menu) ? menu : nullptr;
  }

  void Run() {
    if (::GetTickCount64() - Started > 5000) {
      ::EndMenu();
      return;
    }
    const HWND menuWindow = OpenMenu();
    if (menuWindow == nullptr || Acted)
      return;
    Acted = true;
    ReadItems(menuWindow);
    Action(menuWindow);
  }

  void ReadItems(HWND menuWindow) {
    constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, kGetMenu, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      Items.emplace_back(text);
    }
  }

  static inline TMenuDriver* Current = nullptr;
  TAction Action;
  ULONGLONG Started = 0;
  UINT_PTR Timer = 0;
};

TMenuDriver::TAction Keys(std::vector<WORD> keys) {
  return [keys = std::move(keys)](HWND menuWindow) {
    for (const WORD key : keys) {
      ::PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
      ::PostMessageW(menuWindow, WM_KEYUP, key, 0xC0000000);
    }
  };
}

TEST_F(TrayIcon, MenuOffersItsThreeChoicesAndReturnsThePickedOne) {
  const struct {
    const char* Name;
    TMenuDriver::TAction Action;
    TTrayChoice Choice;
  } rows[] = {
      {"Esc", Keys({VK_ESCAPE}), TTrayChoice::Cancel},
      {"first item", Keys({VK_DOWN, VK_RETURN}), TTrayChoice::ShowToolbar},
      {"second item", Keys({VK_DOWN, VK_DOWN, VK_RETURN}), TTrayChoice::CloseToolbar},
      {"third item", Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}), TTrayChoice::Cancel},
      {"ended from outside", [](HWND) { ::EndMenu(); }, TTrayChoice::Cancel},
  };
  for (const auto& row : rows) {
    TMenuDriver driver(row.Action);
    const TTrayChoice choice = ShowTrayMenu(OwnerHandle(), POINT{1000, 300});
    EXPECT_TRUE(driver.Acted) << row.Name << ": the menu was not seen open";
    EXPECT_EQ(choice, row.Choice) << row.Name;
    EXPECT_EQ(driver.Items, (std::vector<std::wstring>{L"Show Toolbar", L"Close Toolbar", L"Cancel"}))
        << row.Name;
  }
}

}  // namespace
}  // namespace tolvane::ui::testing
