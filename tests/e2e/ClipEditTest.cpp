// The Clipboard Modifier Composer from outside, opened by the edit panel's Composer button: typing filters
// the function list, Enter completes a single match, a double click selects a quoted value, and "Try" runs
// the script on the sample with the result and the trace shown while the real clipboard stays as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Steps.h"
#include "modifier/Clipeditfrm.h"
#include "uimodel/Editpanellayout.h"
#include "uimodel/Uimessages.h"

#include <richedit.h>

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;
namespace control = modifier::clipeditcontrol;

constexpr const char* kMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Menus</Name>\r\n"
    "<Item Type=\"2\" Img=\"-1\"><Name>Scripts</Name>\r\n"
    "  <Item Type=\"7\" Img=\"-1\"><Name>Tidy</Name><XClip>Trim()</XClip></Item>\r\n"
    "</Item>\r\n"
    "</TolvaneDataFile>\r\n";

const std::wstring kClipboard = L"pear\r\napple\r\nfig";

// Line breaks as "\n", whichever form the control reports.
std::wstring Lines(std::wstring text) {
  for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at))
    text.erase(at, 1);
  for (wchar_t& c : text)
    if (c == L'\r')
      c = L'\n';
  return text;
}

// Letters, blanks and Enter through the system's input queue into the focus.
bool TypeKeys(const std::wstring& text) {
  std::vector<INPUT> keys;
  for (const wchar_t c : text) {
    WORD key = 0;
    if (c >= L'a' && c <= L'z')
      key = static_cast<WORD>(c - L'a' + 'A');
    else if (c == L' ')
      key = VK_SPACE;
    else if (c == L'\n')
      key = VK_RETURN;
    else
      return false;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    keys.push_back(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    keys.push_back(input);
  }
  return ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size();
}

class TClipEditTest : public TTolvaneTest {
 protected:
  // The editor with the modifier item shown, and its Composer opened.
  void OpenComposer() {
    const std::filesystem::path menu = Folder.File(L"Menus.TvXml");
    WriteFile(menu, kMenu);
    Tolvane.emplace(Start(menu));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    ::SetForegroundWindow(Window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == Window; }));
    PressKey(Window, VK_F12);
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::EditorMode) == 1; })) << "no editor";
    Panel = FindDescendant(Window, L"TPnlEdits");
    ASSERT_NE(Panel, nullptr);
    const HWND tree = FindDescendant(Window, L"SysTreeView32");
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == tree; })) << "the tree has not got the keys";
    PressKey(tree, VK_RIGHT);  // opens Scripts
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::NodeCentre, 2) != -1; }));
    const LRESULT node = Probe(Window, TProbe::NodeCentre, 2);
    ASSERT_TRUE(MoveMouse(POINT{static_cast<int>(node & 0xFFFF), static_cast<int>((node >> 16) & 0xFFFF)}));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(WaitUntil([&] { return ControlText(::GetDlgItem(Panel, uimodel::EdCaption)) == L"Tidy"; }));
    ::PostMessageW(::GetDlgItem(Panel, uimodel::ButEditModifier), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] {
      return (Dialog = FindProcessWindow(Tolvane->Id(), L"TFrmClipEdit")) != nullptr;
    })) << "no composer";
    EXPECT_EQ(WindowCaption(Dialog), L"Clipboard Modifier Composer");
    ASSERT_TRUE(WaitUntil([&] {
      return ::GetForegroundWindow() == Dialog && FocusOf(Dialog) == Control(control::Editor);
    })) << "the editor has not got the keys";
  }

  HWND Control(int id) const { return ::GetDlgItem(Dialog, id); }
  std::wstring Text(int id) const { return Lines(ControlText(Control(id))); }
  LRESULT Listed() const { return ::SendMessageW(Control(control::List), LB_GETCOUNT, 0, 0); }

  ::testing::AssertionResult Becomes(int id, const std::wstring& expected) const {
    if (WaitUntil([&] { return Text(id) == expected; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "control " << id << " holds \"" << Narrow(Text(id))
                                         << "\", expected \"" << Narrow(expected) << "\"";
  }

  // The caption counts the functions; the full list also has the separator row.
  ::testing::AssertionResult ListShows(LRESULT count, LRESULT counted) const {
    const std::wstring caption = L"Function List ( " + std::to_wstring(counted) + L" ):";
    if (WaitUntil([&] { return Listed() == count && Text(control::ListCaption) == caption; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the list shows " << Listed() << " under \"" << Narrow(Text(control::ListCaption)) << "\"";
  }

  std::pair<int, int> Selection() const {
    const LRESULT packed = ::SendMessageW(Control(control::Editor), EM_GETSEL, 0, 0);
    return {LOWORD(packed), HIWORD(packed)};
  }

  std::vector<std::wstring> TraceLines() const {
    const HWND trace = Control(control::Trace);
    std::vector<std::wstring> lines;
    const LRESULT count = ::SendMessageW(trace, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring line(static_cast<std::size_t>(::SendMessageW(trace, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
      line.resize(static_cast<std::size_t>(
          ::SendMessageW(trace, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
      lines.push_back(line);
    }
    return lines;
  }

  void SetScript(const std::wstring& script) const {
    ::SendMessageW(Control(control::Editor), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(script.c_str()));
  }

  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Panel = nullptr;
  HWND Dialog = nullptr;
};

TEST_F(TClipEditTest, ListFollowsTypingEnterCompletesDoubleClickSelectsAValueAndTryLeavesTheClipboard) {
  ASSERT_TRUE(SetClipboard(kClipboard));
  OpenComposer();
  if (HasFatalFailure())
    return;
  EXPECT_TRUE(Becomes(control::Editor, L"Trim()\n"));
  EXPECT_TRUE(Becomes(control::Sample, Lines(kClipboard))) << "the sample starts with the clipboard's text";

  {
    SCOPED_TRACE("typing filters the list, Enter completes the single match");
    ::SendMessageW(Control(control::Editor), EM_SETSEL, 0, -1);
    ASSERT_TRUE(TypeKeys(L"sortonw"));
    EXPECT_TRUE(ListShows(3, 3));
    EXPECT_EQ(::SendMessageW(Control(control::List), LB_GETCURSEL, 0, 0), LB_ERR);
    ASSERT_TRUE(TypeKeys(L"ordb"));
    EXPECT_TRUE(ListShows(1, 1));
    EXPECT_EQ(::SendMessageW(Control(control::List), LB_GETCURSEL, 0, 0), 0);
    ASSERT_TRUE(TypeKeys(L"\n"));
    EXPECT_TRUE(Becomes(control::Editor,
                        L"SortOnWordBeforeSign( 'Sign Character', 'Descending ?', 'Case Sensitive ?' )\n"));
    EXPECT_TRUE(ListShows(73, 72)) << "an empty caret line lists every function";
  }
  {
    SCOPED_TRACE("a double click on a word in quotes selects the whole value");
    const int character = 30;  // inside "Character"
    const LRESULT packed = ::SendMessageW(Control(control::Editor), EM_POSFROMCHAR, character, 0);
    POINT at{static_cast<short>(LOWORD(packed)) + 3, static_cast<short>(HIWORD(packed)) + 5};
    ::ClientToScreen(Control(control::Editor), &at);
    ASSERT_TRUE(MoveMouse(at));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(Click());
    EXPECT_TRUE(WaitUntil([&] {
      return Selection() == std::pair<int, int>{23, 37};
    })) << "the selection is "
        << Selection().first << ".." << Selection().second;
  }
  {
    SCOPED_TRACE("Try shows the sorted sample and the paste it would send");
    SetScript(L"Sort( 'n', 'n' )\r\nPaste()");
    ::PostMessageW(Control(control::Try), BM_CLICK, 0, 0);
    EXPECT_TRUE(Becomes(control::Result, L"apple\nfig\npear"));
    const std::vector<std::wstring> sent{L"sleep 50", L"clipboard \"apple\\r\\nfig\\r\\npear\"",
                                         L"keys +11 +56 -56 -11"};
    EXPECT_TRUE(WaitUntil([&] { return TraceLines() == sent; }));
    EXPECT_EQ(Text(control::ResultCaption), L"Result:");
    EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(kClipboard)) << "the real clipboard was touched";
  }
  {
    SCOPED_TRACE("a stopping line is named and selected, its message only traced");
    SetScript(L"Trim()\r\nBogus( 'x' )\r\nPaste()");
    ::PostMessageW(Control(control::Try), BM_CLICK, 0, 0);
    EXPECT_TRUE(Becomes(control::ResultCaption, L"Result: the run stopped at line 2"));
    EXPECT_TRUE(WaitUntil([&] {
      return Selection() == std::pair<int, int>{7, 19};
    })) << "the selection is "
        << Selection().first << ".." << Selection().second;
    const std::vector<std::wstring> trace = TraceLines();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_TRUE(trace[0].starts_with(L"message \"Function Error !\"")) << Narrow(trace[0]);
    EXPECT_EQ(FindProcessWindow(Tolvane->Id(), L"TQxMsgBox"), nullptr);
    EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(kClipboard));
  }
  {
    SCOPED_TRACE("OK hands the script to the item");
    SetScript(L"Sort( 'n', 'n' )\r\nPaste()\r\n");
    ::PostMessageW(Control(control::Ok), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(Dialog) == FALSE; })) << "the composer stayed open";
    EXPECT_TRUE(WaitUntil([&] {
      return Lines(ControlText(::GetDlgItem(Panel, uimodel::ReCode))) == L"Sort( 'n', 'n' )\nPaste()";
    })) << Narrow(ControlText(::GetDlgItem(Panel, uimodel::ReCode)));
  }
  CloseAndExpectCleanExit(*Tolvane, Window);
}

}  // namespace
}  // namespace tolvane::e2e
