#include "uimodel/Menuedit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Itemtrees.h"
#include "platform/native/Nativelocale.h"
#include "uimodel/Programmenu.h"

namespace tolvane::uimodel {
namespace {

using storage::TItem;

using testing::Names;

TItem* Add(TItem& parent, std::u16string_view name, int type = storage::ItemTypeFolder) {
  return testing::Add(parent, name, type);
}

TEST(MenuEditTest, BuiltInItemsTakeOnlyTheirOwnCommands) {
  native::TNativeLocale locale{"en_US"};
  TItem root;
  TItem* program = Add(root, u"Tolvane", command::ProgramItem);
  TItem* recent = Add(*Add(*program, u"Menu Files", command::MenuFiles), u"Work", command::RecentFile);
  recent->File = u"C:\\m\\Work.TvXml";
  TItem* stray = Add(*program, u"Stray", command::RecentFile);
  EXPECT_FALSE(AcceptsItemCommand(*program, ItemCommandDelete));
  EXPECT_TRUE(AcceptsItemCommand(*program, 103));
  EXPECT_TRUE(AcceptsItemCommand(*recent, ItemCommandDelete));
  EXPECT_FALSE(AcceptsItemCommand(*recent, 105));
  EXPECT_FALSE(AcceptsItemCommand(*stray, ItemCommandDelete));
  EXPECT_FALSE(CanDeleteRecentFile(*recent, u"c:\\M\\work.tvxml", locale));  // the loaded file
  EXPECT_TRUE(CanDeleteRecentFile(*recent, u"C:\\m\\Home.TvXml", locale));
}

TEST(MenuEditTest, DeleteQuestionsDifferOnTheBarAndInAPopup) {
  TItem root;
  TItem* folder = Add(root, u"Texts");
  TItem* clip = Add(*folder, u"Greeting", storage::ItemTypeClip);
  EXPECT_EQ(DeleteQuestion(*clip, true),
            u"You are about to delete Greeting.\r\n  \r\nDo you want to proceed ?");
  EXPECT_EQ(DeleteQuestion(*folder, false),
            u"You are about to delete Texts\r\nand the items subitems.\r\n \r\nDo you want to proceed ?");
  EXPECT_EQ(RecentFileDeleteQuestion(*clip),
            u"You are about to delete menu item:\r\nGreeting.\r\n  \r\nDo you want to proceed ?");
}

TEST(MenuEditTest, TheNeighbourBeforeTakesTheSelectionOrTheSecondForTheFirst) {
  TItem folder;
  TItem* a = Add(folder, u"a");
  TItem* b = Add(folder, u"b");
  TItem* c = Add(folder, u"c");
  EXPECT_EQ(DeleteNeighbour(*a), b);
  EXPECT_EQ(DeleteItem(*b), a);
  EXPECT_EQ(Names(folder), (std::vector<std::u16string>{u"a", u"c"}));
  EXPECT_EQ(DeleteItem(*a), c);
  EXPECT_EQ(DeleteItem(*c), nullptr);  // the only child: the popup level closes
  EXPECT_TRUE(folder.Children.Empty());
}

TEST(MenuEditTest, SortingKeepsTheProgramItemFirstAndLeavesAMenuOfOneAlone) {
  native::TNativeLocale locale{"en_US"};
  TItem root;
  Add(root, u"Tolvane", command::ProgramItem);
  TItem* banana = Add(root, u"banana");
  Add(root, u"Apple");
  TItem* cherry = Add(root, u"cherry");
  Add(*banana, u"y");
  Add(*banana, u"X");
  TItem* only = Add(*cherry, u"only");
  Add(*only, u"b");
  Add(*only, u"a");

  SortForCommand(*banana, false, true, locale);
  EXPECT_EQ(Names(root), (std::vector<std::u16string>{u"Tolvane", u"cherry", u"banana", u"Apple"}));
  EXPECT_EQ(Names(*banana), (std::vector<std::u16string>{u"y", u"X"}));
  SortForCommand(*only, true, false, locale);  // cherry holds one child: nothing at all
  EXPECT_EQ(Names(*only), (std::vector<std::u16string>{u"b", u"a"}));
  SortForCommand(*banana, true, false, locale);
  EXPECT_EQ(Names(root), (std::vector<std::u16string>{u"Tolvane", u"Apple", u"banana", u"cherry"}));
  EXPECT_EQ(Names(*only), (std::vector<std::u16string>{u"a", u"b"}));
}

TEST(MenuEditTest, SortingTheRootOrdersTheEntriesUpToTheLimitOnly) {
  native::TNativeLocale locale{"en_US"};
  TItem root;
  Add(root, u"Tolvane", command::ProgramItem);
  for (int i = storage::RootSortLimit + 1; i > 0; --i) {
    const std::string name = std::to_string(100000 + i);
    Add(root, std::u16string(name.begin(), name.end()));
  }
  SortForCommand(*root.Children[1], false, false, locale);
  EXPECT_EQ(root.Children[1]->Name, u"100003");  // 100002 and 100001 lie beyond the limit
  EXPECT_EQ(root.Children[storage::RootSortLimit - 1]->Name, u"110001");
  EXPECT_EQ(root.Children[storage::RootSortLimit]->Name, u"100002");
}

}  // namespace
}  // namespace tolvane::uimodel
