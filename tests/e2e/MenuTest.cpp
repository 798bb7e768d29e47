#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Steps.h"
#include "storage/Item.h"
#include "uimodel/Programmenu.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

constexpr int kSortCommand = 109;

// The bar shows "Tolvane", "Texts", "actions" and "Solo". Sorted in reverse while ignoring case the user's
// entries read "Texts", "Solo", "actions"; by character code "actions" would come first.
constexpr const char* kMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Menus</Name>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Texts</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Greeting</Name><Code>Hello from the menu</Code></Item>\r\n"
    "  <Item Type=\"2\" Img=\"-1\"><Name>More</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\"><Name>Deep</Name><Code>Deep text</Code></Item>\r\n"
    "  </Item>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Farewell</Name><Code>Goodbye</Code></Item>\r\n"
    "</Item>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>actions</Name>\r\n"
    // Types "Typed ", Shift+A by virtual keys, then "z": "Typed Az".
    "  <Item Type=\"6\" Img=\"-1\"><Name>Macro</Name><KeyMacro>Typed \\10\\41\\4c\\1bz</KeyMacro></Item>\r\n"
    "  <Item Type=\"7\" Img=\"-1\"><Name>Upper</Name>"
    "<XClip>LoadFromClipboard()\r\nUpperCaseAll()\r\nPaste()</XClip></Item>\r\n"
    "</Item>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Solo</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Only</Name><Code>only</Code></Item>\r\n"
    "</Item>\r\n"
    "</TolvaneDataFile>\r\n";

// What the probes say about the open menus.
struct TMenus {
  LRESULT Levels = -1;  // popups shown below the bar
  LRESULT BarHot = -1;  // hot bar entry
  LRESULT Hot1 = -1;    // hot row of the first popup
  LRESULT Hot2 = -1;    // hot row of the second popup
  LRESULT Keys = -1;    // level of the window that takes the menu keys, 0 the bar
  bool operator==(const TMenus&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TMenus& menus) {
  return out << "{levels " << menus.Levels << ", bar " << menus.BarHot << ", rows " << menus.Hot1 << " "
             << menus.Hot2 << ", keys " << menus.Keys << "}";
}

TMenus MenusOf(HWND window) {
  return TMenus{Probe(window, TProbe::PopupLevels), Probe(window, TProbe::HotRow, 0),
                Probe(window, TProbe::HotRow, 1), Probe(window, TProbe::HotRow, 2),
                Probe(window, TProbe::KeyTargetLevel)};
}

const TMenus kClosed{0, -1, -1, -1, 0};

// The process's shown popups from left to right: each level opens to the right of its owner here.
std::vector<HWND> ShownPopups(DWORD processId) {
  std::vector<HWND> popups;
  for (HWND popup : ProcessWindows(processId, L"TFormMenu"))
    if (::IsWindowVisible(popup) != FALSE)
      popups.push_back(popup);
  std::sort(popups.begin(), popups.end(),
            [](HWND a, HWND b) { return WindowBounds(a).left < WindowBounds(b).left; });
  return popups;
}

// The middle of a popup row in screen pixels.
POINT RowCentre(HWND popup, int row) {
  const RECT bounds = WindowBounds(popup);
  return POINT{(bounds.left + bounds.right) / 2,
               bounds.top + kEdgeSize + row * kItemHeight + kItemHeight / 2};
}

int RowBottom(HWND popup, int row) {
  return WindowBounds(popup).top + kEdgeSize + (row + 1) * kItemHeight;
}

// Where the pointer rests between steps: away from the bar, the popups and the target window.
POINT MouseAside() {
  return POINT{4, ::GetSystemMetrics(SM_CYSCREEN) - 14};
}

// The key that selects a popup row by its index.
UINT RowKey(int index) {
  return index < 9 ? '1' + index : 'A' + (index - 9);
}

class TMenuTest : public TTolvaneTest {
 protected:
  // Starts the program on the test menu, alone in its folder, with the bar in front.
  void Open() {
    MenuFile = Folder.File(L"Menus.TvXml");
    WriteFile(MenuFile, kMenu);
    Tolvane.emplace(Start(MenuFile));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    Panel = ::FindWindowExW(Window, nullptr, L"TPanelMainMenu", nullptr);
    ASSERT_NE(Panel, nullptr);
    // A pointer resting where a popup appears would move into it.
    ASSERT_TRUE(MoveMouse(MouseAside()));
    ASSERT_TRUE(BarToFront());
  }

