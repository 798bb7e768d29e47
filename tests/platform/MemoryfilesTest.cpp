#include "platform/recording/Memoryfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace tolvane::recording {
namespace {

const platform::TSystemError DiskFull{112, u"There is not enough space on the disk."};

class MemoryFilesTest : public ::testing::Test {
 protected:
  std::vector<platform::TFolderEntry> Sorted(std::u16string_view folder) {
    auto entries = Files.List(folder).value_or(std::vector<platform::TFolderEntry>{});
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    return entries;
  }

  TMemoryFiles Files;
};

TEST_F(MemoryFilesTest, PathsIgnoreCaseAndSeparatorSpelling) {
  Files.AddFile(u"C:\\Users\\Test\\Menu.TvXml", "data");
  EXPECT_TRUE(Files.FileExists(u"c:/users/TEST//menu.tvxml"));
  EXPECT_TRUE(Files.FolderExists(u"C:\\USERS\\test\\"));
  EXPECT_FALSE(Files.FolderExists(u"C:\\Users\\Test\\Menu.TvXml"));
  EXPECT_EQ(Files.ReadAll(u"C:/Users/Test/MENU.TVXML"), "data");
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{u"C:\\Users\\Test\\Menu.TvXml"});
}

TEST_F(MemoryFilesTest, WritesThroughAWriterAndTruncatesOnCreate) {
  Files.AddFile(u"C:\\a.txt", "old content");
  auto writer = Files.Create(u"C:\\a.txt");
  ASSERT_NE(writer, nullptr);
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "");
  ASSERT_TRUE(writer->Write("ab"));
  ASSERT_TRUE(writer->Write("cd"));
  ASSERT_TRUE(writer->Flush());
  ASSERT_TRUE(writer->Close());
  EXPECT_FALSE(writer->Write("late"));
  EXPECT_EQ(Files.LastError().Code, 6u);
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "abcd");
}

TEST_F(MemoryFilesTest, EveryChangeOfAContentMovesItsLastWriteAndReplaceCarriesItOver) {
  Files.AddFile(u"C:\\Menu.TvXml", "data");
  const std::optional<platform::TFileInfo> added = Files.Info(u"c:/menu.tvxml");
  ASSERT_TRUE(added.has_value());
  EXPECT_EQ(added->Size, 4U);
  auto writer = Files.OpenForOverwrite(u"C:\\Menu.TvXml");
  ASSERT_TRUE(writer && writer->Write("D"));
  const platform::TFileInfo written = *Files.Info(u"C:\\Menu.TvXml");
  EXPECT_EQ(written.Size, 4U);
  EXPECT_NE(written.LastWrite, added->LastWrite);
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.Info(u"C:\\Menu.TvXml"), written) << "closing is no change";

  Files.AddFile(u"C:\\New.tmp", "other");
  const platform::TFileInfo replacement = *Files.Info(u"C:\\New.tmp");
  ASSERT_TRUE(Files.Replace(u"C:\\Menu.TvXml", u"C:\\New.tmp"));
  EXPECT_EQ(Files.Info(u"C:\\Menu.TvXml"), replacement);
  Files.SetLastWrite(u"C:\\Menu.TvXml", written.LastWrite);
  EXPECT_EQ(Files.Info(u"C:\\Menu.TvXml"), (platform::TFileInfo{5, written.LastWrite}));
  EXPECT_EQ(Files.Info(u"C:\\New.tmp"), std::nullopt);
  EXPECT_EQ(Files.Info(u"C:\\"), std::nullopt);
}

