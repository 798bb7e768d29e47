// The editor's tree side on a window of its own: nodes mirror and stay linked with the items through fills,
// inserts, deletes and drops made with the real mouse, and the recent-files list reports a chosen line.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Testsupport.h"
#include "common/Unicode.h"
#include "ui/Geometrywin.h"
#include "ui/Treeeditor.h"

namespace tolvane::ui::testing {
namespace {

using storage::TItem;
using win32::testing::PumpUntil;

class TTreeHost final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TolvaneTreeEditorTest";

  explicit TTreeHost(const TRect& bounds) {
    TWindowClass windowClass;
    windowClass.Name = kClassName;
    TWindowParams creation;
    creation.Style = WS_POPUP | WS_CLIPCHILDREN;
    creation.Caption = L"Tolvane tree editor test";
    creation.Bounds = bounds;
    Create(windowClass, creation);
    Hosted = std::make_unique<TTreeEditor>(*this);
    Hosted->Arrange();
    ::ShowWindow(Hwnd, SW_SHOW);
  }
  ~TTreeHost() override { Hosted.reset(); }

  TTreeEditor& Editor() { return *Hosted; }

 private:
  std::unique_ptr<TTreeEditor> Hosted;
};

// Root: the program item (with a command), A (A1, A2), B, C.
struct TSampleMenu {
  TItem Root;
  TItem* Program = nullptr;
  TItem* A = nullptr;
  TItem* A1 = nullptr;
  TItem* A2 = nullptr;
  TItem* B = nullptr;
  TItem* C = nullptr;
};

TItem* AddItem(TItem& parent, std::u16string_view name, int type, int image) {
  TItem* item = parent.NewChild();
  item->Name = name;
  item->ItemType = type;
  item->ImageIndex = image;
  return item;
}

std::unique_ptr<TSampleMenu> SampleMenu() {
  auto menu = std::make_unique<TSampleMenu>();
  menu->Root.Name = u"Menu";
  menu->Program = AddItem(menu->Root, u"Tolvane", storage::ItemTypeProgramOwn, 0);
  AddItem(*menu->Program, u"Save", storage::ItemTypeProgramOwn + 5, 0);
  menu->A = AddItem(menu->Root, u"A", storage::ItemTypeFolder, 0);
  menu->A1 = AddItem(*menu->A, u"A1", storage::ItemTypeClip, 1);
  menu->A2 = AddItem(*menu->A, u"A2", storage::ItemTypeClip, 2);
  menu->B = AddItem(menu->Root, u"B", storage::ItemTypeFolder, 1);
  menu->C = AddItem(menu->Root, u"C", storage::ItemTypeFolder, 2);
  return menu;
}

std::vector<std::u16string> ChildTexts(const TTreeView& tree, TTreeItem parent) {
  std::vector<std::u16string> texts;
  for (TTreeItem node = tree.FirstChild(parent); node; node = tree.NextSibling(node))
    texts.push_back(tree.Text(node));
  return texts;
}

// Every shown item's node holds that item; the program's items have none.
void ExpectLinked(TTreeEditor& editor, const TItem& item) {
  const TTreeItem node = editor.NodeOf(item);
  if (item.ItemType >= storage::ItemTypeProgramOwn) {
    EXPECT_FALSE(node) << "program item " << Utf16ToUtf8(item.Name);
    return;
  }
  ASSERT_TRUE(node);
  EXPECT_EQ(editor.View().Data(node), reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(editor.View().Text(node), item.Name);
  for (const TItem& child : item.Children)
    ExpectLinked(editor, child);
}

void ExpectUnlinked(const TItem& item) {
  EXPECT_EQ(item.TreeNode, storage::TTreeNode::None);
  for (const TItem& child : item.Children)
    ExpectUnlinked(child);
}

TPoint RowCentre(const TTreeView& tree, TTreeItem node) {
  RECT rect{};
  TreeView_GetItemRect(tree.Handle(), node.Handle, &rect, TRUE);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void MouseTo(const TTreeView& tree, TPoint client) {
  POINT screen = ToPOINT(client);
  ::ClientToScreen(tree.Handle(), &screen);
  ::SetCursorPos(screen.x, screen.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  ::SendInput(1, &input, sizeof(input));
}

void Button(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

bool InputDrained() {
  return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0;
}

// Presses on the node, moves in small steps to the target's row and lets go there.
void DragNode(const TTreeView& tree, TTreeItem node, TTreeItem target) {
  const TPoint from = RowCentre(tree, node);
  const TPoint to = RowCentre(tree, target);
  // A press where the last one was, within the double-click time, would be a double click.
  ::Sleep(::GetDoubleClickTime() + 50);
  MouseTo(tree, from);
  Button(MOUSEEVENTF_LEFTDOWN);
  // The control watches the first moves in a loop of its own: they must be waiting when it starts.
  for (int step = 1; step <= 3; ++step)
    MouseTo(tree, {from.X + 3 * step, from.Y + 2 * step});
  PumpUntil(InputDrained, 500);
  for (int step = 1; step <= 8; ++step) {
    MouseTo(tree, {from.X + (to.X - from.X) * step / 8 + 3, from.Y + (to.Y - from.Y) * step / 8 + 1});
    PumpUntil(InputDrained, 500);
  }
  MouseTo(tree, to);
  PumpUntil(InputDrained, 500);
  Button(MOUSEEVENTF_LEFTUP);
  PumpUntil(InputDrained, 1000);
}

class TreeEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    Host = std::make_unique<TTreeHost>(TRect::Sized(60, 60, 360, 420));
    ASSERT_TRUE(Glyphs.Reset(16, 4));
    Editor().SetImages(Glyphs);
    Menu = SampleMenu();
    Editor().OnSelect = [this](TItem* item) { Selections.push_back(item); };
  }
  void TearDown() override {
    Host.reset();
    Menu.reset();
  }

  TTreeEditor& Editor() { return Host->Editor(); }
  TTreeItem RootNode() { return Editor().View().FirstChild({}); }

  [[nodiscard]] bool InFront() {
    ::SetForegroundWindow(Host->Handle());
    return PumpUntil([this] { return ::GetForegroundWindow() == Host->Handle(); });
  }

  graphics::TGlyphList Glyphs;
  std::unique_ptr<TTreeHost> Host;
  std::unique_ptr<TSampleMenu> Menu;
  std::vector<TItem*> Selections;
};

TEST_F(TreeEditor, FillMirrorsTheShownItemsAndClearUnlinksThem) {
  Editor().Fill(Menu->Root);
  const TTreeView& tree = Editor().View();
  EXPECT_EQ(Editor().NodeCount(), 6);
  EXPECT_EQ(ChildTexts(tree, RootNode()), (std::vector<std::u16string>{u"A", u"B", u"C"}));
  ExpectLinked(Editor(), Menu->Root);
  // The root shows the last glyph and is the only node open.
  EXPECT_EQ(tree.Image(RootNode()), 3);
  EXPECT_EQ(tree.Image(Editor().NodeOf(*Menu->C)), 2);
  EXPECT_TRUE(tree.Expanded(RootNode()));
  EXPECT_FALSE(tree.Expanded(Editor().NodeOf(*Menu->A)));
  EXPECT_TRUE(Selections.empty());

  Editor().SelectSecondNode();
  EXPECT_EQ(Editor().SelectedItem(), Menu->A);
  EXPECT_EQ(Selections, std::vector<TItem*>{Menu->A});

  Menu->B->Name = u"Renamed";
  Menu->B->ImageIndex = 3;
  Editor().UpdateNode(*Menu->B);
  EXPECT_EQ(tree.Text(Editor().NodeOf(*Menu->B)), u"Renamed");
  EXPECT_EQ(tree.Image(Editor().NodeOf(*Menu->B)), 3);

  Editor().Clear();
  EXPECT_EQ(Editor().NodeCount(), 0);
  ExpectUnlinked(Menu->Root);
}

TEST_F(TreeEditor, NewNodesGoWhereTheirItemsWereInsertedAndAreSelected) {
  Editor().Fill(Menu->Root);
  const uimodel::TRoomMetrics room{100000, 20, 1};
  const auto insert = [&](TItem& selected, uimodel::TInsertKind kind) {
    TItem* item = uimodel::InsertNewItem(uimodel::PlanInsert(selected, kind, room), 7);
    EXPECT_NE(item, nullptr);
    if (item != nullptr)
      Editor().AddNode(*item);
    return item;
  };
  // In front of the first shown entry, which comes after the program item.
  TItem* first = insert(*Menu->A, uimodel::TInsertKind::Before);
  first->Name = u"First";
  Editor().UpdateNode(*first);
  TItem* last = insert(*Menu->C, uimodel::TInsertKind::After);
  TItem* middle = insert(*Menu->A1, uimodel::TInsertKind::After);
  TItem* child = insert(*Menu->B, uimodel::TInsertKind::AsSubMenu);
  const TTreeView& tree = Editor().View();
  EXPECT_EQ(ChildTexts(tree, RootNode()),
            (std::vector<std::u16string>{u"First", u"A", u"B", u"C", u"New Item"}));
  EXPECT_EQ(ChildTexts(tree, Editor().NodeOf(*Menu->A)),
            (std::vector<std::u16string>{u"A1", u"New Item", u"A2"}));
  EXPECT_EQ(tree.Parent(Editor().NodeOf(*child)), Editor().NodeOf(*Menu->B));
  EXPECT_EQ(Selections, (std::vector<TItem*>{first, last, middle, child}));
  EXPECT_EQ(Editor().SelectedItem(), child);
  ExpectLinked(Editor(), Menu->Root);
}

TEST_F(TreeEditor, RemovingANodeUnlinksItsWholeBranch) {
  Editor().Fill(Menu->Root);
  Editor().Select(Menu->A2);
  Editor().RemoveNode(*Menu->A);
  ExpectUnlinked(*Menu->A);
  EXPECT_EQ(ChildTexts(Editor().View(), RootNode()), (std::vector<std::u16string>{u"B", u"C"}));
  // Whatever the control selected instead is a node that still has its item.
  EXPECT_TRUE(Editor().SelectedItem() == nullptr || Editor().SelectedItem() == Menu->B ||
              Editor().SelectedItem() == &Menu->Root);
  EXPECT_EQ(uimodel::DeleteFromTree(*Menu->A), Menu->B);
  ExpectLinked(Editor(), Menu->Root);
}

TEST_F(TreeEditor, DroppingABranchMovesItsItemsAndRelinksTheMovedNodes) {
  Editor().Fill(Menu->Root);
  TTreeView& tree = Editor().View();
  tree.Expand(Editor().NodeOf(*Menu->A));
  std::vector<TItem*> moved;
  Editor().OnMoved = [&](TItem& item) { moved.push_back(&item); };
  ASSERT_TRUE(InFront());

  // Onto its own sub-item: refused, nothing moves.
  DragNode(tree, Editor().NodeOf(*Menu->A), Editor().NodeOf(*Menu->A2));
  EXPECT_TRUE(moved.empty());
  EXPECT_EQ(Menu->A->Parent, &Menu->Root);

  DragNode(tree, Editor().NodeOf(*Menu->A), Editor().NodeOf(*Menu->C));
  ASSERT_TRUE(PumpUntil([&] { return !moved.empty(); }));
  EXPECT_EQ(moved, std::vector<TItem*>{Menu->A});
  EXPECT_EQ(Menu->Root.IndexOfChild(Menu->A), 2);
  EXPECT_EQ(Menu->Root.IndexOfChild(Menu->C), 3);
  EXPECT_EQ(ChildTexts(tree, RootNode()), (std::vector<std::u16string>{u"B", u"A", u"C"}));
  EXPECT_EQ(ChildTexts(tree, Editor().NodeOf(*Menu->A)), (std::vector<std::u16string>{u"A1", u"A2"}));
  ExpectLinked(Editor(), Menu->Root);
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(TreeEditor, ChoosingARecentFileReportsItsPath) {
  storage::TQxMruList files;
  files.Add(u"Work", u"C:\\Menus\\Work.TvXml");
  files.Add(u"Home", u"C:\\Menus\\Home.TvXml");
  const std::u16string first = files.getItem(0).FileName;
  const std::u16string second = files.getItem(1).FileName;
  Editor().FillFiles(files, [&](std::u16string_view path) { return path == second; });
  TChoiceList& list = Editor().Files();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ItemText(0), u"  " + files.getItem(0).Name);
  EXPECT_EQ(list.Selected(), 1);

  std::vector<std::u16string> chosen;
  Editor().OnFileChosen = [&](const std::u16string& path) { chosen.push_back(path); };
  ASSERT_TRUE(InFront());
  list.Focus();
  win32::testing::PressKeys({VK_UP});
  ASSERT_TRUE(PumpUntil([&] { return !chosen.empty() && InputDrained(); }));
  EXPECT_EQ(chosen, std::vector<std::u16string>{first});
}

}  // namespace
}  // namespace tolvane::ui::testing