  bool BarToFront() const {
    ::SetForegroundWindow(Window);
    return WaitUntil([&] { return ::GetForegroundWindow() == Window; });
  }

  // A key pressed while the bar has the keyboard focus.
  void Key(UINT key) const { PressKey(Panel, key); }

  ::testing::AssertionResult MenusBecome(const TMenus& expected) const {
    TMenus now;
    if (WaitUntil([&] { return (now = MenusOf(Window)) == expected; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the menus are " << now << ", expected " << expected;
  }

  ::testing::AssertionResult TextArrives(const TTargetWindow& target, const std::wstring& expected) const {
    if (WaitUntil([&] { return target.Text() == expected; }))
      return ::testing::AssertionSuccess();
    const HWND box = FindProcessWindow(Tolvane->Id(), L"TQxMsgBox");
    return ::testing::AssertionFailure()
           << "the target holds \"" << Narrow(target.Text()) << "\", expected \"" << Narrow(expected) << "\""
           << (box != nullptr ? "; message box " + Narrow(WindowCaption(box)) : "");
  }

  // With the bar in front: the entry by its key, the row by Down from the first, then Enter.
  void PickWithKeys(UINT entryKey, LRESULT entry, int row) const {
    ASSERT_TRUE(BarToFront());
    Key(entryKey);
    ASSERT_TRUE(MenusBecome(TMenus{1, entry, -1, -1, 0}));
    for (int hot = 0; hot <= row; ++hot) {
      Key(VK_DOWN);
      ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::HotRow, 1) == hot; })) << MenusOf(Window);
    }
    Key(VK_RETURN);
  }

  std::filesystem::path MenuFile;
  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Panel = nullptr;
};

