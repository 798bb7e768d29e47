#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Steps.h"
#include "execution/Editfrm.h"
#include "uimodel/Editpanellayout.h"
#include "uimodel/Uimessages.h"

// After the Windows headers: the tree view's messages and the shell's drop structure.
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

namespace tolvane::e2e {
namespace {

using uimodel::TProbe;

constexpr int kFileListId = 202;  // the recent-files list under the tree
constexpr int kMacroListIndex = 3;

std::string MenuText(const std::string& items) {
  return "\xEF\xBB\xBF<?xml version=\"1.0\" "
         "encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Test</Name>\r\n" +
         items + "</TolvaneDataFile>\r\n";
}

std::string Clip(const std::string& name, const std::string& text) {
  return "<Item Type=\"0\" Img=\"-1\"><Name>" + name + "</Name><Code>" + text + "</Code></Item>\r\n";
}

std::string FolderItem(const std::string& name, const std::string& children) {
  return "<Item Type=\"2\" Img=\"-1\"><Name>" + name + "</Name>\r\n" + children + "</Item>\r\n";
}

// The saved items by name with their sub-items in brackets, "A(B,C),D", to compare the tree's shape.
std::string Outline(const std::string& file) {
  std::vector<std::pair<int, std::string>> items;  // depth and name, in file order
  int depth = 0;
  for (std::size_t at = 0; at < file.size(); ++at) {
    if (file.compare(at, 6, "<Item ") == 0) {
      ++depth;
    } else if (file.compare(at, 7, "</Item>") == 0) {
      --depth;
    } else if (depth > 0 && file.compare(at, 6, "<Name>") == 0) {
      const std::size_t end = file.find("</Name>", at);
      if (end == std::string::npos)
        break;
      items.emplace_back(depth, file.substr(at + 6, end - at - 6));
      at = end;
    }
  }
  std::string outline;
  int previous = 0;
  for (const auto& [itemDepth, name] : items) {
    if (previous > 0 && itemDepth > previous) {
      outline += '(';
    } else if (previous > 0) {
      outline.append(static_cast<std::size_t>(previous - itemDepth), ')');
      outline += ',';
    }
    outline += name;
    previous = itemDepth;
  }
  outline.append(static_cast<std::size_t>(previous > 1 ? previous - 1 : 0), ')');
  return outline;
}

// Lines end as the text box reports them, CR LF or CR alone.
std::wstring Lines(std::wstring text) {
  for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at))
    text.erase(at, 1);
  for (wchar_t& c : text)
    if (c == L'\r')
      c = L'\n';
  return text;
}

