#include "platform/native/Nativefiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "common/Unicode.h"

namespace tolvane::native {
namespace {

namespace fs = std::filesystem;

class NativeFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tolvane-files-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    Root = pattern;
  }
  void TearDown() override { fs::remove_all(Root); }

  // The path below the temporary folder, written with Windows separators.
  std::u16string Path(std::string_view relative) const {
    std::u16string path = Utf8ToUtf16(Root.string()) + u"\\" + Utf8ToUtf16(relative);
    return path;
  }

  bool WriteFile(std::u16string_view path, std::string_view bytes) {
    auto writer = Files.Create(path);
    return writer && writer->Write(bytes) && writer->Flush() && writer->Close();
  }

  fs::path Root;
  TNativeFiles Files;
};

TEST_F(NativeFilesTest, WritesAndReadsBackWithUnicodeNamesAndBackslashes) {
  ASSERT_TRUE(Files.CreateFolder(Path("sub\\deeper")));
  const std::u16string file = Path(
      "sub\\deeper\\\xC3\xA6"
      "ble.TvXml");
  const std::string bytes("\xEF\xBB\xBF<x/>\0tail", 12);
  ASSERT_TRUE(WriteFile(file, bytes));
  EXPECT_TRUE(Files.FileExists(file));
  EXPECT_FALSE(Files.FolderExists(file));
  EXPECT_TRUE(Files.FolderExists(Path("sub")));
  EXPECT_EQ(Files.ReadAll(file), bytes);
  EXPECT_TRUE(fs::exists(Root / "sub" / "deeper" /
                         "\xC3\xA6"
                         "ble.TvXml"));
}

TEST_F(NativeFilesTest, CreateTruncatesAndAClosedWriterRefusesWork) {
  ASSERT_TRUE(WriteFile(Path("a.txt"), "long old content"));
  auto writer = Files.Create(Path("a.txt"));
  ASSERT_TRUE(writer);
  ASSERT_TRUE(writer->Write("new"));
  ASSERT_TRUE(writer->Close());
  EXPECT_FALSE(writer->Close());
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(EBADF));
  EXPECT_EQ(Files.ReadAll(Path("a.txt")), "new");
}

TEST_F(NativeFilesTest, ReplaceMovesOverTheTargetOrLeavesItAlone) {
  ASSERT_TRUE(WriteFile(Path("menu.TvXml"), "old"));
  ASSERT_TRUE(WriteFile(Path("menu.TvXml.tvtmp"), "new"));
  ASSERT_TRUE(Files.Replace(Path("menu.TvXml"), Path("menu.TvXml.tvtmp")));
  EXPECT_EQ(Files.ReadAll(Path("menu.TvXml")), "new");
  EXPECT_FALSE(Files.FileExists(Path("menu.TvXml.tvtmp")));

  EXPECT_FALSE(Files.Replace(Path("menu.TvXml"), Path("missing")));
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
  EXPECT_FALSE(Files.LastError().Message.empty());
  EXPECT_EQ(Files.ReadAll(Path("menu.TvXml")), "new");

  ASSERT_TRUE(WriteFile(Path("other"), "x"));
  EXPECT_TRUE(Files.Replace(Path("fresh"), Path("other")));
  EXPECT_EQ(Files.ReadAll(Path("fresh")), "x");
}