TEST_F(TMenuTest, KeysWalkTheMenusAndDeleteRemovesOnlyWhatMayGo) {
  ASSERT_NO_FATAL_FAILURE(Open());

  // '2' is the second entry, the first of the file; the keypad's 2 stands for '3', the third.
  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  EXPECT_EQ(Probe(Window, TProbe::RowCount, 1), 3);
  Key(VK_NUMPAD2);
  ASSERT_TRUE(MenusBecome(TMenus{1, 2, -1, -1, 0}));
  EXPECT_EQ(Probe(Window, TProbe::RowCount, 1), 2) << "the popup still shows the previous entry";

  // Into the sub-menu of "More" and back.
  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 0, -1, 1}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, -1, 1}));
  Key(VK_RIGHT);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, 0, 2}));
  Key(VK_LEFT);
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 1, -1, 1}));
  Key(VK_RIGHT);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, 0, 2}));
  Key(VK_ESCAPE);
  ASSERT_TRUE(MenusBecome(kClosed));

  // Esc taken by the second-level popup itself: the close request climbs to the bar, which closes all.
  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 0, -1, 1}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, -1, 1}));
  Key(VK_RIGHT);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, 0, 2}));
  const std::vector<HWND> popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 2u);
  ::PostMessageW(popups[1], uimodel::UM_MENU_KEY, VK_ESCAPE, 0);
  ASSERT_TRUE(MenusBecome(kClosed));
  EXPECT_TRUE(ShownPopups(Tolvane->Id()).empty());

  // The loaded file's own entry under "Menu Files" cannot be deleted.
  const auto program = uimodel::NewProgramItem();
  uimodel::BuildProgramCommands(*program);
  const int menuFiles = program->IndexOfChild(uimodel::MenuFilesItem(*program));
  ASSERT_GE(menuFiles, 0);
  Key('1');
  ASSERT_TRUE(MenusBecome(TMenus{1, 0, -1, -1, 0}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{1, 0, 0, -1, 1}));
  Key(RowKey(menuFiles));
  ASSERT_TRUE(MenusBecome(TMenus{2, 0, menuFiles, -1, 1}));
  ASSERT_EQ(Probe(Window, TProbe::RowCount, 2), 1) << "the menu file is not alone in its folder";
  Key(VK_RIGHT);
  ASSERT_TRUE(MenusBecome(TMenus{2, 0, menuFiles, 0, 2}));
  Key(VK_DELETE);
  Key(VK_LEFT);  // handled after Del: once it shows, Del has been handled
  ASSERT_TRUE(MenusBecome(TMenus{1, 0, menuFiles, -1, 1}));
  if (const HWND box = FindProcessWindow(Tolvane->Id(), L"TQxMsgBox"); box != nullptr) {
    ADD_FAILURE() << "Del on the loaded file asked " << Narrow(WindowCaption(box));
    ClickBoxButton(box, L"&No");
  }
  EXPECT_TRUE(std::filesystem::exists(MenuFile));
  EXPECT_EQ(Probe(Window, TProbe::MenuModified), 0);
  Key(VK_ESCAPE);
  ASSERT_TRUE(MenusBecome(kClosed));

  // Deleting the only item of a popup closes that popup.
  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 0, -1, 1}));
  Key(VK_DOWN);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, -1, 1}));
  Key(VK_RIGHT);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, 0, 2}));
  Key(VK_DELETE);
  const TBox question = WaitForMessageBox(Tolvane->Id());
  ASSERT_NE(question.Window, nullptr) << "no question before deleting";
  EXPECT_EQ(question.Caption, L"Question for you");
  ClickBoxButton(question.Window, L"&Yes");
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 1, -1, 1}));
  EXPECT_EQ(Probe(Window, TProbe::RowCount, 1), 3);
  EXPECT_EQ(Probe(Window, TProbe::MenuModified), 1);

  CloseAndExpectCleanExit(*Tolvane, Window);
  const std::string saved = ReadFile(MenuFile);
  EXPECT_EQ(saved.find("Deep"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<Name>More</Name>"), std::string::npos) << saved;
}

TEST_F(TMenuTest, PicksByKeyAndMouseReachTheWindowInFront) {
  ASSERT_NO_FATAL_FAILURE(Open());
  // The target in front after the bar: the bar takes it into its history of foreground windows.
  const TTargetWindow target;
  ASSERT_TRUE(target.BringToFront());
  ASSERT_TRUE(WaitUntil([&] {
    return Probe(Window, TProbe::HistoryEntry, 0) == reinterpret_cast<LRESULT>(target.Handle());
  })) << "the target is not in the history";

  ASSERT_NO_FATAL_FAILURE(PickWithKeys('2', 1, 0));
  EXPECT_TRUE(TextArrives(target, L"Hello from the menu"));
  EXPECT_TRUE(MenusBecome(kClosed));
  EXPECT_TRUE(NoModifierDown());

  target.Clear();
  ASSERT_NO_FATAL_FAILURE(PickWithKeys(VK_NUMPAD2, 2, 0));
  EXPECT_TRUE(TextArrives(target, L"Typed Az")) << "keystroke macro";
  EXPECT_TRUE(NoModifierDown());

  target.Clear();
  ASSERT_TRUE(WaitUntil([&] { return SetClipboard(L"Mixed case Words"); }));
  ASSERT_NO_FATAL_FAILURE(PickWithKeys('3', 2, 1));
  EXPECT_TRUE(TextArrives(target, L"MIXED CASE WORDS")) << "clipboard modifier";
  EXPECT_TRUE(NoModifierDown());

  // The mouse: a click on "Texts", over "More" into its sub-menu, a click on "Deep".
  target.Clear();
  ASSERT_TRUE(target.BringToFront());
  const LRESULT entry = Probe(Window, TProbe::EntryBounds, 1);
  ASSERT_NE(entry, -1);
  const RECT bar = WindowBounds(Panel);
  ASSERT_TRUE(MoveMouse(POINT{(LOWORD(entry) + HIWORD(entry)) / 2, (bar.top + bar.bottom) / 2}));
  ASSERT_TRUE(Click());
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  std::vector<HWND> popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 1u);
  ASSERT_TRUE(MoveMouse(RowCentre(popups[0], 1)));
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, -1, 1}));
  popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 2u);
  ASSERT_TRUE(MoveMouse(RowCentre(popups[1], 0)));
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, 0, 2}));
  ASSERT_TRUE(Click());
  EXPECT_TRUE(TextArrives(target, L"Deep text"));
  EXPECT_TRUE(MenusBecome(kClosed));
  EXPECT_TRUE(NoModifierDown());
  ASSERT_TRUE(MoveMouse(MouseAside()));

  CloseAndExpectCleanExit(*Tolvane, Window);
}