TEST_F(MemoryFilesTest, AFileOpenForWritingCannotBeReplacedOrDeleted) {
  Files.AddFile(u"C:\\a.txt", "a");
  Files.AddFile(u"C:\\b.txt", "b");
  auto writer = Files.Create(u"C:\\a.txt");
  EXPECT_FALSE(Files.CanOpenForWriting(u"C:\\a.txt"));
  EXPECT_FALSE(Files.Delete(u"C:\\a.txt"));
  EXPECT_EQ(Files.LastError().Code, 32u);
  EXPECT_FALSE(Files.Replace(u"C:\\a.txt", u"C:\\b.txt"));
  EXPECT_FALSE(Files.Replace(u"C:\\b.txt", u"C:\\a.txt"));
  EXPECT_EQ(Files.Create(u"C:\\a.txt"), nullptr);
  writer.reset();  // dropped without Close: still released
  EXPECT_TRUE(Files.CanOpenForWriting(u"C:\\a.txt"));
  EXPECT_TRUE(Files.Delete(u"C:\\a.txt"));
}

TEST_F(MemoryFilesTest, ReplaceMovesTheFileUnderTheTargetName) {
  Files.AddFile(u"C:\\d\\menu.TvXml", "old");
  Files.AddFile(u"C:\\d\\menu.TvXml.tvtmp", "new");
  ASSERT_TRUE(Files.Replace(u"C:\\d\\menu.TvXml", u"C:\\d\\menu.TvXml.tvtmp"));
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{u"C:\\d\\menu.TvXml"});
  EXPECT_EQ(Files.Content(u"C:\\d\\menu.TvXml"), "new");
  EXPECT_FALSE(Files.Replace(u"C:\\d\\x", u"C:\\d\\missing"));
  EXPECT_EQ(Files.LastError().Code, 2u);
  EXPECT_FALSE(Files.Replace(u"C:\\nowhere\\x", u"C:\\d\\menu.TvXml"));
  EXPECT_EQ(Files.LastError().Code, 3u);
  EXPECT_TRUE(Files.FileExists(u"C:\\d\\menu.TvXml"));
}

TEST_F(MemoryFilesTest, FilesNeedTheirFolder) {
  EXPECT_EQ(Files.Create(u"C:\\missing\\a.txt"), nullptr);
  EXPECT_EQ(Files.LastError().Code, 3u);
  EXPECT_EQ(Files.ReadAll(u"C:\\missing\\a.txt"), std::nullopt);
  EXPECT_EQ(Files.LastError().Code, 3u);
  ASSERT_TRUE(Files.CreateFolder(u"C:\\missing\\deeper"));
  EXPECT_TRUE(Files.FolderExists(u"C:\\missing"));
  EXPECT_NE(Files.Create(u"C:\\missing\\a.txt"), nullptr);
  EXPECT_EQ(Files.ReadAll(u"C:\\missing\\b.txt"), std::nullopt);
  EXPECT_EQ(Files.LastError().Code, 2u);
  EXPECT_FALSE(Files.CreateFolder(u"C:\\missing\\a.txt\\sub"));
  EXPECT_EQ(Files.LastError().Code, 183u);
}

TEST_F(MemoryFilesTest, ListsDirectChildrenOnly) {
  Files.AddFile(u"C:\\Menus\\One.TvXml", "");
  Files.AddFile(u"C:\\Menus\\Old\\Two.TvXml", "");
  Files.AddFile(u"C:\\Other.txt", "");
  EXPECT_EQ(Sorted(u"c:\\menus"),
            (std::vector<platform::TFolderEntry>{{u"Old", true}, {u"One.TvXml", false}}));
  EXPECT_EQ(Files.List(u"C:\\Nothing"), std::nullopt);
}

TEST_F(MemoryFilesTest, FailsTheNthCallOfAKindCountedFromNow) {
  Files.AddFile(u"C:\\a.txt", "a");
  ASSERT_TRUE(Files.ReadAll(u"C:\\a.txt"));
  Files.FailCall(TFileOperation::Read, 2, DiskFull);
  EXPECT_TRUE(Files.ReadAll(u"C:\\a.txt"));
  EXPECT_EQ(Files.ReadAll(u"C:\\a.txt"), std::nullopt);
  EXPECT_EQ(Files.LastError(), DiskFull);
  EXPECT_TRUE(Files.ReadAll(u"C:\\a.txt"));
  EXPECT_EQ(Files.Calls(TFileOperation::Read), 4u);
  EXPECT_EQ(Files.Calls(TFileOperation::Write), 0u);
}

