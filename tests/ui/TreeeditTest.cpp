#include "uimodel/Treeedit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Itemtrees.h"
#include "common/Unicode.h"
#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {
namespace {

using storage::TItem;

using testing::Names;

TItem* Add(TItem& parent, std::u16string_view name, int type = storage::ItemTypeClip) {
  return testing::Add(parent, name, type);
}

// The root with the program item first, as a loaded menu has it.
class TreeEditTest : public ::testing::Test {
 protected:
  TreeEditTest() {
    Program = Add(Root, u"Tolvane", command::ProgramItem);
    Add(*Add(*Program, u"Menu Files", command::MenuFiles), u"Work", command::RecentFile);
    Texts = Add(Root, u"Texts", storage::ItemTypeFolder);
    Hello = Add(*Texts, u"Hello");
    Sub = Add(*Texts, u"Sub", storage::ItemTypeFolder);
    Deep = Add(*Sub, u"Deep");
  }

  TItem Root;
  TItem *Program, *Texts, *Hello, *Sub, *Deep;
  TRoomMetrics Room{1000, 20, 1};
};

TEST_F(TreeEditTest, TheTreeShowsTheFilesOwnItemsWithTheRootOpen) {
  Hello->ImageIndex = 7;
  const std::vector<TTreeNodeEntry> entries = TreeNodeEntries(Root, 40);
  ASSERT_EQ(entries.size(), 5u);
  const std::vector<TItem*> items{&Root, Texts, Hello, Sub, Deep};
  const std::vector<int> parents{-1, 0, 1, 1, 3};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].Item, items[i]) << i;
    EXPECT_EQ(entries[i].Parent, parents[i]) << i;
    EXPECT_EQ(entries[i].Expanded, i == 0) << i;
  }
  EXPECT_EQ(entries[0].Image, 39);  // the last user glyph
  EXPECT_EQ(entries[2].Image, 7);
  // The program item has no node: the first bar entry's node comes first.
  EXPECT_EQ(PreviousShownSibling(*Texts), nullptr);
  EXPECT_EQ(PreviousShownSibling(*Sub), Hello);
}

TEST_F(TreeEditTest, InsertsGoBeforeAfterOrBelowWithTheDefaultsOfTheirLevel) {
  EXPECT_EQ(EditCommandsFor(nullptr), TEditCommandsEnabled{});
  EXPECT_EQ(EditCommandsFor(&Root), (TEditCommandsEnabled{false, false, true, false, false}));
  EXPECT_EQ(PlanInsert(*Program, TInsertKind::Before, Room).Outcome, TInsertOutcome::NotAllowed);
  TItem* before = InsertNewItem(PlanInsert(*Sub, TInsertKind::Before, Room), 125);
  TItem* after = InsertNewItem(PlanInsert(*Hello, TInsertKind::After, Room), 125);
  TItem* below = InsertNewItem(PlanInsert(*Sub, TInsertKind::AsSubMenu, Room), 125);
  EXPECT_EQ(Names(*Texts), (std::vector<std::u16string>{u"Hello", u"New Item", u"New Item", u"Sub"}));
  EXPECT_EQ(Texts->Children[1], after);
  EXPECT_EQ(Sub->Children.Last(), below);
  for (const TItem* item : {before, after, below})
    EXPECT_EQ(item->ItemType, storage::ItemTypeClip);
  // On the program item both commands add a last bar entry, a folder.
  for (TInsertKind kind : {TInsertKind::After, TInsertKind::AsSubMenu}) {
    TItem* entry = InsertNewItem(PlanInsert(*Program, kind, Room), 3);
    EXPECT_EQ(Root.Children.Last(), entry);
    EXPECT_EQ(entry->ItemType, storage::ItemTypeFolder);
  }
  EXPECT_EQ(Program->Children.Count(), 1);
}

TEST_F(TreeEditTest, AMenuThatWouldNotFitOrNestTooDeepGetsNothing) {
  // Texts has 2 children: 3 × 20 + 2 × 1 = 62 pixels are needed.
  EXPECT_EQ(PlanInsert(*Hello, TInsertKind::After, {62, 20, 1}).Outcome, TInsertOutcome::Insert);
  const TInsertPlan tight = PlanInsert(*Hello, TInsertKind::After, {61, 20, 1});
  EXPECT_EQ(tight.Outcome, TInsertOutcome::NoRoom);
  EXPECT_EQ(InsertNewItem(tight, 1), nullptr);
  EXPECT_EQ(Texts->Children.Count(), 2);

  TItem* bottom = Deep;
  while (bottom->Level < storage::MaxItemLevel)
    bottom = bottom->NewChild();
  EXPECT_EQ(PlanInsert(*bottom, TInsertKind::AsSubMenu, Room).Outcome, TInsertOutcome::TooDeep);
  EXPECT_EQ(PlanInsert(*bottom, TInsertKind::After, Room).Outcome, TInsertOutcome::Insert);
}

