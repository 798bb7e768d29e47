#include "storage/Qxmrulist.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Memoryfiles.h"

namespace tolvane::storage {
namespace {

class MruListTest : public ::testing::Test {
 protected:
  // "Name=Path" for every entry, in order.
  std::vector<std::u16string> Entries() const {
    std::vector<std::u16string> entries;
    for (const TMruItem& item : List.Items)
      entries.push_back(item.Name + u"=" + item.FileName);
    return entries;
  }

  native::TNativeLocale Locale{"en_US"};
  recording::TMemoryFiles Files;
  TQxMruList List;
};

TEST_F(MruListTest, AddPutsTheFileFirstOnce) {
  List.Add(Locale, u"C:\\a\\One.TvXml");
  List.Add(Locale, u"C:\\a\\Two.v1.TvXml");
  List.Add(Locale, u"C:\\a\\Three");
  List.Add(Locale, u"c:\\A\\one.tvxml");
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"one=c:\\A\\one.tvxml", u"Three=C:\\a\\Three",
                                                    u"Two.v1=C:\\a\\Two.v1.TvXml"}));
  // Already first: stays as it was spelled.
  List.Add(Locale, u"C:\\A\\ONE.TVXML");
  EXPECT_EQ(List.getItem(0).FileName, u"c:\\A\\one.tvxml");
}

TEST_F(MruListTest, MaxCountDropsTheOldest) {
  for (const char16_t* name : {u"C:\\1.TvXml", u"C:\\2.TvXml", u"C:\\3.TvXml"})
    List.Add(Locale, name);
  List.setMax(2);
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"3=C:\\3.TvXml", u"2=C:\\2.TvXml"}));
  List.Add(Locale, u"C:\\4.TvXml");
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"4=C:\\4.TvXml", u"3=C:\\3.TvXml"}));
  List.setMax(-1);
  EXPECT_EQ(List.Count(), 0);
}

TEST_F(MruListTest, IndexOutOfBoundsIsAnError) {
  List.Add(u"A", u"C:\\A.TvXml");
  EXPECT_EQ(List.getItem(0).Name, u"A");
  for (const int index : {-1, 1}) {
    try {
      (void)List.getItem(index);
      ADD_FAILURE() << "no error for " << index;
    } catch (const std::out_of_range& error) {
      EXPECT_STREQ(error.what(), "MRU-List Index out of bounds");
    }
  }
  List.deleteItem(5);
  List.deleteItem(-1);
  EXPECT_EQ(List.Count(), 1);
  List.PopBack();
  List.PopBack();
  EXPECT_EQ(List.Count(), 0);
}

TEST_F(MruListTest, AddFilesFromDirTakesMatchingFilesSortedByName) {
  Files.AddFile(u"C:\\m\\b.TvXml", "");
  Files.AddFile(u"C:\\m\\A.tvxml", "");
  Files.AddFile(u"C:\\m\\notes.txt", "");
  Files.AddFile(u"C:\\m\\sub.TvXml\\inner.TvXml", "");
  List.AddFilesFromDir(Files, Locale, u"C:\\m\\", u"TvXml");
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"A=C:\\m\\A.tvxml", u"b=C:\\m\\b.TvXml"}));

  TQxMruList all;
  all.AddFilesFromDir(Files, Locale, u"C:\\m", u"");
  EXPECT_EQ(all.Count(), 3);
  all.AddFilesFromDir(Files, Locale, std::u16string(516, u'x'), u"");
  EXPECT_EQ(all.Count(), 3);
}

TEST_F(MruListTest, AddFilesFromDirDropsDuplicatesOfAnEarlierList) {
  Files.AddFile(u"C:\\m\\a.TvXml", "");
  Files.AddFile(u"C:\\m\\b.TvXml", "");
  List.Add(u"Mine", u"C:\\M\\A.TVXML");
  List.AddFilesFromDir(Files, Locale, u"C:\\m\\", u".TvXml");
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"Mine=C:\\M\\A.TVXML", u"b=C:\\m\\b.TvXml"}));
}

TEST_F(MruListTest, ValidateDropsMissingFilesThenDuplicates) {
  Files.AddFile(u"C:\\a.TvXml", "");
  Files.AddFile(u"C:\\b.TvXml", "");
  List.Add(u"a", u"C:\\a.TvXml");
  List.Add(u"gone", u"C:\\gone.TvXml");
  List.Add(u"b", u"C:\\b.TvXml");
  List.Add(u"again", u"c:\\A.tvxml");
  List.Validate(Files, Locale);
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"a=C:\\a.TvXml", u"b=C:\\b.TvXml"}));
}

TEST_F(MruListTest, CopiesAreIndependent) {
  List.Add(u"a", u"C:\\a.TvXml");
  TQxMruList copy = List;
  EXPECT_TRUE(copy == List);
  copy.Add(u"b", u"C:\\b.TvXml");
  EXPECT_FALSE(copy == List);
  List = copy;
  EXPECT_EQ(List.Count(), 2);
  copy.Clear();
  EXPECT_EQ(List.Count(), 2);
}

}  // namespace
}  // namespace tolvane::storage