TEST_F(MemoryFilesTest, AnInjectedFailureHasNoEffect) {
  Files.AddFile(u"C:\\a.txt", "a");
  Files.AddFile(u"C:\\b.txt", "b");
  Files.FailCall(TFileOperation::Delete, 1, DiskFull);
  Files.FailCall(TFileOperation::Replace, 1, DiskFull);
  EXPECT_FALSE(Files.Delete(u"C:\\a.txt"));
  EXPECT_FALSE(Files.Replace(u"C:\\a.txt", u"C:\\b.txt"));
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "a");
  EXPECT_EQ(Files.Content(u"C:\\b.txt"), "b");

  auto writer = Files.Create(u"C:\\c.txt");
  Files.FailCall(TFileOperation::Write, 1, DiskFull);
  EXPECT_FALSE(writer->Write("lost"));
  EXPECT_EQ(Files.Content(u"C:\\c.txt"), "");
}

TEST_F(MemoryFilesTest, AWriterWhoseCloseFailsIsClosedAnyway) {
  auto writer = Files.Create(u"C:\\a.txt");
  Files.FailCall(TFileOperation::Close, 1, DiskFull);
  EXPECT_FALSE(writer->Close());
  EXPECT_EQ(Files.LastError(), DiskFull);
  EXPECT_TRUE(Files.Delete(u"C:\\a.txt"));
}

TEST_F(MemoryFilesTest, AnotherProgramCanHoldAFile) {
  Files.AddFile(u"C:\\a.txt", "a");
  Files.SetLockedByOtherProgram(u"C:\\A.TXT", true);
  EXPECT_FALSE(Files.CanOpenForWriting(u"C:\\a.txt"));
  EXPECT_EQ(Files.ReadAll(u"C:\\a.txt"), "a");
  Files.SetLockedByOtherProgram(u"C:\\a.txt", false);
  EXPECT_TRUE(Files.CanOpenForWriting(u"C:\\a.txt"));
}

TEST_F(MemoryFilesTest, OverwritesFromTheStartAndEndsTheFileOnRequest) {
  Files.AddFile(u"C:\\a.txt", "old content");
  auto writer = Files.OpenForOverwrite(u"C:\\A.TXT");
  ASSERT_NE(writer, nullptr);
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "old content");
  ASSERT_TRUE(writer->Write("NEW"));
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "NEW content");
  ASSERT_TRUE(writer->Write(" and longer than before"));
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "NEW and longer than before");

  writer = Files.OpenForOverwrite(u"C:\\a.txt");
  ASSERT_TRUE(writer->Write("short"));
  ASSERT_TRUE(writer->SetEnd());
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.Content(u"C:\\a.txt"), "short");
  EXPECT_EQ(Files.Calls(TFileOperation::Create), 2u);
  EXPECT_EQ(Files.Calls(TFileOperation::Write), 4u);

  EXPECT_EQ(Files.OpenForOverwrite(u"C:\\missing.txt"), nullptr);
  EXPECT_EQ(Files.LastError().Code, 2u);
  EXPECT_FALSE(Files.FileExists(u"C:\\missing.txt"));
  Files.SetLockedByOtherProgram(u"C:\\a.txt", true);
  EXPECT_EQ(Files.OpenForOverwrite(u"C:\\a.txt"), nullptr);
  EXPECT_EQ(Files.LastError().Code, 32u);
}