// Letters, digits, blanks and line breaks typed through the system's input queue into the focus.
bool TypeText(const std::wstring& text) {
  std::vector<INPUT> keys;
  for (const wchar_t c : text) {
    WORD key = 0;
    if (c >= L'a' && c <= L'z')
      key = static_cast<WORD>(c - L'a' + 'A');
    else if ((c >= L'0' && c <= L'9') || c == L' ')
      key = static_cast<WORD>(c);
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

bool PressWithCtrl(WORD key) {
  THeldKey ctrl(VK_CONTROL);
  return SendKey(key, 0) && SendKey(key, KEYEVENTF_KEYUP);
}

POINT Centre(HWND window) {
  const RECT bounds = WindowBounds(window);
  return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

// Files dropped on a window of another process, handed over as the system hands a drop to a window that
// accepts files: the DROPFILES block with the wide paths lies in the receiving process, which reads it
// through the handle and then releases it. A handle of this process would mean nothing there, so the block
// is written into that process's memory and goes with this object.
class TRemoteDrop {
 public:
  TRemoteDrop(DWORD processId, const std::vector<std::wstring>& paths)
      : Process(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId)) {
    std::vector<BYTE> bytes(kOffset + sizeof(DROPFILES));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(bytes.data() + kOffset, &header, sizeof(header));
    for (const std::wstring& path : paths) {
      const auto* data = reinterpret_cast<const BYTE*>(path.c_str());
      bytes.insert(bytes.end(), data, data + (path.size() + 1) * sizeof(wchar_t));
    }
    bytes.insert(bytes.end(), sizeof(wchar_t), 0);
    if (!Process)
      return;
    Memory = ::VirtualAllocEx(Process.get(), nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (Memory != nullptr &&
        ::WriteProcessMemory(Process.get(), Memory, bytes.data(), bytes.size(), nullptr) == FALSE) {
      ::VirtualFreeEx(Process.get(), Memory, 0, MEM_RELEASE);
      Memory = nullptr;
    }
  }
  TRemoteDrop(const TRemoteDrop&) = delete;
  TRemoteDrop& operator=(const TRemoteDrop&) = delete;
  ~TRemoteDrop() {
    if (Memory != nullptr)
      ::VirtualFreeEx(Process.get(), Memory, 0, MEM_RELEASE);
  }

  // Null when the memory could not be placed.
  HDROP Handle() const {
    return Memory == nullptr ? nullptr : reinterpret_cast<HDROP>(static_cast<BYTE*>(Memory) + kOffset);
  }

 private:
  // Aligned but off the page start: the memory functions take the address as fixed memory, not as a movable
  // handle, and the zeros in front of it are no heap block, so the receiver's release of it is refused.
  static constexpr std::size_t kOffset = 64;
  win32::unique_handle Process;
  void* Memory = nullptr;
};

class TEditorTest : public TTolvaneTest {
 protected:
  // Starts the program on the menu with the editor open and in front, its tree focused.
  void OpenEditor(const std::string& menu, const wchar_t* name = L"Menu.TvXml") {
    Menu = Folder.File(name);
    WriteFile(Menu, menu);
    Tolvane.emplace(Start(Menu));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    ::SetForegroundWindow(Window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == Window; }));
    // The editor's windows cost start-up time; they are made on the first switch.
    EXPECT_EQ(FindDescendant(Window, L"TPnlEdits"), nullptr) << "the editor was made before it was opened";
    PressKey(Window, VK_F12);
    ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::EditorMode) == 1; })) << "no editor";
    Tree = FindDescendant(Window, L"SysTreeView32");
    Panel = FindDescendant(Window, L"TPnlEdits");
    ASSERT_NE(Tree, nullptr);
    ASSERT_NE(Panel, nullptr);
    Files = ::GetDlgItem(::GetParent(Tree), kFileListId);
    ASSERT_NE(Files, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == Tree; })) << "the tree has not got the keys";
  }

  HWND Control(int id) const { return ::GetDlgItem(Panel, id); }
  std::wstring Text(int id) const { return ControlText(Control(id)); }
  LRESULT TypeIndex() const { return ::SendMessageW(Control(uimodel::CmbType), CB_GETCURSEL, 0, 0); }

  ::testing::AssertionResult TextBecomes(int id, const std::wstring& expected) const {
    if (WaitUntil([&] { return Text(id) == expected; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "control " << id << " holds \"" << Narrow(Text(id)) << "\", expected \"" << Narrow(expected)
           << "\"; the focus is in " << Narrow(WindowClass(FocusOf(Window)));
  }

  ::testing::AssertionResult ItemCountBecomes(LRESULT expected) const {
    if (WaitUntil([&] { return Probe(Window, TProbe::ItemCount) == expected; }))
      return ::testing::AssertionSuccess();
    const HWND box = FindProcessWindow(Tolvane->Id(), L"TQxMsgBox");
    return ::testing::AssertionFailure()
           << "the menu holds " << Probe(Window, TProbe::ItemCount) << " items, expected " << expected
           << (box != nullptr ? "; a box asks " + Narrow(WindowCaption(box)) : "") << "; the focus is in "
           << Narrow(WindowClass(FocusOf(Window)));
  }

  // The middle of a tree node's caption (tree order, 0 the root) once it is shown.
  std::optional<POINT> NodeCentre(int node) const {
    LRESULT answer = -1;
    if (!WaitUntil([&] { return (answer = Probe(Window, TProbe::NodeCentre, node)) != -1; }))
      return std::nullopt;
    return POINT{static_cast<int>(answer & 0xFFFF), static_cast<int>((answer >> 16) & 0xFFFF)};
  }

  // A click on the node selects it and gives the tree the keys; the edit panel then shows its caption.
  void ClickNode(int node, const std::wstring& caption) const {
    const std::optional<POINT> at = NodeCentre(node);
    ASSERT_TRUE(at.has_value()) << "node " << node << " is not shown";
    ASSERT_TRUE(MoveMouse(*at));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(TextBecomes(uimodel::EdCaption, caption))
        << "after a click on node " << node << " at " << at->x << "," << at->y << "; selected "
        << ::SendMessageW(Tree, TVM_GETNEXTITEM, TVGN_CARET, 0) << ", drop target " << DropTarget()
        << ", capture " << Narrow(WindowClass(CaptureOf(Window)));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == Tree; }));
  }

  // A new item from a key posted to the tree: its caption is selected in the focused caption field.
  void Insert(UINT key, LRESULT itemsAfter) const {
    PressKey(Tree, key);
    ASSERT_TRUE(ItemCountBecomes(itemsAfter));
    ASSERT_TRUE(TextBecomes(uimodel::EdCaption, L"New Item"));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == Control(uimodel::EdCaption); }))
        << "the caption field has not got the keys";
  }

  void Rename(const std::wstring& caption) const {
    ASSERT_TRUE(TypeText(caption));
    ASSERT_TRUE(TextBecomes(uimodel::EdCaption, caption));
  }

  // Where a drag takes hold of a node: a little left of its caption's middle, where a click soon after the
  // press would count as a double click.
  void PointToGrip(int node) const {
    std::optional<POINT> at = NodeCentre(node);
    ASSERT_TRUE(at.has_value());
    at->x -= 6;
    ASSERT_TRUE(MoveMouse(*at));
  }

  // In small steps, as a hand moves; while dragging the nodes keep their places until the drop.
  void MoveOver(int node) const {
    const std::optional<POINT> end = NodeCentre(node);
    ASSERT_TRUE(end.has_value());
    POINT at{};
    ::GetCursorPos(&at);
    const int step = end->y > at.y ? 4 : -4;
    for (; std::abs(at.y - end->y) > 4; at.y += step)
      ASSERT_TRUE(MoveMouse(at));
    ASSERT_TRUE(MoveMouse(*end));
  }

  // The node the drag would drop in front of, marked while the pointer is over one that takes the drop.
  LRESULT DropTarget() const { return ::SendMessageW(Tree, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0); }

  // While dragging, over the node that should take the drop (0: none). When the drag begins the control
  // marks the pressed node itself, after the program's handler has run; a move after that shows where the
  // pointer is.
  ::testing::AssertionResult DragShows(LRESULT target) const {
    if (!WaitUntil([&] { return DropTarget() != 0; }))
      return ::testing::AssertionFailure() << "no drag";
    POINT at{};
    ::GetCursorPos(&at);
    if (!MoveMouse(POINT{at.x + 1, at.y}))
      return ::testing::AssertionFailure() << "the pointer did not move";
    if (!WaitUntil([&] { return DropTarget() == target; }))
      return ::testing::AssertionFailure() << "the drag marks " << DropTarget() << ", expected " << target;
    return ::testing::AssertionSuccess();
  }

  // The tree's node at the index in tree order (0 the root), by the control's own walk.
  LRESULT NodeHandle(int node) const {
    const auto next = [&](UINT relation, LRESULT from) {
      return ::SendMessageW(Tree, TVM_GETNEXTITEM, relation, from);
    };
    LRESULT at = next(TVGN_ROOT, 0);
    for (int i = 0; at != 0 && i < node; ++i) {
      LRESULT following = next(TVGN_CHILD, at);
      while (following == 0 && at != 0) {
        following = next(TVGN_NEXT, at);
        if (following == 0)
          at = next(TVGN_PARENT, at);
      }
      at = following;
    }
    return at;
  }

  ::testing::AssertionResult Answer(const std::wstring& caption, const std::wstring& button) const {
    const TBox box = WaitForMessageBox(Tolvane->Id());
    if (box.Window == nullptr)
      return ::testing::AssertionFailure() << "no message box \"" << Narrow(caption) << "\"";
    if (box.Caption != caption)
      return ::testing::AssertionFailure() << "the box says \"" << Narrow(box.Caption) << "\"";
    ClickBoxButton(box.Window, button);
    if (!WaitUntil([&] { return ::IsWindow(box.Window) == FALSE; }))
      return ::testing::AssertionFailure() << "the box stayed open";
    // The pointer and the keys that follow are meant for the window the box gave back the front to.
    if (!WaitUntil([&] { return ::GetForegroundWindow() == Window; }))
      return ::testing::AssertionFailure()
             << "the window is not in front again after the box: " << ForegroundOf(Tolvane->Id());
    return ::testing::AssertionSuccess();
  }

  std::filesystem::path Menu;
  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Tree = nullptr;
  HWND Panel = nullptr;
  HWND Files = nullptr;
};