TEST_F(TMenuTest, BarInTheLowerHalfOpensUpwardsAndShiftSortKeepsTheProgramItemFirst) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const RECT work = WorkAreaOf(Window);
  const int barTop = work.top + (work.bottom - work.top) * 3 / 4;
  ASSERT_NE(::SetWindowPos(Window, nullptr, WindowBounds(Window).left, barTop, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE),
            FALSE);
  ASSERT_TRUE(WaitUntil([&] { return WindowBounds(Window).top == barTop; }));

  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  std::vector<HWND> popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_LE(WindowBounds(popups[0]).bottom, barTop) << "the popup did not open upwards";
  // Up opens at the row next to the bar, the last.
  Key(VK_UP);
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 2, -1, 1}));
  Key(VK_UP);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, -1, 1}));
  Key(VK_RIGHT);
  ASSERT_TRUE(MenusBecome(TMenus{2, 1, 1, 0, 2}));
  popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 2u);
  // The sub-menu's last row lines up with its parent row.
  EXPECT_EQ(WindowBounds(popups[1]).bottom, RowBottom(popups[0], 1) + kEdgeSize);
  Key(VK_ESCAPE);
  ASSERT_TRUE(MenusBecome(kClosed));

  // Sorting the root with Shift held: the program item stays first, the rest in reverse order. The Shift
  // press reaches the program with the Right after it, so once Right has acted, Shift is down there too.
  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  {
    THeldKey shift(VK_SHIFT);
    ASSERT_TRUE(SendKey(VK_RIGHT, KEYEVENTF_EXTENDEDKEY));
    ASSERT_TRUE(SendKey(VK_RIGHT, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP));
    ASSERT_TRUE(MenusBecome(TMenus{1, 2, -1, -1, 0}));
    ::PostMessageW(Panel, uimodel::UM_ITEM_COMMAND, kSortCommand, 0);
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::MenuModified) == 1; })) << "no sort";
    EXPECT_TRUE(MenusBecome(kClosed));
  }
  ASSERT_TRUE(WaitUntil(NoModifierDown));

  const auto program = uimodel::NewProgramItem();
  uimodel::BuildProgramCommands(*program);
  Key('1');
  ASSERT_TRUE(MenusBecome(TMenus{1, 0, -1, -1, 0}));
  EXPECT_EQ(Probe(Window, TProbe::RowCount, 1), program->Children.Count())
      << "the first entry is not Tolvane";
  Key(VK_ESCAPE);
  ASSERT_TRUE(MenusBecome(kClosed));

  CloseAndExpectCleanExit(*Tolvane, Window);
  const std::string saved = ReadFile(MenuFile);
  const size_t texts = saved.find("<Name>Texts</Name>");
  const size_t solo = saved.find("<Name>Solo</Name>");
  const size_t actions = saved.find("<Name>actions</Name>");
  ASSERT_NE(actions, std::string::npos) << saved;
  EXPECT_LT(texts, solo) << saved;
  EXPECT_LT(solo, actions) << saved;
}

constexpr int kShadow = 4;       // the context window's shadow margin
constexpr int kPickerCell = 26;  // an icon picker cell

// The middle of a context window's entry, and its last entry ("Delete Item" where it is offered).
POINT EntryCentre(HWND context, int entry) {
  const RECT bounds = WindowBounds(context);
  return POINT{(bounds.left + bounds.right - kShadow) / 2,
               bounds.top + kEdgeSize + entry * kItemHeight + kItemHeight / 2};
}
int LastEntry(HWND context) {
  const RECT bounds = WindowBounds(context);
  return (bounds.bottom - bounds.top - kShadow - 2 * kEdgeSize) / kItemHeight - 1;
}