TEST_F(NativeFilesTest, ListsEntriesWithTheirKind) {
  ASSERT_TRUE(Files.CreateFolder(Path("folder")));
  ASSERT_TRUE(WriteFile(Path("file.ini"), ""));
  auto entries = Files.List(Utf8ToUtf16(Root.string()));
  ASSERT_TRUE(entries);
  std::sort(entries->begin(), entries->end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
  EXPECT_EQ(*entries, (std::vector<platform::TFolderEntry>{{u"file.ini", false}, {u"folder", true}}));
  EXPECT_EQ(Files.List(Path("nothing")), std::nullopt);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
}

TEST_F(NativeFilesTest, DeleteAndReadReportMissingFiles) {
  ASSERT_TRUE(WriteFile(Path("a"), "a"));
  EXPECT_TRUE(Files.Delete(Path("a")));
  EXPECT_FALSE(Files.Delete(Path("a")));
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
  EXPECT_EQ(Files.ReadAll(Path("a")), std::nullopt);
  EXPECT_EQ(Files.Create(Path("no\\such\\folder\\a")), nullptr);
  ASSERT_TRUE(WriteFile(Path("blocker"), ""));
  EXPECT_FALSE(Files.CreateFolder(Path("blocker\\sub")));
}

TEST_F(NativeFilesTest, CanOpenForWritingSeesAnotherWritersLock) {
  ASSERT_TRUE(WriteFile(Path("locked"), "x"));
  EXPECT_TRUE(Files.CanOpenForWriting(Path("locked")));
  EXPECT_FALSE(Files.CanOpenForWriting(Path("missing")));

  const int fd = ::open((Root / "locked").c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
  EXPECT_FALSE(Files.CanOpenForWriting(Path("locked")));
  EXPECT_NE(Files.LastError().Code, 0u);
  ::close(fd);
  EXPECT_TRUE(Files.CanOpenForWriting(Path("locked")));
}

TEST_F(NativeFilesTest, OverwritesAnExistingFileInPlaceAndCutsItToTheNewEnd) {
  ASSERT_TRUE(WriteFile(Path("menu.TvXml"), "the old and longer content"));
  struct stat before {};
  ASSERT_EQ(::stat((Root / "menu.TvXml").c_str(), &before), 0);
  auto writer = Files.OpenForOverwrite(Path("menu.TvXml"));
  ASSERT_TRUE(writer);
  ASSERT_TRUE(writer->Write("new"));
  EXPECT_EQ(Files.ReadAll(Path("menu.TvXml")), "new old and longer content");
  ASSERT_TRUE(writer->SetEnd());
  ASSERT_TRUE(writer->Flush());
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.ReadAll(Path("menu.TvXml")), "new");
  struct stat after {};
  ASSERT_EQ(::stat((Root / "menu.TvXml").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a new one";

  EXPECT_EQ(Files.OpenForOverwrite(Path("missing")), nullptr);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
  EXPECT_FALSE(fs::exists(Root / "missing"));
}

TEST_F(NativeFilesTest, TemporaryFilesAreNewPrivateFilesInTmpdir) {
  const char* previous = std::getenv("TMPDIR");
  const std::string saved = previous != nullptr ? previous : "";
  ASSERT_EQ(::setenv("TMPDIR", Root.c_str(), 1), 0);
  auto first = Files.CreateTemporary(u"menu.TvXml.");
  auto second = Files.CreateTemporary(u"menu.TvXml.");
  if (previous != nullptr)
    ::setenv("TMPDIR", saved.c_str(), 1);
  else
    ::unsetenv("TMPDIR");

  ASSERT_TRUE(first && second);
  EXPECT_NE(first->Path, second->Path);
  const fs::path file = Utf16ToUtf8(first->Path);
  EXPECT_EQ(file.parent_path(), Root);
  EXPECT_TRUE(file.filename().string().starts_with("menu.TvXml."));
  ASSERT_TRUE(first->Writer->Write("backup"));
  ASSERT_TRUE(first->Writer->Close());
  EXPECT_EQ(Files.ReadAll(first->Path), "backup");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(NativeFilesTest, FinalPathFollowsEveryLinkOfAChain) {
  ASSERT_TRUE(Files.CreateFolder(Path("real")));
  ASSERT_TRUE(Files.CreateFolder(Path("links")));
  ASSERT_TRUE(WriteFile(Path("real\\menu.TvXml"), "x"));
  fs::create_symlink("../real/menu.TvXml", Root / "links" / "relative");
  fs::create_symlink(Root / "links" / "relative", Root / "absolute");
  fs::create_symlink(Root / "real" / "later.TvXml", Root / "dangling");

  EXPECT_TRUE(fs::equivalent(Utf16ToUtf8(Files.FinalPath(Path("absolute"))), Root / "real" / "menu.TvXml"));
  EXPECT_FALSE(fs::is_symlink(Utf16ToUtf8(Files.FinalPath(Path("absolute")))));
  EXPECT_EQ(Files.FinalPath(Path("dangling")), Utf8ToUtf16((Root / "real" / "later.TvXml").string()));
  EXPECT_EQ(Files.FinalPath(Path("real\\menu.TvXml")), Path("real\\menu.TvXml"));
  EXPECT_EQ(Files.FinalPath(Path("missing")), Path("missing"));
}

TEST_F(NativeFilesTest, ReplaceKeepsTheTargetsPermissions) {
  ASSERT_TRUE(WriteFile(Path("private.ini"), "old"));
  ASSERT_TRUE(WriteFile(Path("private.ini.tvtmp"), "new"));
  fs::permissions(Root / "private.ini", fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(Root / "private.ini.tvtmp", fs::perms::all);
  ASSERT_TRUE(Files.Replace(Path("private.ini"), Path("private.ini.tvtmp")));
  EXPECT_EQ(fs::status(Root / "private.ini").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Files.ReadAll(Path("private.ini")), "new");
}

}  // namespace
}  // namespace tolvane::native