TEST_F(TEditorTest, InsertRenameDeleteAndDragReachTheSavedFileAndAFullMenuTakesNoMore) {
  // As many rows as the screen's work area holds less one, for the room check at the end.
  const RECT work = WorkAreaOf(::GetDesktopWindow());
  const int rows = (work.bottom - 2 * kEdgeSize) / kItemHeight;
  std::string full;
  std::string fullOutline;
  for (int row = 1; row < rows; ++row) {
    full += Clip("r" + std::to_string(row), "x");
    fullOutline += (row > 1 ? ",r" : "r") + std::to_string(row);
  }
  // Tree order: 0 the root, 1 Texts, 2 Alpha, 3 Beta, 4 Gamma, 5 Second, 6 Delta, 7 Full.
  ASSERT_NO_FATAL_FAILURE(
      OpenEditor(MenuText(FolderItem("Texts", Clip("Alpha", "alpha text") + Clip("Beta", "beta text") +
                                                  Clip("Gamma", "gamma text")) +
                          FolderItem("Second", Clip("Delta", "delta text")) + FolderItem("Full", full))));
  LRESULT items = 7 + (rows - 1);
  ASSERT_EQ(Probe(Window, TProbe::ItemCount), items);

  // The first bar entry is selected: a bar entry shows its caption only.
  EXPECT_TRUE(TextBecomes(uimodel::EdCaption, L"Texts"));
  EXPECT_NE(::IsWindowEnabled(Control(uimodel::EdCaption)), FALSE);
  EXPECT_EQ(::IsWindowEnabled(Control(uimodel::CmbType)), FALSE) << "type list";
  EXPECT_EQ(::IsWindowEnabled(Control(uimodel::MmHint)), FALSE) << "help text";
  EXPECT_EQ(::IsWindowEnabled(Control(uimodel::ReCode)), FALSE) << "code area";
  EXPECT_EQ(::IsWindowEnabled(Control(uimodel::CbxMonoSpace)), FALSE) << "mono-space box";

  PressKey(Tree, VK_RIGHT);  // opens Texts
  ASSERT_NO_FATAL_FAILURE(ClickNode(3, L"Beta"));
  EXPECT_NE(::IsWindowEnabled(Control(uimodel::CmbType)), FALSE);
  EXPECT_EQ(TypeIndex(), 0);
  EXPECT_EQ(Text(uimodel::ReCode), L"beta text");

  ASSERT_NO_FATAL_FAILURE(Insert(VK_F11, ++items));  // behind Beta
  ASSERT_NO_FATAL_FAILURE(Rename(L"inserted"));
  ASSERT_NO_FATAL_FAILURE(ClickNode(2, L"Alpha"));
  ASSERT_NO_FATAL_FAILURE(Insert(VK_F9, ++items));  // in front of Alpha
  ASSERT_NO_FATAL_FAILURE(Rename(L"front"));
  // Texts: front 2, Alpha 3, Beta 4, inserted 5, Gamma 6; Second 7.
  ASSERT_NO_FATAL_FAILURE(ClickNode(7, L"Second"));
  ASSERT_NO_FATAL_FAILURE(Insert(VK_F10, ++items));  // Second's last
  ASSERT_NO_FATAL_FAILURE(Rename(L"sub"));
  EXPECT_EQ(Probe(Window, TProbe::MenuModified), 1);

  // Del asks first; No keeps the item, Yes deletes it and selects the folder's new last item.
  ASSERT_NO_FATAL_FAILURE(ClickNode(6, L"Gamma"));
  PressKey(Tree, VK_DELETE);
  ASSERT_TRUE(Answer(L"Quiestion for you", L"&No"));
  EXPECT_EQ(Probe(Window, TProbe::ItemCount), items);
  EXPECT_EQ(Text(uimodel::EdCaption), L"Gamma");
  PressKey(Tree, VK_DELETE);
  ASSERT_TRUE(Answer(L"Quiestion for you", L"&Yes"));
  ASSERT_TRUE(ItemCountBecomes(--items));
  EXPECT_TRUE(TextBecomes(uimodel::EdCaption, L"inserted"));

  // Texts 1: front 2, Alpha 3, Beta 4, inserted 5; Second 6: Delta 7, sub 8; Full 9. Beta dropped on Second
  // goes in front of it, a bar entry now, at 5; Second dropped on its own sub-item stays where it is. The
  // drags are seen over nodes that are not selected: Wine's tree view never marks the selected node.
  ASSERT_NO_FATAL_FAILURE(PointToGrip(4));
  {
    THeldButton button;
    ASSERT_TRUE(button.IsHeld());
    ASSERT_NO_FATAL_FAILURE(MoveOver(6));
    ASSERT_TRUE(DragShows(NodeHandle(6))) << "over Second";
  }
  ASSERT_TRUE(WaitUntil([&] { return DropTarget() == 0; })) << "no drop";
  ASSERT_NO_FATAL_FAILURE(ClickNode(5, L"Beta"));
  ASSERT_NO_FATAL_FAILURE(PointToGrip(6));
  {
    THeldButton button;
    ASSERT_TRUE(button.IsHeld());
    ASSERT_NO_FATAL_FAILURE(MoveOver(4));
    ASSERT_TRUE(DragShows(NodeHandle(4))) << "over inserted";
    ASSERT_NO_FATAL_FAILURE(MoveOver(8));
    ASSERT_TRUE(WaitUntil([&] { return DropTarget() == 0; })) << "the folder's own sub-item takes the drop";
  }
  ASSERT_NO_FATAL_FAILURE(ClickNode(6, L"Second"));
  ASSERT_NO_FATAL_FAILURE(ClickNode(8, L"sub"));
  EXPECT_EQ(Probe(Window, TProbe::ItemCount), items);
  // The tree's own search by the first letter finds a renamed item: its node shows the new caption.
  ASSERT_TRUE(TypeText(L"i"));
  EXPECT_TRUE(TextBecomes(uimodel::EdCaption, L"inserted"));

  // The item behind a deleted one takes the selection, after the last one the folder.
  ASSERT_NO_FATAL_FAILURE(ClickNode(7, L"Delta"));
  PressKey(Tree, VK_DELETE);
  ASSERT_TRUE(Answer(L"Quiestion for you", L"&Yes"));
  ASSERT_TRUE(ItemCountBecomes(--items));
  EXPECT_TRUE(TextBecomes(uimodel::EdCaption, L"sub"));
  PressKey(Tree, VK_DELETE);
  ASSERT_TRUE(Answer(L"Quiestion for you", L"&Yes"));
  ASSERT_TRUE(ItemCountBecomes(--items));
  EXPECT_TRUE(TextBecomes(uimodel::EdCaption, L"Second"));

  // Full (now 7) holds one row less than fits: one more goes in, the next is refused with the room message.
  ASSERT_NO_FATAL_FAILURE(ClickNode(7, L"Full"));
  ASSERT_NO_FATAL_FAILURE(Insert(VK_F10, ++items));
  PressKey(Tree, VK_F11);
  ASSERT_TRUE(Answer(L"Message For You", L"&Ok"));
  EXPECT_EQ(Probe(Window, TProbe::ItemCount), items);
  EXPECT_EQ(Text(uimodel::EdCaption), L"New Item");

  ASSERT_TRUE(PressWithCtrl('S'));
  ASSERT_TRUE(WaitUntil([&] { return Probe(Window, TProbe::MenuModified) == 0; })) << "Ctrl+S saved nothing";
  const std::string saved = ReadFile(Menu);
  EXPECT_EQ(Outline(saved), "Texts(front,Alpha,inserted),Beta,Second,Full(" + fullOutline + ",New Item)");
  EXPECT_NE(saved.find("beta text"), std::string::npos) << "the moved item lost its text";
  EXPECT_EQ(saved.find("Gamma"), std::string::npos);
  CloseAndExpectCleanExit(*Tolvane, Window);
}