TEST_F(MemoryFilesTest, AFolderThatRefusesNewFilesStillLetsItsFilesBeWritten) {
  Files.AddFile(u"C:\\Locked\\menu.TvXml", "menu");
  Files.AddFile(u"C:\\Open\\other.txt", "other");
  Files.SetRefusesNewFiles(u"c:/locked", true);

  EXPECT_EQ(Files.Create(u"C:\\Locked\\new.txt"), nullptr);
  EXPECT_EQ(Files.LastError().Code, 5u);
  EXPECT_TRUE(Files.IsAccessDenied(Files.LastError()));
  EXPECT_FALSE(Files.Replace(u"C:\\Locked\\menu.TvXml", u"C:\\Open\\other.txt"));
  EXPECT_EQ(Files.LastError().Code, 5u);
  EXPECT_EQ(Files.Content(u"C:\\Locked\\menu.TvXml"), "menu");

  EXPECT_TRUE(Files.CanOpenForWriting(u"C:\\Locked\\menu.TvXml"));
  auto writer = Files.Create(u"C:\\Locked\\menu.TvXml");
  ASSERT_NE(writer, nullptr);
  ASSERT_TRUE(writer->Write("rewritten"));
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.Content(u"C:\\Locked\\menu.TvXml"), "rewritten");
  EXPECT_NE(Files.Create(u"C:\\Open\\new.txt"), nullptr);

  Files.SetRefusesNewFiles(u"C:\\Locked", false);
  EXPECT_NE(Files.Create(u"C:\\Locked\\new.txt"), nullptr);
  EXPECT_THROW(Files.SetRefusesNewFiles(u"C:\\Nowhere", true), std::invalid_argument);
}

TEST_F(MemoryFilesTest, TemporaryFilesGetNamesOfTheirOwnInTheTemporaryFolder) {
  auto first = Files.CreateTemporary(u"menu.TvXml.");
  auto second = Files.CreateTemporary(u"menu.TvXml.");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->Path, second->Path);
  for (const std::u16string& path : {first->Path, second->Path}) {
    EXPECT_TRUE(path.starts_with(std::u16string(TMemoryFiles::TemporaryFolder) + u"\\menu.TvXml."));
    EXPECT_TRUE(Files.FileExists(path));
  }
  ASSERT_TRUE(first->Writer->Write("backup"));
  ASSERT_TRUE(first->Writer->Close());
  EXPECT_EQ(Files.Content(first->Path), "backup");
  EXPECT_EQ(Files.Calls(TFileOperation::Create), 2u);

  Files.FailCall(TFileOperation::Create, 1, DiskFull);
  EXPECT_EQ(Files.CreateTemporary(u"x."), std::nullopt);
  EXPECT_EQ(Files.LastError(), DiskFull);
  Files.SetRefusesNewFiles(TMemoryFiles::TemporaryFolder, true);
  EXPECT_EQ(Files.CreateTemporary(u"x."), std::nullopt);
  EXPECT_EQ(Files.LastError().Code, 5u);
}

TEST_F(MemoryFilesTest, LinksAreFollowedForContentButReplacedAndDeletedThemselves) {
  Files.AddFile(u"C:\\Real\\menu.TvXml", "real");
  Files.AddLink(u"C:\\Links\\menu.TvXml", u"C:\\Links\\second");
  Files.AddLink(u"C:\\Links\\second", u"C:\\Real\\menu.TvXml");
  EXPECT_EQ(Files.FinalPath(u"c:/links/MENU.TvXml"), u"C:\\Real\\menu.TvXml");
  EXPECT_EQ(Files.FinalPath(u"c:/real/MENU.TvXml"), u"c:/real/MENU.TvXml");
  EXPECT_TRUE(Files.FileExists(u"C:\\Links\\menu.TvXml"));
  EXPECT_EQ(Files.ReadAll(u"C:\\Links\\menu.TvXml"), "real");
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{u"C:\\Real\\menu.TvXml"});

  auto writer = Files.Create(u"C:\\Links\\menu.TvXml");
  ASSERT_TRUE(writer->Write("through the link"));
  EXPECT_FALSE(Files.CanOpenForWriting(u"C:\\Real\\menu.TvXml"));
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.Content(u"C:\\Real\\menu.TvXml"), "through the link");

  Files.AddFile(u"C:\\Links\\new", "new");
  ASSERT_TRUE(Files.Replace(u"C:\\Links\\menu.TvXml", u"C:\\Links\\new"));
  EXPECT_EQ(Files.LinkTarget(u"C:\\Links\\menu.TvXml"), std::nullopt);
  EXPECT_EQ(Files.Content(u"C:\\Real\\menu.TvXml"), "through the link");
  ASSERT_TRUE(Files.Delete(u"C:\\Links\\second"));
  EXPECT_TRUE(Files.FileExists(u"C:\\Real\\menu.TvXml"));
}