TEST(ClipboardFillTest, TheTextDecidesTheTypeAndTheField) {
  struct TRow {
    const char16_t* Text;
    int Type;
    TFillField Field;
    const char16_t* Stored;
  };
  const TRow rows[] = {
      {u"https://example.com/a", storage::ItemTypeWebSite, TFillField::Url, u"https://example.com/a"},
      {u"  http://example.com\r\n", storage::ItemTypeWebSite, TFillField::Url, u"http://example.com"},
      {u"C:\\Tools\\run.exe", storage::ItemTypeProgram, TFillField::Program, u"C:\\Tools\\run.exe"},
      {u"line one\r\nline two", storage::ItemTypeClip, TFillField::Code, u"line one\r\nline two"},
      {u"\r\nonly one line\r\n", storage::ItemTypeClip, TFillField::Code, u"\r\nonly one line\r\n"},
      {u"anna@example.com", storage::ItemTypeMail, TFillField::Email, u"anna@example.com"},
      {u"\\\\server\\anna@share", storage::ItemTypeProgram, TFillField::Program, u"\\\\server\\anna@share"},
      {u"https://a@example.com", storage::ItemTypeWebSite, TFillField::Url, u"https://a@example.com"},
      // Lines broken by LF alone are several lines too, never one program path.
      {u"C:\\a\nC:\\b", storage::ItemTypeClip, TFillField::Code, u"C:\\a\nC:\\b"},
      {u"plain words", storage::ItemTypeClip, TFillField::Code, u"plain words"},
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(ClassifyClipboardText(row.Text), (TClipboardFill{row.Type, row.Field, row.Stored}))
        << Utf16ToUtf8(row.Text);
  }
  TItem root;
  TItem* bar = root.NewChild();
  EXPECT_FALSE(FillsFromClipboard(*bar, true));  // a bar entry stays an empty folder
  EXPECT_TRUE(FillsFromClipboard(*bar->NewChild(), true));
}

TEST_F(TreeEditTest, DeleteAsksAndSelectsWhatTookThePlace) {
  EXPECT_EQ(TreeDeleteQuestion(*Hello),
            u"You are about to delete menu item:\r\nHello.\r\n  \r\nDo you want to proceed ?");
  TItem* last = Add(*Texts, u"Last");
  EXPECT_EQ(DeleteFromTree(*Sub), last);     // the one that took its place
  EXPECT_EQ(DeleteFromTree(*last), Hello);   // the parent's last child
  EXPECT_EQ(DeleteFromTree(*Hello), Texts);  // the folder when it is empty
  EXPECT_EQ(DeleteFromTree(*Texts), &Root);  // never the program item, which has no node
  EXPECT_EQ(Root.Children.Count(), 1);
  EXPECT_EQ(DeleteFromTree(Root), nullptr);
  EXPECT_EQ(DeleteFromTree(*Program), nullptr);
  EXPECT_EQ(Root.Children.Count(), 1);
}

TEST_F(TreeEditTest, DropsOntoTheDraggedSubtreeOrTheRootAreRefused) {
  EXPECT_FALSE(CanDrop(*Texts, *Texts));
  EXPECT_FALSE(CanDrop(*Texts, *Deep));  // anywhere below it
  EXPECT_FALSE(CanDrop(*Sub, *Deep));
  EXPECT_FALSE(CanDrop(*Hello, Root));
  EXPECT_FALSE(CanDrop(Root, *Hello));
  EXPECT_FALSE(CanDrop(*Hello, *Program));  // nothing goes in front of the program item
  EXPECT_FALSE(DropInFrontOf(*Texts, *Deep));
  EXPECT_EQ(Names(*Texts), (std::vector<std::u16string>{u"Hello", u"Sub"}));

  // A subtree that would end below the deepest level a file may hold stays where it is.
  TItem* tall = Add(Root, u"Tall", storage::ItemTypeFolder);
  TItem* bottom = tall;
  while (bottom->Level < storage::MaxItemLevel)
    bottom = bottom->NewChild();
  EXPECT_TRUE(CanDrop(*tall, *Texts));
  EXPECT_FALSE(CanDrop(*tall, *Hello));
}