TEST_F(TEditorTest, SaveAsAnsweredNoKeepsTheOldFileWhichStillGetsItsChangesAtClose) {
  ASSERT_NO_FATAL_FAILURE(
      OpenEditor(MenuText(FolderItem("Texts", Clip("Alpha", "alpha text"))), L"Main.TvXml"));
  ASSERT_NO_FATAL_FAILURE(Insert(VK_F11, 3));  // a bar entry behind Texts
  ASSERT_NO_FATAL_FAILURE(Rename(L"pending"));
  ASSERT_EQ(Probe(Window, TProbe::MenuModified), 1);
  const LRESULT loads = Probe(Window, TProbe::LoadCount);
  const std::wstring caption = WindowCaption(Window);

  const auto copy = Folder.File(L"Copy.TvXml");
  PressKey(Tree, VK_F6);
  ASSERT_TRUE(AnswerFileDialog(Tolvane->Id(), copy));
  ASSERT_TRUE(Answer(L"Question for you", L"&No"));
  EXPECT_NE(ReadFile(copy).find("<Name>pending</Name>"), std::string::npos) << "Save As wrote no copy";
  EXPECT_EQ(ReadFile(Menu).find("pending"), std::string::npos);
  EXPECT_EQ(Probe(Window, TProbe::LoadCount), loads) << "the copy was loaded";
  EXPECT_EQ(WindowCaption(Window), caption);
  EXPECT_EQ(Probe(Window, TProbe::MenuModified), 1) << "the old file's changes are no longer pending";
  // The old file's line stays chosen; the copy is listed too.
  ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(Files, CB_GETCOUNT, 0, 0) == 2; }));
  EXPECT_EQ(ControlText(Files), L"  Main");
  std::vector<std::wstring> lines;
  for (int line = 0; line < 2; ++line) {
    wchar_t text[64]{};
    if (::SendMessageW(Files, CB_GETLBTEXTLEN, line, 0) < 63)
      ::SendMessageW(Files, CB_GETLBTEXT, line, reinterpret_cast<LPARAM>(text));
    lines.emplace_back(text);
  }
  EXPECT_TRUE(lines[0] == L"  Copy" || lines[1] == L"  Copy") << Narrow(lines[0]) << "|" << Narrow(lines[1]);

  CloseAndExpectCleanExit(*Tolvane, Window);
  EXPECT_NE(ReadFile(Menu).find("<Name>pending</Name>"), std::string::npos)
      << "the change made before Save As was lost at close";
  const std::string ini = ReadFile(Folder.File(L"Tolvane.ini"));
  EXPECT_NE(ini.find(Narrow(copy.wstring())), std::string::npos) << ini;
  EXPECT_NE(ini.find(Narrow(Menu.wstring())), std::string::npos) << ini;
}

