// The Search dialog from outside: Ctrl+F at the bar opens it over every item, typed terms narrow the list,
// the arrow keys move the list's selection from a term box, and Enter performs the chosen item in the window
// that was in front, or nothing when nothing was found; F1 asks for the help page, Esc cancels, and the
// detail pane keeps the height its splitter was dragged to.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Steps.h"
#include "uimodel/Searchdialog.h"
#include "uimodel/Uimessages.h"

// After the Windows headers that Steps.h brings.
#include <commctrl.h>

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

constexpr int kPaneDrag = 60;
namespace control = uimodel::searchcontrol;

constexpr const char* kMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Menus</Name>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Texts</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Beta two</Name><Code>second pick</Code></Item>\r\n"
    "  <Item Type=\"0\" Img=\"-1\"><Name>Greeting</Name><Code>Hello</Code></Item>\r\n"
    "  <Item Type=\"2\" Img=\"-1\"><Name>More</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\"><Name>Alpha one</Name><Code>first pick</Code></Item>\r\n"
    "  </Item>\r\n"
    "</Item>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Web</Name>\r\n"
    "  <Item Type=\"4\" Img=\"-1\"><Name>Home</Name><Url>https://example.org/pick</Url></Item>\r\n"
    "</Item>\r\n"
    "</TolvaneDataFile>\r\n";

class TSearchTest : public TTolvaneTest {
 protected:
  void Open() {
    MenuFile = Folder.File(L"Menus.TvXml");
    WriteFile(MenuFile, kMenu);
    Tolvane.emplace(Start(MenuFile));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    ASSERT_TRUE(BarToFront());
  }

  // The foreground history is kept while the bar is inactive, so the bar must have been in front first.
  bool BarToFront() const {
    ::SetForegroundWindow(Window);
    return WaitUntil([&] { return ::GetForegroundWindow() == Window; });
  }

  // Ctrl+F with the bar in front; the dialog once its list is filled.
  void OpenSearch() {
    ASSERT_TRUE(BarToFront());
    {
      THeldKey control(VK_CONTROL);
      ASSERT_TRUE(SendKey('F', 0));
      ASSERT_TRUE(SendKey('F', KEYEVENTF_KEYUP));
    }
    ASSERT_TRUE(WaitUntil([&] {
      return (Dialog = FindProcessWindow(Tolvane->Id(), L"TFrmSearch")) != nullptr;
    })) << "no search dialog";
    ASSERT_TRUE(CaptionFinds(7)) << "every user item below the root, folders too";
  }

  ::testing::AssertionResult CaptionFinds(int count) const {
    const std::wstring expected = L"Tolvane Search - Found " + std::to_wstring(count) + L" Items in ";
    std::wstring caption;
    if (WaitUntil([&] { return (caption = WindowCaption(Dialog)).starts_with(expected); }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the caption is \"" << Narrow(caption) << "\"";
  }

  HWND Control(int id) const { return ::GetDlgItem(Dialog, id); }

  // Characters as the term box receives them from the keyboard.
  void Type(int id, std::wstring_view text) const {
    for (const wchar_t unit : text)
      ::PostMessageW(Control(id), WM_CHAR, unit, 1);
  }

  int SelectedRow() const {
    return static_cast<int>(
        ::SendMessageW(Control(control::Results), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }

  std::filesystem::path MenuFile;
  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Dialog = nullptr;
};

TEST_F(TSearchTest, EnterPerformsTheChosenItemInTheWindowInFrontAndEscOrNoRowsPerformNothing) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const TTargetWindow target;
  ASSERT_TRUE(target.BringToFront());
  ASSERT_TRUE(WaitUntil([&] {
    return Probe(Window, TProbe::HistoryEntry, 0) == reinterpret_cast<LRESULT>(target.Handle());
  })) << "the target is not in the history";

  // F1 asks for the help page (not installed beside a build, which the program says); Esc then cancels.
  ASSERT_NO_FATAL_FAILURE(OpenSearch());
  PressKey(Control(control::Term1), VK_F1);
  const TBox help = WaitForMessageBox(Tolvane->Id());
  ASSERT_NE(help.Window, nullptr) << "F1 did nothing";
  EXPECT_EQ(help.Caption, L"Help");
  ClickBoxButton(help.Window, L"&Ok");
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(help.Window) == FALSE; }));
  EXPECT_TRUE(::IsWindow(Dialog)) << "the help closed the dialog";
  // The splitter above the detail pane, dragged up with the real pointer, heightens the pane.
  const RECT pane = WindowBounds(Control(control::Detail));
  const POINT grip{(pane.left + pane.right) / 2, pane.top - 2};
  ASSERT_TRUE(MoveMouse(grip));
  {
    THeldButton button;
    ASSERT_TRUE(button.IsHeld());
    ASSERT_TRUE(MoveMouse(POINT{grip.x, grip.y - kPaneDrag}));
  }
  EXPECT_TRUE(WaitUntil([&] { return WindowBounds(Control(control::Detail)).top == pane.top - kPaneDrag; }))
      << "the pane's top is at " << WindowBounds(Control(control::Detail)).top << ", was " << pane.top;
  PressKey(Control(control::Term1), VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(Dialog) == FALSE; })) << "Esc left it open";

  // Nothing found: Enter ends the dialog, and nothing is performed. The pane keeps its dragged height.
  ASSERT_NO_FATAL_FAILURE(OpenSearch());
  EXPECT_EQ(WindowBounds(Control(control::Detail)).top, pane.top - kPaneDrag);
  Type(control::Term1, L"zzz");
  ASSERT_TRUE(CaptionFinds(0));
  PressKey(Control(control::Term1), VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(Dialog) == FALSE; })) << "Enter with no rows left it open";

  // Two terms, either case, each found in any value of the item: "pick" in the clip texts and the web site's
  // address, "n" only in the clips ("Alpha one", "second pick"), sorted by name.
  ASSERT_NO_FATAL_FAILURE(OpenSearch());
  Type(control::Term1, L"PICK");
  ASSERT_TRUE(CaptionFinds(3));
  Type(control::Term2, L"two");
  ASSERT_TRUE(CaptionFinds(1));
  EXPECT_EQ(SelectedRow(), 0);
  ::PostMessageW(Control(control::Term2), WM_CHAR, VK_BACK, 1);
  ::PostMessageW(Control(control::Term2), WM_CHAR, VK_BACK, 1);
  ::PostMessageW(Control(control::Term2), WM_CHAR, VK_BACK, 1);
  ASSERT_TRUE(CaptionFinds(3));
  Type(control::Term2, L"n");
  ASSERT_TRUE(CaptionFinds(2));
  // Down in the term box moves the list's selection to "Beta two"; the box's text stays as it was.
  PressKey(Control(control::Term2), VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return SelectedRow() == 1; })) << SelectedRow();
  EXPECT_EQ(ControlText(Control(control::Term2)), L"n");
  PressKey(Control(control::Term2), VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(Dialog) == FALSE; }));

  // Exactly the one pick: the cancelled dialog and the one that found nothing performed nothing before it.
  std::wstring text;
  EXPECT_TRUE(WaitUntil([&] { return (text = target.Text()) == L"second pick"; })) << Narrow(text);
  EXPECT_TRUE(NoModifierDown());

  CloseAndExpectCleanExit(*Tolvane, Window);
  const std::string settings = ReadFile(Folder.File(L"Tolvane.ini"));
  EXPECT_NE(settings.find("SearchPos="), std::string::npos) << "the dialog's bounds are kept";
}

}  // namespace
}  // namespace tolvane::e2e
