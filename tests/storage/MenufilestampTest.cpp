#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/Bytehash.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Itemfile.h"
#include "storage/Menufilestamp.h"
#include "storage/Menufilewatch.h"

namespace tolvane::storage {
namespace {

using recording::TFileOperation;

std::string MenuText(const std::string& items) {
  return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>M</Name>\r\n" +
         items + "</TolvaneDataFile>\r\n";
}

std::string Clip(const std::string& name) {
  return "<Item Type=\"0\" Img=\"-1\"><Name>" + name + "</Name><Code>x</Code></Item>\r\n";
}

class MenuFileStampTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Doubles.Files.AddFile(Path, MenuText(Clip("Alpha")));
    ASSERT_EQ(Menu.LoadMenuFile(Path, false), u"");
  }

  std::vector<std::u16string> TopNames() const {
    std::vector<std::u16string> names;
    for (const TItem& item : Menu.RootItem->Children)
      names.push_back(item.Name.Str());
    return names;
  }

  std::size_t Reads() const { return Doubles.Files.Calls(TFileOperation::Read); }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TMenuFile Menu{TMenuFileServices::From(Doubles.Services())};
  const std::u16string Path = u"C:\\Menus\\Work.TvXml";
};

TEST(ByteHashTest, TellsApartContentsThatDifferInOneBitOrInLength) {
  const std::string text = "<TolvaneDataFile><Name>Work</Name></TolvaneDataFile>";
  const std::uint64_t hash = HashBytes(text);
  EXPECT_EQ(HashBytes(std::string(text)), hash);
  for (std::size_t at = 0; at < text.size(); ++at) {
    std::string flipped = text;
    flipped[at] = static_cast<char>(flipped[at] ^ 1);
    EXPECT_NE(HashBytes(flipped), hash) << "bit 0 of byte " << at;
  }
  EXPECT_NE(HashBytes(text + '\0'), hash);
  EXPECT_NE(HashBytes(""), HashBytes(std::string(1, '\0')));
  // Blocks of 32 bytes are hashed in four lanes: the same words in other lanes are another content.
  const std::string words = "AAAAAAAABBBBBBBBCCCCCCCCDDDDDDDD";
  EXPECT_NE(HashBytes("BBBBBBBBAAAAAAAACCCCCCCCDDDDDDDD"), HashBytes(words));
  EXPECT_NE(HashBytes(words + words.substr(8) + words.substr(0, 8)), HashBytes(words + words));
}

TEST_F(MenuFileStampTest, SeesWhatOthersDidToTheFileSinceItWasLoaded) {
  struct TRow {
    const char* Name;
    std::function<void(recording::TMemoryFiles&, const std::u16string&)> Act;
    TDiskChange Expected;
  };
  const std::string loaded = MenuText(Clip("Alpha"));
  const std::vector<TRow> rows = {
      {"nothing", [](auto&, auto&) {}, TDiskChange::Unchanged},
      {"the same bytes written again",
       [&](recording::TMemoryFiles& files, const std::u16string& path) { files.AddFile(path, loaded); },
       TDiskChange::Unchanged},
      {"another content of the same size",
       [&](recording::TMemoryFiles& files, const std::u16string& path) {
         files.AddFile(path, MenuText(Clip("Bravo")));
       },
       TDiskChange::Changed},
      {"a longer content",
       [](recording::TMemoryFiles& files, const std::u16string& path) {
         files.AddFile(path, MenuText(Clip("Alpha") + Clip("Bravo")));
       },
       TDiskChange::Changed},
      {"a longer content dated back to the loaded time",
       [](recording::TMemoryFiles& files, const std::u16string& path) {
         const auto before = files.Info(path);
         files.AddFile(path, MenuText(Clip("Alpha") + Clip("Bravo")));
         files.SetLastWrite(path, before->LastWrite);
       },
       TDiskChange::Changed},
      {"deleted",
       [](recording::TMemoryFiles& files, const std::u16string& path) { ASSERT_TRUE(files.Delete(path)); },
       TDiskChange::Missing},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    Doubles.Files.AddFile(Path, loaded);
    ASSERT_EQ(Menu.LoadMenuFile(Path, false), u"");
    row.Act(Doubles.Files, Path);
    EXPECT_EQ(Menu.DiskChange(Path), row.Expected);
    // The path as the user may spell it names the same file.
    EXPECT_EQ(Menu.DiskChange(u"c:/menus/WORK.tvxml"), row.Expected);
  }
}