TEST_F(MemoryFilesTest, WritingThroughALinkToAMissingFileCreatesThatFile) {
  Files.AddLink(u"C:\\menu.TvXml", u"C:\\Real\\menu.TvXml");
  EXPECT_FALSE(Files.FileExists(u"C:\\menu.TvXml"));
  EXPECT_EQ(Files.Create(u"C:\\menu.TvXml"), nullptr) << "the linked file's folder is missing";
  EXPECT_EQ(Files.LastError().Code, 3u);
  ASSERT_TRUE(Files.CreateFolder(u"C:\\Real"));
  EXPECT_EQ(Files.FinalPath(u"C:\\menu.TvXml"), u"C:\\Real\\menu.TvXml");
  ASSERT_NE(Files.Create(u"C:\\menu.TvXml"), nullptr);
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{u"C:\\Real\\menu.TvXml"});
  EXPECT_EQ(Files.LinkTarget(u"C:\\MENU.TvXml"), u"C:\\Real\\menu.TvXml");
}

TEST_F(MemoryFilesTest, RecycleKeepsTheFileInTheBinOrLeavesItWhereItIs) {
  using platform::TRecycleResult;
  Files.AddFile(u"C:\\Menus\\Old.TvXml", "old");
  Files.AddFile(u"C:\\Menus\\Open.TvXml", "open");
  Files.AddFile(u"C:\\Menus\\Kept.TvXml", "kept");
  EXPECT_EQ(Files.Recycle(u"c:/menus/old.tvxml"), TRecycleResult::Recycled);
  EXPECT_FALSE(Files.FileExists(u"C:\\Menus\\Old.TvXml"));

  auto writer = Files.OpenForOverwrite(u"C:\\Menus\\Open.TvXml");
  EXPECT_EQ(Files.Recycle(u"C:\\Menus\\Open.TvXml"), TRecycleResult::Failed);
  EXPECT_EQ(Files.LastError().Code, 32u);
  EXPECT_EQ(Files.Recycle(u"C:\\Menus\\Missing.TvXml"), TRecycleResult::Failed);
  EXPECT_EQ(Files.LastError().Code, 2u);
  EXPECT_EQ(Files.Recycle(u"C:\\Menus"), TRecycleResult::Failed);
  Files.FailCall(TFileOperation::Recycle, 1, DiskFull);
  EXPECT_EQ(Files.Recycle(u"C:\\Menus\\Kept.TvXml"), TRecycleResult::Failed);
  EXPECT_EQ(Files.LastError(), DiskFull);
  Files.SetHasRecycleBin(false);
  EXPECT_EQ(Files.Recycle(u"C:\\Menus\\Kept.TvXml"), TRecycleResult::NoRecycleBin);

  EXPECT_EQ(Files.FilePaths(),
            (std::vector<std::u16string>{u"C:\\Menus\\Kept.TvXml", u"C:\\Menus\\Open.TvXml"}));
  EXPECT_EQ(Files.Recycled(), (std::vector<TMemoryFiles::TRecycledFile>{{u"C:\\Menus\\Old.TvXml", "old"}}));
  EXPECT_EQ(Files.Calls(TFileOperation::Recycle), 6u);
}

}  // namespace
}  // namespace tolvane::recording