TEST_F(TreeEditTest, ADropMovesInFrontOfTheTargetAcrossLevels) {
  TItem* other = Add(Root, u"Other", storage::ItemTypeFolder);
  // Up: Deep (level 3) to the bar, in front of Texts.
  ASSERT_TRUE(DropInFrontOf(*Deep, *Texts));
  EXPECT_EQ(Names(Root), (std::vector<std::u16string>{u"Tolvane", u"Deep", u"Texts", u"Other"}));
  EXPECT_EQ(Deep->Level, 1);
  EXPECT_TRUE(Sub->Children.Empty());
  // Down: a folder with a child, into another folder; its child follows its level.
  TItem* child = Add(*Sub, u"Child");
  ASSERT_TRUE(DropInFrontOf(*Texts, *Add(*other, u"Target")));
  EXPECT_EQ(Texts->Parent, other);
  EXPECT_EQ(Names(*other), (std::vector<std::u16string>{u"Texts", u"Target"}));
  EXPECT_EQ(Texts->Level, 2);
  EXPECT_EQ(child->Level, 4);
  // Within one menu, later to earlier.
  ASSERT_TRUE(DropInFrontOf(*Sub, *Hello));
  EXPECT_EQ(Names(*Texts), (std::vector<std::u16string>{u"Sub", u"Hello"}));
}

TEST(DragScrollTest, TheCursorPastAnEdgeScrollsFasterTheFurtherOut) {
  EXPECT_EQ(DragScrollFor(395, 400), TDragScroll::None);
  EXPECT_EQ(DragScrollFor(396, 400), TDragScroll::Down);
  EXPECT_EQ(DragScrollFor(0, 400), TDragScroll::Up);
  EXPECT_EQ(DragScrollFirstInterval(TDragScroll::Down, 398, 400), 103);
  EXPECT_EQ(DragScrollFirstInterval(TDragScroll::Down, 900, 400), 1);  // a timer never gets 0 or less
  EXPECT_EQ(DragScrollTickFor(TDragScroll::Down, 401, 400), (TDragScrollTick{98, true}));
  EXPECT_EQ(DragScrollTickFor(TDragScroll::Down, 402, 400), (TDragScrollTick{95, false}));
  EXPECT_EQ(DragScrollTickFor(TDragScroll::Up, -6, 400), (TDragScrollTick{83, true}));
  EXPECT_EQ(DragScrollTickFor(TDragScroll::Up, -7, 400), (TDragScrollTick{80, false}));
}

TEST(DragHoverTest, ANodeRestingUnderTheCursorOpensOnce) {
  TItem root;
  TItem* a = root.NewChild();
  TItem* b = root.NewChild();
  TDragHover hover;
  EXPECT_TRUE(hover.MoveOver(a));
  EXPECT_FALSE(hover.MoveOver(a));  // the timer keeps running
  EXPECT_TRUE(hover.MoveOver(b));
  EXPECT_EQ(hover.Fire(a), b);
  EXPECT_FALSE(hover.MoveOver(b));
  EXPECT_EQ(hover.Fire(a), nullptr);  // a stale tick opens nothing more
  EXPECT_TRUE(hover.MoveOver(a));
  EXPECT_EQ(hover.Fire(a), nullptr);  // never the dragged node
}

TEST(MenuFileNamesTest, OnlyANameWithoutExtensionGetsTheDefaultOne) {
  EXPECT_EQ(WithDefaultMenuExtension(u"C:\\m\\Work"), u"C:\\m\\Work.TvXml");
  EXPECT_EQ(WithDefaultMenuExtension(u"C:\\m\\Work."), u"C:\\m\\Work.TvXml");
  EXPECT_EQ(WithDefaultMenuExtension(u"C:\\m.d\\Work"), u"C:\\m.d\\Work.TvXml");
  EXPECT_EQ(WithDefaultMenuExtension(u"C:\\m\\Work.xml"), u"C:\\m\\Work.xml");
  EXPECT_EQ(MenuNameOf(u"C:\\m.d\\Work.TvXml"), u"Work");
  EXPECT_EQ(MenuNameOf(u"C:\\m.d\\Work"), u"Work");
}

}  // namespace
}  // namespace tolvane::uimodel
