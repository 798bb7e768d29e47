#include "storage/Item.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativelocale.h"

namespace tolvane::storage {
namespace {

std::vector<std::u16string> ChildNames(const TItem& item) {
  std::vector<std::u16string> names;
  for (const TItem& child : item.Children)
    names.push_back(child.Name.Str());
  return names;
}

TItem* AddNamed(TItem& parent, std::u16string_view name) {
  TItem* child = parent.NewChild();
  child->Name = name;
  return child;
}

TEST(ItemTest, NewItemsGetTheDefaultsOfTheirPlace) {
  TItem root;
  TItem* bar = root.NewChild();
  TItem* entry = bar->NewChild();
  const TItem* deeper = entry->NewChild();
  const TItem* items[] = {&root, bar, entry, deeper};
  const int types[] = {ItemTypeFolder, ItemTypeFolder, ItemTypeClip, ItemTypeClip};
  for (int level = 0; level < 4; ++level) {
    const TItem& item = *items[level];
    EXPECT_EQ(item.Level, level);
    EXPECT_EQ(item.ItemType, types[level]) << level;
    EXPECT_EQ(item.Parent, level == 0 ? nullptr : items[level - 1]);
    EXPECT_EQ(item.ImageIndex, -1);
    EXPECT_EQ(item.RepeatCount, 1);
    EXPECT_TRUE(item.MonoSpace);
    EXPECT_FALSE(item.NewLineHome);
  }
}

TEST(ItemTest, ChildrenAreInsertedRemovedAndDeletedByPlace) {
  TItem root;
  TItem* b = AddNamed(root, u"b");
  root.NewChildBeside(b, true)->Name = u"a";
  root.NewChildBeside(b, false)->Name = u"c";
  TItem stranger;
  root.NewChildBeside(&stranger, true)->Name = u"d";
  EXPECT_EQ(ChildNames(root), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(root.IndexOfChild(b), 1);
  EXPECT_EQ(root.IndexOfChild(&stranger), -1);

  std::unique_ptr<TItem> taken = root.RemoveChild(b);
  ASSERT_EQ(taken.get(), b);
  EXPECT_EQ(taken->Parent, nullptr);
  EXPECT_EQ(root.RemoveChild(&stranger), nullptr);
  EXPECT_EQ(root.DeleteChild(root.Children[0])->Name, u"c");  // the one now at its place
  EXPECT_EQ(root.DeleteChild(root.Children[1])->Name, u"c");  // the last one
  EXPECT_EQ(root.DeleteChild(root.Children[0]), nullptr);     // none left
  EXPECT_EQ(root.DeleteChild(&stranger), nullptr);
}

TEST(ItemTest, MovedSubtreesAreRenumbered) {
  TItem root;
  TItem* folder = AddNamed(root, u"folder");
  TItem* inner = AddNamed(*AddNamed(*folder, u"sub"), u"inner");
  AddNamed(*inner, u"leaf");
  std::unique_ptr<TItem> sub = folder->RemoveChild(folder->Children[0]);
  TItem* moved = root.InsertChild(folder, std::move(sub), true);
  EXPECT_EQ(ChildNames(root), (std::vector<std::u16string>{u"sub", u"folder"}));
  EXPECT_EQ(moved->Parent, &root);
  EXPECT_EQ(moved->Level, 1);
  EXPECT_EQ(inner->Level, 2);
  EXPECT_EQ(inner->Children[0]->Level, 3);

  TItem other;
  std::vector<std::unique_ptr<TItem>> detached = root.DetachChildren();
  EXPECT_TRUE(root.Children.Empty());
  ASSERT_EQ(detached.size(), 2u);
  TItem* deep = AddNamed(*AddNamed(other, u"x"), u"y");
  deep->AppendChild(std::move(detached[0]));
  EXPECT_EQ(inner->Level, 4);
  EXPECT_EQ(inner->Children[0]->Level, 5);
}

TEST(ItemTest, ItemPathJoinsTheNamesBelowTheRoot) {
  TItem root;
  root.Name = u"Work";
  TItem* texts = AddNamed(root, u"Texts");
  TItem* greeting = AddNamed(*texts, u"Greeting");
  EXPECT_EQ(root.ItemPath(), u"");
  EXPECT_EQ(texts->ItemPath(), u"Texts");
  EXPECT_EQ(greeting->ItemPath(), u"Texts\\Greeting");
}

TEST(ItemTest, SortingFollowsTheLocaleIgnoresCaseAndKeepsTheProgramItemFirst) {
  native::TNativeLocale locale("en_US");
  TItem root;
  TItem* program = AddNamed(root, u"zz program");
  program->ItemType = ItemTypeProgramOwn;
  AddNamed(*program, u"a");
  AddNamed(*program, u"b");
  for (const char16_t* name : {u"banana", u"Apple", u"cherry", u"\u00C4pfel", u"apple2"})
    AddNamed(root, name);
  TItem* cherry = root.Children[3];
  AddNamed(*cherry, u"X");
  AddNamed(*cherry, u"y");

  root.SortChildren(locale, false, false);
  EXPECT_EQ(ChildNames(root), (std::vector<std::u16string>{u"zz program", u"\u00C4pfel", u"Apple", u"apple2",
                                                           u"banana", u"cherry"}));
  EXPECT_EQ(ChildNames(*cherry), (std::vector<std::u16string>{u"X", u"y"}));

  root.SortChildren(locale, true, true);
  EXPECT_EQ(ChildNames(root), (std::vector<std::u16string>{u"zz program", u"cherry", u"banana", u"apple2",
                                                           u"Apple", u"\u00C4pfel"}));
  EXPECT_EQ(ChildNames(*cherry), (std::vector<std::u16string>{u"y", u"X"}));
  EXPECT_EQ(ChildNames(*program), (std::vector<std::u16string>{u"a", u"b"}));

  cherry->SortChildren(locale, false, false);
  EXPECT_EQ(ChildNames(*cherry), (std::vector<std::u16string>{u"X", u"y"}));
}

TEST(ItemTest, MacroLinesUseTheLineBreakCodeOfTheItem) {
  struct TRow {
    bool NewLineHome;
    const char16_t* Edited;
    const char16_t* Stored;
    const char16_t* Shown;
  };
  const TRow rows[] = {
      {false, u"", u"", u""},
      {false, u"a", u"a", u"a"},
      {false, u"a\r\nb", u"a\\0D\\0vb", u"a\r\nb"},
      {false, u"a\r\nb\r\n", u"a\\0D\\0vb\\0D\\0v", u"a\r\nb\r\n"},
      {false, u"a\nb\rc\n\nd", u"a\\0D\\0vb\\0D\\0vc\\0D\\0v\\0D\\0vd", u"a\r\nb\r\nc\r\n\r\nd"},
      {false, u"\r\n", u"\\0D\\0v", u"\r\n"},
      {false, u"a\r", u"a", u"a"},
      {true, u"a\r\nb\r\n", u"a\\0D\\0v\\24\\2fb\\0D\\0v\\24\\2f", u"a\r\nb\r\n"},
  };
  for (const TRow& row : rows) {
    TItem item;
    item.NewLineHome = row.NewLineHome;
    item.SetMacroLines(row.Edited);
    EXPECT_EQ(item.KeyMacro, row.Stored) << Utf16ToUtf8(row.Edited);
    EXPECT_EQ(item.GetMacroLines(), row.Shown) << Utf16ToUtf8(row.Edited);
  }
  TItem item;
  item.KeyMacro = u"a\\0D\\0v\\24\\2fb";
  EXPECT_EQ(item.GetMacroLines(), u"a\r\n\\24\\2fb");
  item.NewLineHome = true;
  EXPECT_EQ(item.GetMacroLines(), u"a\r\nb");
}

// Stored texts are copies: a piece of the field's own text, a text placed in memory the field does not own,
// appending; and what an empty field reads as.
TEST(ItemTextTest, AssignmentsCopyAndAnEmptyTextReadsAsEmpty) {
  TItemText text;
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(text.c_str()[0], u'\0');
  text = u"https://example.org";
  text = text.View().substr(8);
  EXPECT_EQ(text, u"example.org");
  EXPECT_EQ(text.c_str()[text.size()], u'\0');
  text += u"/a";
  EXPECT_EQ(text.Str() + u"b", u"example.org/ab");
  text = std::u16string();
  EXPECT_TRUE(text.empty());

  // Placed memory stays the caller's: the field neither frees it nor hands it on when moved.
  alignas(8) unsigned char memory[64];
  TItemText placed;
  placed.AssignPlaced(memory, u"placed");
  ASSERT_LE(TItemText::BlockBytes(6), sizeof memory);
  TItemText moved = std::move(placed);
  std::fill(std::begin(memory), std::end(memory), 0);
  EXPECT_EQ(moved, u"placed");
  TItemText heap = std::move(moved);
  EXPECT_TRUE(moved.empty());
  EXPECT_EQ(heap, u"placed");
  alignas(8) unsigned char other[64];
  heap.AssignPlaced(other, heap.View().substr(3));
  EXPECT_EQ(heap.Str(), u"ced");
}

}  // namespace
}  // namespace tolvane::storage
