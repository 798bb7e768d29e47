#include "platform/native/Nativefiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "common/Unicode.h"

namespace tolvane::native {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable (or removes it, given null) for the life of the object.
class TScopedEnvironment {
 public:
  TScopedEnvironment(const char* name, const char* value) : Name(name) {
    if (const char* previous = std::getenv(name); previous != nullptr)
      Previous = previous;
    if (value != nullptr)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  TScopedEnvironment(const TScopedEnvironment&) = delete;
  TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;
  ~TScopedEnvironment() {
    if (Previous)
      ::setenv(Name, Previous->c_str(), 1);
    else
      ::unsetenv(Name);
  }

 private:
  const char* Name;
  std::optional<std::string> Previous;
};

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// "YYYY-MM-DDThh:mm:ss", the form of a trash entry's deletion date.
bool IsTrashDate(std::string_view text) {
  constexpr std::string_view Form = "0000-00-00T00:00:00";
  if (text.size() != Form.size())
    return false;
  for (std::size_t i = 0; i < Form.size(); ++i) {
    if (Form[i] == '0' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != Form[i])
      return false;
  }
  return true;
}

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

// A file is read straight into its string, sized from its length: empty and large files, and a pipe, which
// has no length and grows the string as it is read.
TEST_F(NativeFilesTest, ReadsWholeFilesOfAnySizeAndPipes) {
  std::string large(300000, '\0');
  for (std::size_t i = 0; i < large.size(); ++i)
    large[i] = static_cast<char>(i * 7 % 251);
  ASSERT_TRUE(WriteFile(Path("large"), large));
  EXPECT_EQ(Files.ReadAll(Path("large")), large);
  ASSERT_TRUE(WriteFile(Path("empty"), ""));
  EXPECT_EQ(Files.ReadAll(Path("empty")), "");
  const std::unique_ptr<platform::IFileContent> content = Files.ReadContent(Path("large"));
  ASSERT_NE(content, nullptr);
  EXPECT_EQ(content->Bytes(), large);

  // In pieces: a file over several pieces comes whole and in order, an empty one as no piece at all.
  std::string pieced(2500000, '\0');
  for (std::size_t i = 0; i < pieced.size(); ++i)
    pieced[i] = static_cast<char>(i * 13 % 253);
  ASSERT_TRUE(WriteFile(Path("pieced"), pieced));
  for (const auto& [name, expected] :
       {std::pair<const char*, const std::string*>{"pieced", &pieced}, {"empty", nullptr}}) {
    std::string joined;
    int pieces = 0;
    EXPECT_TRUE(Files.ReadPieces(Path(name), [&](std::string_view piece) {
      joined += piece;
      ++pieces;
    }));
    EXPECT_EQ(joined, expected ? *expected : "");
    EXPECT_EQ(pieces, expected ? 3 : 0) << name;
  }

  const fs::path pipe = Root / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::thread writer([&] {
    std::ofstream out(pipe, std::ios::binary);
    out.write(large.data(), static_cast<std::streamsize>(large.size()));
  });
  const std::optional<std::string> piped = Files.ReadAll(Path("pipe"));
  writer.join();
  EXPECT_EQ(piped, large);
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
  EXPECT_EQ(Files.ReadContent(Path("a")), nullptr);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
  EXPECT_FALSE(Files.ReadPieces(Path("a"), [](std::string_view) { ADD_FAILURE() << "a piece of nothing"; }));
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
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

TEST_F(NativeFilesTest, InfoTellsSizeAndLastWriteOfFilesAndTheirLinksOnly) {
  ASSERT_TRUE(WriteFile(Path("menu.TvXml"), "abc"));
  const fs::path file = Root / "menu.TvXml";
  fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
  const std::optional<platform::TFileInfo> before = Files.Info(Path("menu.TvXml"));
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(before->Size, 3U);
  ASSERT_TRUE(WriteFile(Path("menu.TvXml"), "abcdef"));
  const std::optional<platform::TFileInfo> after = Files.Info(Path("menu.TvXml"));
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->Size, 6U);
  EXPECT_GT(after->LastWrite, before->LastWrite);
  fs::create_symlink(file, Root / "link");
  EXPECT_EQ(Files.Info(Path("link")), after);
  EXPECT_EQ(Files.Info(Path("missing")), std::nullopt);
  ASSERT_TRUE(Files.CreateFolder(Path("folder")));
  EXPECT_EQ(Files.Info(Path("folder")), std::nullopt);
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

TEST_F(NativeFilesTest, RecycleMovesTheFileIntoTheHomeTrashWithItsOrigin) {
  const TScopedEnvironment data("XDG_DATA_HOME", (Root / "data").c_str());
  ASSERT_TRUE(Files.CreateFolder(Path("menus")));
  const std::u16string file = Path(
      "menus\\my menu%\xC3\xA6"
      ".TvXml");
  ASSERT_TRUE(WriteFile(file, "menu"));

  ASSERT_EQ(Files.Recycle(file), platform::TRecycleResult::Recycled) << Files.LastError().Code;
  EXPECT_FALSE(Files.FileExists(file));
  const fs::path trash = Root / "data" / "Trash";
  const std::string name = "my menu%\xC3\xA6.TvXml";
  EXPECT_EQ(FileText(trash / "files" / name), "menu");
  const std::string info = FileText(trash / "info" / (name + ".trashinfo"));
  const std::string head =
      "[Trash Info]\nPath=" + fs::canonical(Root).string() + "/menus/my%20menu%25%C3%A6.TvXml\nDeletionDate=";
  ASSERT_TRUE(info.starts_with(head)) << info;
  ASSERT_TRUE(info.ends_with("\n")) << info;
  EXPECT_TRUE(IsTrashDate(std::string_view(info).substr(head.size(), info.size() - head.size() - 1))) << info;
  EXPECT_EQ(fs::status(trash).permissions(), fs::perms::owner_all) << "the trash is private";
}

TEST_F(NativeFilesTest, RecycleGivesASecondFileOfTheSameNameANameOfItsOwn) {
  const TScopedEnvironment data("XDG_DATA_HOME", (Root / "data").c_str());
  const fs::path trash = Root / "data" / "Trash";
  ASSERT_TRUE(Files.CreateFolder(Path("one")));
  ASSERT_TRUE(Files.CreateFolder(Path("two")));
  ASSERT_TRUE(Files.CreateFolder(Path("data\\Trash\\files")));
  // Something trashed without its info, which no name of ours may overwrite.
  ASSERT_TRUE(WriteFile(Path("data\\Trash\\files\\menu.2.TvXml"), "someone else's"));
  ASSERT_TRUE(WriteFile(Path("one\\menu.TvXml"), "first"));
  ASSERT_TRUE(WriteFile(Path("two\\menu.TvXml"), "second"));

  ASSERT_EQ(Files.Recycle(Path("one\\menu.TvXml")), platform::TRecycleResult::Recycled);
  ASSERT_EQ(Files.Recycle(Path("two\\menu.TvXml")), platform::TRecycleResult::Recycled);
  EXPECT_EQ(FileText(trash / "files" / "menu.TvXml"), "first");
  EXPECT_EQ(FileText(trash / "files" / "menu.2.TvXml"), "someone else's");
  EXPECT_EQ(FileText(trash / "files" / "menu.3.TvXml"), "second");
  EXPECT_NE(FileText(trash / "info" / "menu.3.TvXml.trashinfo").find("/two/menu.TvXml\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(trash / "info" / "menu.2.TvXml.trashinfo"));
}

TEST_F(NativeFilesTest, RecycleRefusesWhatItCannotTakeAndLeavesItAlone) {
  const TScopedEnvironment data("XDG_DATA_HOME", (Root / "data").c_str());
  EXPECT_EQ(Files.Recycle(Path("missing")), platform::TRecycleResult::Failed);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ENOENT));
  ASSERT_TRUE(Files.CreateFolder(Path("folder")));
  EXPECT_EQ(Files.Recycle(Path("folder")), platform::TRecycleResult::Failed);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(EISDIR));
  EXPECT_TRUE(Files.FolderExists(Path("folder")));

  ASSERT_TRUE(WriteFile(Path("kept"), "kept"));
  {
    const TScopedEnvironment noData("XDG_DATA_HOME", nullptr);
    const TScopedEnvironment noHome("HOME", nullptr);
    EXPECT_EQ(Files.Recycle(Path("kept")), platform::TRecycleResult::NoRecycleBin);
  }
  EXPECT_EQ(Files.ReadAll(Path("kept")), "kept");
}

TEST_F(NativeFilesTest, RecycleLeavesAFileOnAnotherFileSystemThanTheTrashAlone) {
  struct stat here {};
  struct stat shared {};
  ASSERT_EQ(::stat(Root.c_str(), &here), 0);
  if (::stat("/dev/shm", &shared) != 0 || shared.st_dev == here.st_dev)
    GTEST_SKIP() << "no second file system to put the trash on";
  std::string otherData = "/dev/shm/tolvane-trash-XXXXXX";
  ASSERT_NE(::mkdtemp(otherData.data()), nullptr);
  const TScopedEnvironment data("XDG_DATA_HOME", otherData.c_str());
  ASSERT_TRUE(WriteFile(Path("menu.TvXml"), "menu"));
  const platform::TRecycleResult result = Files.Recycle(Path("menu.TvXml"));
  const bool infoLeft = !fs::is_empty(fs::path(otherData) / "Trash" / "info");
  fs::remove_all(otherData);
  EXPECT_EQ(result, platform::TRecycleResult::NoRecycleBin);
  EXPECT_EQ(Files.ReadAll(Path("menu.TvXml")), "menu");
  EXPECT_FALSE(infoLeft);
}

}  // namespace
}  // namespace tolvane::native