TEST_F(TEditorTest, TypesKeepTheirTextsTheMacroViewsAgreeAndAnActionTakesDroppedFiles) {
  // Tree order: 0 the root, 1 Items, 2 Alpha, 3 Keys, 4 Runner.
  ASSERT_NO_FATAL_FAILURE(OpenEditor(MenuText(FolderItem(
      "Items", Clip("Alpha", "alpha text") +
                   "<Item Type=\"6\" Img=\"-1\"><Name>Keys</Name><KeyMacro>go</KeyMacro></Item>\r\n"
                   "<Item Type=\"3\" Img=\"-1\"><Name>Runner</Name><QParams>-x</QParams></Item>\r\n"))));
  PressKey(Tree, VK_RIGHT);

  // A clip made a keystroke macro shows the macro's empty views; made a clip again, its text is back.
  ASSERT_NO_FATAL_FAILURE(ClickNode(2, L"Alpha"));
  EXPECT_EQ(Text(uimodel::ReCode), L"alpha text");
  ASSERT_TRUE(MoveMouse(Centre(Control(uimodel::EdCaption))));
  ASSERT_TRUE(Click());
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == Control(uimodel::EdCaption); }));
  ASSERT_TRUE(SendKey(VK_TAB, 0) && SendKey(VK_TAB, KEYEVENTF_KEYUP));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == Control(uimodel::CmbType); })) << "Tab";
  ASSERT_TRUE(TypeText(L"k"));  // the first entry starting with K
  ASSERT_TRUE(WaitUntil([&] { return TypeIndex() == kMacroListIndex; }));
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Control(uimodel::EdMacro)) != FALSE; }));
  EXPECT_TRUE(TextBecomes(uimodel::ReCode, L""));
  EXPECT_EQ(Text(uimodel::EdMacro), L"");
  ASSERT_TRUE(TypeText(L"c"));  // the next entry starting with C, the clip
  ASSERT_TRUE(WaitUntil([&] { return TypeIndex() == 0; }));
  EXPECT_TRUE(TextBecomes(uimodel::ReCode, L"alpha text")) << "the clip's text is gone";

  // Typing lines into the macro view: the single-line macro follows, and the view is never refilled under
  // the caret (that would put later keys elsewhere and clear the undo).
  ASSERT_NO_FATAL_FAILURE(ClickNode(3, L"Keys"));
  EXPECT_EQ(Text(uimodel::EdMacro), L"go");
  ASSERT_TRUE(MoveMouse(Centre(Control(uimodel::ReCode))));
  ASSERT_TRUE(Click());
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(Window) == Control(uimodel::ReCode); }));
  ASSERT_TRUE(SendKey(VK_END, KEYEVENTF_EXTENDEDKEY) &&
              SendKey(VK_END, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP));
  ASSERT_TRUE(TypeText(L"\nab\ncd"));
  EXPECT_TRUE(WaitUntil([&] { return Lines(Text(uimodel::ReCode)) == L"go\nab\ncd"; }))
      << Narrow(Text(uimodel::ReCode));
  EXPECT_TRUE(TextBecomes(uimodel::EdMacro, L"go\\0D\\0vab\\0D\\0vcd"));
  EXPECT_NE(::SendMessageW(Control(uimodel::ReCode), EM_CANUNDO, 0, 0), 0) << "the macro view was refilled";

  // A text file and a program dropped together on an action.
  ASSERT_NO_FATAL_FAILURE(ClickNode(4, L"Runner"));
  EXPECT_EQ(Text(uimodel::EdParams), L"-x");
  const std::wstring notes = Folder.File(L"notes.txt").wstring();
  const std::wstring tool = Folder.File(L"Tool.EXE").wstring();
  const TRemoteDrop drop(Tolvane->Id(), {notes, tool});
  ASSERT_NE(drop.Handle(), nullptr);
  ASSERT_NE(::PostMessageW(Panel, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Handle()), 0), FALSE);
  EXPECT_TRUE(TextBecomes(uimodel::EdProgram, tool));
  EXPECT_TRUE(TextBecomes(uimodel::EdParams, L"-x \"" + notes + L"\""));
  EXPECT_TRUE(Tolvane->IsRunning());

  CloseAndExpectCleanExit(*Tolvane, Window);
  const std::string saved = ReadFile(Menu);
  EXPECT_NE(saved.find("<Code>alpha text</Code>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("go\\0D\\0vab\\0D\\0vcd"), std::string::npos) << saved;
  EXPECT_NE(saved.find(Narrow(tool)), std::string::npos) << saved;
}

TEST_F(TEditorTest, MacroComposerButtonsTogglesAndKeyboardModeWriteTheCodes) {
  namespace composer = execution::composercontrol;
  // Tree order: 0 the root, 1 Items, 2 Keys.
  ASSERT_NO_FATAL_FAILURE(OpenEditor(MenuText(FolderItem(
      "Items", "<Item Type=\"6\" Img=\"-1\"><Name>Keys</Name><KeyMacro>a\\0D\\0vb</KeyMacro></Item>\r\n"))));
  PressKey(Tree, VK_RIGHT);
  ASSERT_NO_FATAL_FAILURE(ClickNode(2, L"Keys"));
  ASSERT_TRUE(MoveMouse(Centre(Control(uimodel::ButEditMacro))));
  ASSERT_TRUE(Click());
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindProcessWindow(Tolvane->Id(), L"TFrmEdit")) != nullptr; }))
      << "no composer";
  const HWND editor = ::GetDlgItem(dialog, composer::Editor);
  const HWND ok = ::GetDlgItem(dialog, composer::Ok);
  ASSERT_TRUE(editor != nullptr && ok != nullptr);
  EXPECT_EQ(Lines(ControlText(editor)), L"a\nb") << "the stored line break opens as two lines";

  // Emptied, the macro cannot be taken.
  ::SendMessageW(editor, EM_SETSEL, 0, -1);
  ::SendMessageW(editor, WM_CLEAR, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(ok) == FALSE; })) << "OK stays enabled without text";

  const auto clickButton = [&](int index) {
    ASSERT_TRUE(MoveMouse(Centre(::GetDlgItem(dialog, composer::FirstKeyButton + index))));
    ASSERT_TRUE(Click());
  };
  const auto textBecomes = [&](const std::wstring& expected) {
    return WaitUntil([&] { return ControlText(editor) == expected; });
  };
  ASSERT_NO_FATAL_FAILURE(clickButton(11));  // Home
  EXPECT_TRUE(textBecomes(L"\\24\\2f")) << Narrow(ControlText(editor));
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(ok) != FALSE; }));
  ASSERT_NO_FATAL_FAILURE(clickButton(4));  // Ctrl: down now, up with the next click
  EXPECT_TRUE(textBecomes(L"\\24\\2f\\11")) << Narrow(ControlText(editor));
  ASSERT_NO_FATAL_FAILURE(clickButton(4));
  EXPECT_TRUE(textBecomes(L"\\24\\2f\\11\\1c")) << Narrow(ControlText(editor));

  // Keyboard mode empties the clipboard; a held Shift is written once, the letter under it down and up.
  ASSERT_TRUE(SetClipboard(L"copied before"));
  const HWND keyboardMode = ::GetDlgItem(dialog, composer::KeyboardMode);
  ASSERT_TRUE(MoveMouse(Centre(keyboardMode)));
  ASSERT_TRUE(Click());
  EXPECT_TRUE(WaitUntil([&] { return !ClipboardText().has_value(); }))
      << Narrow(ClipboardText().value_or(L"")) << ", keyboard mode "
      << (::SendMessageW(keyboardMode, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off");
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == editor; }));
  {
    THeldKey shift(VK_SHIFT);
    ASSERT_TRUE(SendKey(VK_SHIFT, 0) && SendKey(VK_SHIFT, 0));  // auto-repeat
    ASSERT_TRUE(SendKey('A', 0) && SendKey('A', KEYEVENTF_KEYUP));
  }
  EXPECT_TRUE(textBecomes(L"\\24\\2f\\11\\1c\\10\\41\\4c\\1b")) << Narrow(ControlText(editor));

  // OK: the item takes the macro.
  ASSERT_TRUE(MoveMouse(Centre(ok)));
  ASSERT_TRUE(Click());
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(dialog) == FALSE || ::IsWindowVisible(dialog) == FALSE; }));
  EXPECT_TRUE(TextBecomes(uimodel::EdMacro, L"\\24\\2f\\11\\1c\\10\\41\\4c\\1b"));
  CloseAndExpectCleanExit(*Tolvane, Window);
}

}  // namespace
}  // namespace tolvane::e2e
