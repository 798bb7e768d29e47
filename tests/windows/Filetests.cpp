#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Testsupport.h"
#include "platform/win32/Files.h"
#include "platform/win32/Windowspath.h"

namespace tolvane::win32 {
namespace {

using platform::TFolderEntry;
using ::testing::UnorderedElementsAre;

class FilesTest : public ::testing::Test {
 protected:
  void WriteFile(const std::u16string& path, std::string_view bytes) {
    auto writer = Files.Create(path);
    ASSERT_NE(writer, nullptr) << Files.LastError().Code;
    ASSERT_TRUE(writer->Write(bytes));
    ASSERT_TRUE(writer->Flush());
    ASSERT_TRUE(writer->Close());
  }

  testing::TTempFolder Temp;
  TFiles Files;
};

TEST_F(FilesTest, ReplacesAnExistingFileWithOneWrittenBesideIt) {
  std::string binary;
  for (int byte = 0; byte < 256; ++byte)
    binary += static_cast<char>(byte);
  WriteFile(Temp / u"target.txt", "old content");
  WriteFile(Temp / u"target.tmp", binary);
  ASSERT_TRUE(Files.Replace(Temp / u"target.txt", Temp / u"target.tmp"));
  EXPECT_EQ(Files.ReadAll(Temp / u"target.txt"), binary);
  EXPECT_FALSE(Files.FileExists(Temp / u"target.tmp"));
}

TEST_F(FilesTest, ReplaceMovesIntoPlaceWhenTheTargetIsMissing) {
  WriteFile(Temp / u"new.tmp", "fresh");
  ASSERT_TRUE(Files.Replace(Temp / u"new.txt", Temp / u"new.tmp"));
  EXPECT_EQ(Files.ReadAll(Temp / u"new.txt"), "fresh");
}

TEST_F(FilesTest, FailedReplaceLeavesTheTargetAlone) {
  WriteFile(Temp / u"kept.txt", "kept");
  EXPECT_FALSE(Files.Replace(Temp / u"kept.txt", Temp / u"missing.tmp"));
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(Files.ReadAll(Temp / u"kept.txt"), "kept");
}

TEST_F(FilesTest, ReadingAMissingFileReportsFileNotFound) {
  EXPECT_EQ(Files.ReadAll(Temp / u"missing.txt"), std::nullopt);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(Files.LastError().Message.empty());
  EXPECT_NE(Files.LastError().Message.back(), u'\n');
}

TEST_F(FilesTest, RefusesToReadAFileTooLargeToHold) {
  const std::u16string path = Temp / u"huge.bin";
  {
    // Sparse on the host file system, so this costs no disk space.
    const unique_file file(
        ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
    LARGE_INTEGER size{};
    size.QuadPart = 5LL << 30;
    ASSERT_TRUE(::SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(file.get()));
  }
  EXPECT_EQ(Files.ReadAll(path), std::nullopt);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_TOO_LARGE));
}

TEST_F(FilesTest, ListsEntriesWithoutDotEntries) {
  WriteFile(Temp / u"a.txt", "a");
  ASSERT_TRUE(Files.CreateFolder(Temp / u"sub"));
  EXPECT_THAT(Files.List(Temp / u""), ::testing::Optional(UnorderedElementsAre(TFolderEntry{u"a.txt", false},
                                                                               TFolderEntry{u"sub", true})));
  EXPECT_EQ(Files.List(Temp / u"sub"), std::vector<TFolderEntry>{});
  EXPECT_EQ(Files.List(Temp / u"missing"), std::nullopt);
}

TEST_F(FilesTest, CreatesNestedFoldersGivenWithEitherSeparator) {
  const std::u16string nested = Temp / u"one/two\\three/";
  ASSERT_TRUE(Files.CreateFolder(nested));
  EXPECT_TRUE(Files.FolderExists(Temp / u"one\\two\\three"));
  EXPECT_TRUE(Files.CreateFolder(nested)) << "an existing folder is fine";
  WriteFile(Temp / u"file", "x");
  EXPECT_FALSE(Files.CreateFolder(Temp / u"file"));
  EXPECT_FALSE(Files.CreateFolder(Temp / u"file/below"));
}

TEST_F(FilesTest, TellsFilesAndFoldersApart) {
  WriteFile(Temp / u"file", "x");
  EXPECT_TRUE(Files.FileExists(Temp / u"file"));
  EXPECT_FALSE(Files.FolderExists(Temp / u"file"));
  EXPECT_TRUE(Files.FolderExists(Temp / u""));
  EXPECT_FALSE(Files.FileExists(Temp / u""));
  ASSERT_TRUE(Files.Delete(Temp / u"file"));
  EXPECT_FALSE(Files.FileExists(Temp / u"file"));
  EXPECT_FALSE(Files.Delete(Temp / u"file"));
}

TEST_F(FilesTest, CannotOpenForWritingWhileAnotherHandleDeniesWriting) {
  const std::u16string path = Temp / u"locked.txt";
  WriteFile(path, "x");
  EXPECT_TRUE(Files.CanOpenForWriting(path));
  {
    const unique_file holder(
        ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_FALSE(Files.CanOpenForWriting(path));
    EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
  }
  EXPECT_TRUE(Files.CanOpenForWriting(path));
  EXPECT_FALSE(Files.CanOpenForWriting(Temp / u"missing.txt"));
}

TEST(WindowsPath, FindsTheVolumePartOfAPath) {
  const struct {
    std::wstring_view Path;
    std::size_t Root;
  } cases[] = {{L"C:\\a\\b", 3},     {L"C:", 2},
               {L"C:a", 2},          {L"\\\\server\\share\\a", 15},
               {L"\\\\?\\C:\\a", 7}, {L"\\\\?\\UNC\\srv\\sh\\x", 15},
               {L"\\rooted", 1},     {L"relative\\path", 0}};
  for (const auto& c : cases)
    EXPECT_EQ(RootLength(c.Path), c.Root) << std::string(c.Path.begin(), c.Path.end());
  EXPECT_EQ(ToWindowsPath(u"C:/a/b\\c"), L"C:\\a\\b\\c");
}

}  // namespace
}  // namespace tolvane::win32