TEST_F(MenuFileStampTest, ReadsTheFileOnlyWhenItsTimeMovedAndThenKeepsTheNewTime) {
  const std::size_t afterLoad = Reads();
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Unchanged);
  EXPECT_EQ(Reads(), afterLoad) << "an unchanged size and time need no read";
  Doubles.Files.AddFile(Path, MenuText(Clip("Alpha")));
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Unchanged);
  EXPECT_EQ(Reads(), afterLoad + 1);
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Unchanged);
  EXPECT_EQ(Reads(), afterLoad + 1) << "the same content's new time was not kept";
  Doubles.Files.AddFile(Path, MenuText(Clip("Alpha") + Clip("Bravo")));
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Changed);
  EXPECT_EQ(Reads(), afterLoad + 1) << "another size needs no read";
}

TEST_F(MenuFileStampTest, OurOwnSavesAreNoChangeAndSavingElsewhereKeepsWatchingOurFile) {
  Menu.RootItem->NewChild()->Name = u"Bravo";
  ASSERT_EQ(Menu.SaveMenuFile(Path), TMenuSaveResult::Saved);
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Unchanged);

  ASSERT_EQ(Menu.SaveMenuFile(u"C:\\Menus\\Copy.TvXml"), TMenuSaveResult::Saved);
  EXPECT_EQ(Menu.DiskChange(u"C:\\Menus\\Copy.TvXml"), TDiskChange::Unchanged) << "not the menu's file";
  Doubles.Files.AddFile(Path, MenuText(Clip("Charlie")));
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Changed);
  // Appending another file leaves the menu's own file as the one watched.
  Doubles.Files.AddFile(u"C:\\Menus\\More.TvXml", MenuText(Clip("Delta")));
  ASSERT_EQ(Menu.LoadMenuFile(u"C:\\Menus\\More.TvXml", true), u"");
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Changed);
}

TEST_F(MenuFileStampTest, AFileMissingAtLoadThatSomeoneCreatesIsAChange) {
  const std::u16string fresh = u"C:\\Menus\\Fresh.TvXml";
  ASSERT_EQ(Menu.LoadMenuFile(fresh, false), u"");
  EXPECT_EQ(Menu.DiskChange(fresh), TDiskChange::Missing);
  Doubles.Files.AddFile(fresh, MenuText(Clip("Alpha")));
  EXPECT_EQ(Menu.DiskChange(fresh), TDiskChange::Changed);
  // Created by the menu itself, as opening a missing file does, it is the menu's own.
  ASSERT_TRUE(Doubles.Files.Delete(fresh));
  ASSERT_TRUE(Menu.OpenMenuFile(fresh, false));
  EXPECT_EQ(Menu.DiskChange(fresh), TDiskChange::Unchanged);
}

TEST_F(MenuFileStampTest, ReloadReplacesTheMenuOnlyWithAWholeNewContent) {
  EXPECT_EQ(Menu.ReloadIfChanged(Path), TMenuReloadResult::Unchanged);
  const std::string cutShort = MenuText(Clip("Alpha") + Clip("Bravo")).substr(0, 120);
  Doubles.Files.AddFile(Path, cutShort);
  Menu.MenuModified = true;
  EXPECT_EQ(Menu.ReloadIfChanged(Path), TMenuReloadResult::Unreadable);
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Alpha"});
  EXPECT_TRUE(Menu.MenuModified);

  Doubles.Files.AddFile(Path, MenuText(Clip("Alpha") + Clip("Bravo")));
  EXPECT_EQ(Menu.ReloadIfChanged(Path), TMenuReloadResult::Reloaded);
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Alpha", u"Bravo"}));
  EXPECT_FALSE(Menu.MenuModified);
  EXPECT_EQ(Menu.DiskChange(Path), TDiskChange::Unchanged);
  EXPECT_TRUE(Doubles.MessageBox.Requests().empty()) << "a reload says nothing";
}