// The Img attribute of the saved item with the name.
std::string SavedImage(const std::string& saved, const std::string& name) {
  const size_t at = saved.find("<Name>" + name + "</Name>");
  const size_t image = at == std::string::npos ? at : saved.rfind("Img=\"", at);
  if (image == std::string::npos)
    return "<none>";
  const size_t start = image + 5;
  return saved.substr(start, saved.find('"', start) - start);
}

POINT CellCentre(HWND picker, int cell) {
  const RECT bounds = WindowBounds(picker);
  return POINT{bounds.left + kEdgeSize + cell % 16 * kPickerCell + kPickerCell / 2,
               bounds.top + kEdgeSize + cell / 16 * kPickerCell + kPickerCell / 2};
}

TEST_F(TMenuTest, PreviewIconPickerAndContextWindowServeThePopupItems) {
  ASSERT_NO_FATAL_FAILURE(Open());
  Key('2');
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, -1, -1, 0}));
  const std::vector<HWND> popups = ShownPopups(Tolvane->Id());
  ASSERT_EQ(popups.size(), 1u);
  const HWND popup = popups[0];

  // Ctrl pressed over a resting row shows its contents; releasing it hides them.
  ASSERT_TRUE(MoveMouse(RowCentre(popup, 0)));
  ASSERT_TRUE(MenusBecome(TMenus{1, 1, 0, -1, 1}));
  HWND preview = nullptr;
  {
    THeldKey ctrl(VK_CONTROL);
    ASSERT_TRUE(WaitUntil([&] {
      return (preview = FindProcessWindow(Tolvane->Id(), L"TFrmShow")) != nullptr;
    })) << "no preview while Ctrl is held";
    const std::wstring shown = ControlText(::GetWindow(preview, GW_CHILD));
    EXPECT_NE(shown.find(L"Clip: "), std::wstring::npos) << Narrow(shown);
    EXPECT_NE(shown.find(L"Hello from the menu"), std::wstring::npos) << Narrow(shown);
    EXPECT_EQ(::GetForegroundWindow(), Window) << "the preview took the activation";
  }
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(preview) == FALSE; })) << "the preview stayed";

  // A right click on a row's icon opens the picker; a click chooses the cell under the pointer.
  const auto iconOf = [&](int row) {
    POINT point = RowCentre(popup, row);
    point.x = WindowBounds(popup).left + kEdgeSize + 8;
    return point;
  };
  // Wine, learning of an earlier focus change late, may hand the front back to the window the last picker
  // gave it to just after a new picker took it; the picker then closes at once, as it does on losing the
  // front. A picker that was made but is gone is asked for again; one never made is a failure. Before
  // asking again the front has to be the program's once more, and the pointer has to come to the row
  // afresh: a pointer that does not move makes no move message, so a row that lost its hot mark on the way
  // would stay unmarked and the right click would find no item.
  const auto openPicker = [&](int row) {
    HWND picker = nullptr;
    for (int attempt = 0; attempt < 3 && picker == nullptr; ++attempt) {
      if (attempt > 0 && (!WaitUntil([&] { return ::GetForegroundWindow() == Window; }) ||
                          !MoveMouse(RowCentre(popup, row == 0 ? 1 : 0))))
        return picker;
      const LRESULT opened = Probe(Window, TProbe::PickersOpened);
      if (!MoveMouse(iconOf(row)) || !WaitUntil([&] { return Probe(Window, TProbe::HotRow, 1) == row; }) ||
          !RightClick())
        return picker;
      const bool shown =
          WaitUntil([&] { return (picker = FindProcessWindow(Tolvane->Id(), L"TFormImgSel")) != nullptr; });
      if (!shown && Probe(Window, TProbe::PickersOpened) == opened)
        break;
    }
    return picker;
  };
  const auto pickCell = [&](int row, int cell, bool ctrl) {
    const HWND picker = openPicker(row);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const POINT aim = iconOf(row);
    ASSERT_NE(picker, nullptr) << "no icon picker for row " << row << " " << MenusOf(Window)
                               << ", pickers opened " << Probe(Window, TProbe::PickersOpened) << ", in front "
                               << ForegroundOf(Tolvane->Id()) << ", pointer at " << cursor.x << ","
                               << cursor.y << " over " << Narrow(WindowClass(::WindowFromPoint(cursor)))
                               << " aimed at " << aim.x << "," << aim.y << ", context window "
                               << (FindProcessWindow(Tolvane->Id(), L"TFormPopUp") != nullptr ? "open"
                                                                                              : "none")
                               << ", capture " << Narrow(WindowClass(CaptureOf(Window)));
    // Wine may set its key state afresh from the X server's when the focus comes in, and a Ctrl pressed
    // through SendInput is not down there: the key is pressed only once the picker has the front.
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == picker; }))
        << "the picker is not in front: " << ForegroundOf(Tolvane->Id());
    ASSERT_TRUE(MoveMouse(CellCentre(picker, cell)));
    std::optional<THeldKey> held;
    if (ctrl)
      held.emplace(VK_CONTROL);
    ASSERT_TRUE(Click());
    ASSERT_TRUE(WaitUntil([&] { return FindProcessWindow(Tolvane->Id(), L"TFormImgSel") == nullptr; }))
        << "the picker stayed open";
  };
  // The cells chosen lie over no window of the program once the picker is gone: Wine learns from the X server
  // late what is under the pointer when a window goes, and over the bar that late news would open the first
  // entry's popup in place of this one after the pointer has moved on.
  ASSERT_NO_FATAL_FAILURE(pickCell(0, 51, false));
  ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::MenuModified) == 1; }));
  // Ctrl applies the icon chosen last, not the one under the pointer.
  ASSERT_NO_FATAL_FAILURE(pickCell(2, 20, true));
  ASSERT_TRUE(WaitUntil(NoModifierDown));

  // A right click on a caption opens the context window; its "Delete Item" deletes the row after asking.
  ASSERT_TRUE(MoveMouse(RowCentre(popup, 1)));
  ASSERT_TRUE(RightClick());
  HWND context = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (context = FindProcessWindow(Tolvane->Id(), L"TFormPopUp")) != nullptr;
  })) << "no context window";
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == context; })) << "it did not take the focus";
  ASSERT_EQ(LastEntry(context), 8) << "the entries of a folder with children in a popup";
  ASSERT_TRUE(MoveMouse(EntryCentre(context, LastEntry(context))));
  ASSERT_TRUE(Click());
  const TBox question = WaitForMessageBox(Tolvane->Id());
  ASSERT_NE(question.Window, nullptr) << "no question before deleting";
  ClickBoxButton(question.Window, L"&Yes");
  ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::RowCount, 1) == 2; })) << "More was not deleted";
  EXPECT_EQ(::IsWindow(context), FALSE) << "the context window outlived its choice";

  // Esc closes the context window without a command.
  ASSERT_TRUE(MoveMouse(RowCentre(popup, 0)));
  ASSERT_TRUE(RightClick());
  ASSERT_TRUE(
      WaitUntil([&] { return (context = FindProcessWindow(Tolvane->Id(), L"TFormPopUp")) != nullptr; }));
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == context; }));
  ASSERT_TRUE(SendKey(VK_ESCAPE, 0));
  ASSERT_TRUE(SendKey(VK_ESCAPE, KEYEVENTF_KEYUP));
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(context) == FALSE; }));
  EXPECT_EQ(Probe(Window, TProbe::RowCount, 1), 2);

  CloseAndExpectCleanExit(*Tolvane, Window);
  const std::string saved = ReadFile(MenuFile);
  EXPECT_EQ(SavedImage(saved, "Greeting"), "51") << saved;
  EXPECT_EQ(SavedImage(saved, "Farewell"), "51") << saved;
  EXPECT_EQ(saved.find("<Name>More</Name>"), std::string::npos) << saved;
}

}  // namespace
}  // namespace tolvane::e2e