class MenuFileWatchTest : public MenuFileStampTest {
 protected:
  bool Tick(bool mayReplace = true) { return Watch.Poll(Menu, Path, mayReplace); }

  TMenuFileWatch Watch{Doubles.Files};
};

TEST_F(MenuFileWatchTest, LoadsAChangeOnceTheFileHoldsStillForATick) {
  EXPECT_FALSE(Tick());
  Doubles.Files.AddFile(Path, MenuText(Clip("Alpha") + Clip("Bravo")).substr(0, 100));
  EXPECT_FALSE(Tick()) << "loaded while the writer may still be at it";
  Doubles.Files.AddFile(Path, MenuText(Clip("Alpha") + Clip("Bravo")));
  EXPECT_FALSE(Tick()) << "loaded while the file was still growing";
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Alpha"});
  EXPECT_TRUE(Tick());
  EXPECT_EQ(TopNames(), (std::vector<std::u16string>{u"Alpha", u"Bravo"}));
  EXPECT_FALSE(Tick());
  EXPECT_FALSE(Tick());
}

TEST_F(MenuFileWatchTest, NeverReplacesPendingChangesOrAMenuInUse) {
  Doubles.Files.AddFile(Path, MenuText(Clip("Bravo")));
  Menu.MenuModified = true;
  for (int tick = 0; tick < 3; ++tick)
    EXPECT_FALSE(Tick());
  Menu.MenuModified = false;
  EXPECT_FALSE(Tick());
  EXPECT_FALSE(Tick(false)) << "a popup or dialog opened between the two ticks";
  EXPECT_FALSE(Tick());
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Alpha"});
  EXPECT_TRUE(Tick());
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Bravo"});
}

TEST_F(MenuFileWatchTest, ABrokenFileIsTriedAgainOnlyAfterItChangesOnceMore) {
  Doubles.Files.AddFile(Path, "<TolvaneDataFile><Name>M</Name><Item");
  EXPECT_FALSE(Tick());
  EXPECT_FALSE(Tick());
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Alpha"});
  const std::size_t reads = Reads();
  for (int tick = 0; tick < 3; ++tick)
    EXPECT_FALSE(Tick());
  EXPECT_EQ(Reads(), reads) << "the same broken content was read again";
  Doubles.Files.AddFile(Path, MenuText(Clip("Charlie")));
  EXPECT_FALSE(Tick());
  EXPECT_TRUE(Tick());
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Charlie"});
}

TEST_F(MenuFileWatchTest, OurOwnSaveAndAFileThatIsGoneLeaveTheMenuAlone) {
  TItem* const added = Menu.RootItem->NewChild();
  added->Name = u"Bravo";
  ASSERT_EQ(Menu.SaveMenuFile(Path), TMenuSaveResult::Saved);
  const std::size_t reads = Reads();
  for (int tick = 0; tick < 3; ++tick)
    EXPECT_FALSE(Tick());
  EXPECT_EQ(Reads(), reads);
  EXPECT_EQ(Menu.RootItem->Children[1], added);

  ASSERT_TRUE(Doubles.Files.Delete(Path));
  for (int tick = 0; tick < 3; ++tick)
    EXPECT_FALSE(Tick());
  EXPECT_EQ(Menu.RootItem->Children[1], added);
  // Put back by a sync tool, with another content: that is loaded.
  Doubles.Files.AddFile(Path, MenuText(Clip("Delta")));
  EXPECT_FALSE(Tick());
  EXPECT_TRUE(Tick());
  EXPECT_EQ(TopNames(), std::vector<std::u16string>{u"Delta"});
}

}  // namespace
}  // namespace tolvane::storage
