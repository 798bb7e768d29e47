#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Testsupport.h"
#include "common/Atomicwrite.h"
#include "platform/win32/Files.h"
#include "platform/win32/Windowspath.h"

// After the Windows headers.
#include <shellapi.h>

namespace tolvane::win32 {
namespace {

using platform::TFolderEntry;
using ::testing::UnorderedElementsAre;

bool IsReparsePoint(const std::u16string& path) {
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Wine 8's CreateSymbolicLinkW reports success without making a link, so success alone proves nothing.
bool MakeSymbolicLink(const std::u16string& link, const std::u16string& target) {
  // Lets a user in developer mode make links without the privilege (Windows 10 1703 and later).
  constexpr DWORD AllowUnprivileged = 0x2;
  return ::CreateSymbolicLinkW(Wide(link).c_str(), Wide(target).c_str(), AllowUnprivileged) &&
         IsReparsePoint(link);
}

// Items in the recycle bin of the path's drive (all of them under Wine); -1 when there is no bin to ask.
long long RecycleBinItems(const std::u16string& path) {
  const std::wstring windowsPath = Wide(path);
  const std::wstring root = windowsPath.substr(0, RootLength(windowsPath));
  SHQUERYRBINFO bin{};
  bin.cbSize = sizeof bin;
  return SUCCEEDED(::SHQueryRecycleBinW(root.c_str(), &bin)) ? bin.i64NumItems : -1;
}

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
  EXPECT_FALSE(Files.ReadPieces(Temp / u"missing.txt", [](std::string_view) { ADD_FAILURE(); }));
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(Files.LastError().Message.empty());
  EXPECT_NE(Files.LastError().Message.back(), u'\n');
}

// A large input is read a piece at a time: the pieces come whole and in order, an empty file gives none.
TEST_F(FilesTest, ReadsAFileInPiecesInOrder) {
  std::string bytes(2500000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(i * 13 % 253);
  WriteFile(Temp / u"pieced.bin", bytes);
  WriteFile(Temp / u"nothing.bin", "");
  for (const auto& [name, expected] :
       {std::pair<const char16_t*, const std::string*>{u"pieced.bin", &bytes}, {u"nothing.bin", nullptr}}) {
    std::string joined;
    int pieces = 0;
    EXPECT_TRUE(Files.ReadPieces(Temp / name, [&](std::string_view piece) {
      joined += piece;
      ++pieces;
    })) << Files.LastError().Code;
    EXPECT_EQ(joined, expected ? *expected : "");
    EXPECT_EQ(pieces, expected ? 3 : 0);
  }
}

// A menu file is read through a mapping: the bytes must be the file's, an empty file must read as empty
// rather than fail (it cannot be mapped), a missing one must fail with the system's reason, and the mapping
// must not outlive the content object, or the file could not be replaced or deleted afterwards.
TEST_F(FilesTest, ReadsWholeContentInPlaceAndLetsTheFileGoAfterwards) {
  std::string bytes(70000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(i * 13 % 256);
  const std::u16string path = Temp / u"content.bin";
  WriteFile(path, bytes);
  WriteFile(Temp / u"empty.bin", "");
  {
    // Held open for writing by someone else, as an editor may: reading goes on regardless.
    const unique_file writer(::CreateFileW(Wide(path).c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                           nullptr));
    ASSERT_TRUE(writer);
    const std::unique_ptr<platform::IFileContent> content = Files.ReadContent(path);
    ASSERT_NE(content, nullptr) << Files.LastError().Code;
    EXPECT_EQ(content->Bytes(), bytes);
    const std::unique_ptr<platform::IFileContent> empty = Files.ReadContent(Temp / u"empty.bin");
    ASSERT_NE(empty, nullptr) << Files.LastError().Code;
    EXPECT_TRUE(empty->Bytes().empty());
  }
  EXPECT_EQ(Files.ReadContent(Temp / u"missing.bin"), nullptr);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

  WriteFile(Temp / u"content.tmp", "replaced");
  ASSERT_TRUE(Files.Replace(path, Temp / u"content.tmp")) << Files.LastError().Code;
  EXPECT_EQ(Files.ReadAll(path), "replaced");
  EXPECT_TRUE(Files.Delete(path)) << Files.LastError().Code;
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
  EXPECT_EQ(Files.ReadContent(path), nullptr);
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

TEST_F(FilesTest, InfoTellsSizeAndLastWriteOfFilesOnly) {
  WriteFile(Temp / u"menu.TvXml", "abc");
  const std::wstring path = Wide(Temp / u"menu.TvXml");
  {
    // Dated back an hour, so the next write moves the time whatever the clock's resolution.
    const unique_file file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    FILETIME written{};
    ASSERT_TRUE(::GetFileTime(file.get(), nullptr, nullptr, &written));
    ULARGE_INTEGER earlier{{written.dwLowDateTime, written.dwHighDateTime}};
    earlier.QuadPart -= 36000000000ULL;
    written = {earlier.LowPart, earlier.HighPart};
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &written));
  }
  const std::optional<platform::TFileInfo> before = Files.Info(Temp / u"menu.TvXml");
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(before->Size, 3U);
  EXPECT_EQ(Files.Info(Temp / u"menu.TvXml"), before);
  WriteFile(Temp / u"menu.TvXml", "abcdef");
  const std::optional<platform::TFileInfo> after = Files.Info(Temp / u"menu.TvXml");
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->Size, 6U);
  EXPECT_GT(after->LastWrite, before->LastWrite);
  EXPECT_EQ(Files.Info(Temp / u"missing.TvXml"), std::nullopt);
  EXPECT_EQ(Files.Info(Temp / u""), std::nullopt);
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

TEST_F(FilesTest, OverwritesAnExistingFileFromItsStartAndCutsItToTheNewEnd) {
  const std::u16string path = Temp / u"menu.TvXml";
  WriteFile(path, "the old and longer content");
  auto writer = Files.OpenForOverwrite(path);
  ASSERT_NE(writer, nullptr);
  ASSERT_TRUE(writer->Write("new"));
  ASSERT_TRUE(writer->Flush());
  EXPECT_EQ(Files.ReadAll(path), "new old and longer content");
  ASSERT_TRUE(writer->SetEnd());
  ASSERT_TRUE(writer->Close());
  EXPECT_EQ(Files.ReadAll(path), "new");

  EXPECT_EQ(Files.OpenForOverwrite(Temp / u"missing"), nullptr);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(Files.FileExists(Temp / u"missing"));
}

TEST_F(FilesTest, AHiddenFileStaysHiddenWhenASaveReplacesIt) {
  const std::u16string path = Temp / u"hidden.ini";
  WriteFile(path, "old");
  ASSERT_TRUE(::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(WriteFileAtomically(Files, path, "new"));
  EXPECT_EQ(Files.ReadAll(path), "new");
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_FALSE(Files.FileExists(path + u".tvtmp"));
}

TEST_F(FilesTest, ASaveThroughASymbolicLinkWritesTheLinkedFile) {
  ASSERT_TRUE(Files.CreateFolder(Temp / u"real"));
  const std::u16string real = Temp / u"real\\menu.TvXml";
  const std::u16string link = Temp / u"menu.TvXml";
  WriteFile(real, "old");
  if (!MakeSymbolicLink(link, real))
    GTEST_SKIP() << "this system makes no symbolic links for this user";
  ASSERT_TRUE(WriteFileAtomically(Files, link, "new"));
  EXPECT_EQ(Files.ReadAll(real), "new");
  EXPECT_TRUE(IsReparsePoint(link));
  EXPECT_FALSE(Files.FileExists(Temp / u"menu.TvXml.tvtmp"));
}

// Under Wine a menu file can also be a Unix symbolic link, which Windows programs see as a plain file.
TEST_F(FilesTest, ASaveThroughAUnixLinkUnderWineWritesTheLinkedFile) {
  const bool wine = ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  constexpr wchar_t Ln[] = L"Z:\\bin\\ln";
  if (!wine || ::GetFileAttributesW(Ln) == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "Unix links only under Wine";
  ASSERT_TRUE(Files.CreateFolder(Temp / u"real"));
  ASSERT_TRUE(Files.CreateFolder(Temp / u"links"));
  const std::u16string real = Temp / u"real\\menu.TvXml";
  const std::u16string link = Temp / u"links\\menu.TvXml";
  WriteFile(real, "old");
  std::wstring command = L"ln -s ../real/menu.TvXml menu.TvXml";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(::CreateProcessW(Ln, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               Wide(Temp / u"links").c_str(), &startup, &process));
  const unique_handle processHandle(process.hProcess);
  const unique_handle threadHandle(process.hThread);
  ASSERT_TRUE(testing::PumpUntil([&] { return Files.FileExists(link); }, 10000));

  ASSERT_TRUE(WriteFileAtomically(Files, link, "new"));
  EXPECT_EQ(Files.ReadAll(real), "new");
  // Still a link: what the file gets next shows through it.
  WriteFile(real, "later");
  EXPECT_EQ(Files.ReadAll(link), "later");
  const std::vector<TFolderEntry> onlyTheLink{{u"menu.TvXml", false}};
  EXPECT_EQ(Files.List(Temp / u"links"), onlyTheLink);
}

TEST_F(FilesTest, FinalPathKeepsThePathOfAPlainOrMissingFile) {
  const std::u16string path = Temp / u"plain.txt";
  WriteFile(path, "x");
  EXPECT_EQ(Files.FinalPath(path), path);
  EXPECT_EQ(Files.FinalPath(Temp / u"missing.txt"), Temp / u"missing.txt");
}

TEST_F(FilesTest, TemporaryFilesAreNewFilesInTheTemporaryFolder) {
  auto first = Files.CreateTemporary(u"menu.TvXml.");
  auto second = Files.CreateTemporary(u"menu.TvXml.");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->Path, second->Path);
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
  EXPECT_TRUE(first->Path.starts_with(Narrow16(std::wstring_view(folder, length)) + u"menu.TvXml."));
  ASSERT_TRUE(first->Writer->Write("backup"));
  ASSERT_TRUE(first->Writer->Close());
  ASSERT_TRUE(second->Writer->Close());
  EXPECT_EQ(Files.ReadAll(first->Path), "backup");
  EXPECT_TRUE(Files.Delete(first->Path));
  EXPECT_TRUE(Files.Delete(second->Path));
}

TEST_F(FilesTest, ARefusalIsAccessDeniedButAMissingFolderIsNot) {
  const std::u16string path = Temp / u"readonly.ini";
  WriteFile(path, "old");
  WriteFile(Temp / u"readonly.ini.tvtmp", "new");
  ASSERT_TRUE(::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(Files.Replace(path, Temp / u"readonly.ini.tvtmp"));
  EXPECT_TRUE(Files.IsAccessDenied(Files.LastError())) << Files.LastError().Code;
  ASSERT_TRUE(::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(Files.ReadAll(path), "old");
  EXPECT_EQ(Files.Create(Temp / u"missing\\new.ini"), nullptr);
  EXPECT_FALSE(Files.IsAccessDenied(Files.LastError())) << Files.LastError().Code;
}

// One case for both paths: two recycling tests run side by side (ctest -j) would each count the other's item
// in the bin. The shell deletes a file named by a relative path for good, ignoring the request to keep it
// recoverable, so the relative path is tried as well as the full one.
TEST_F(FilesTest, RecycleMovesAFileNamedByAFullOrARelativePathIntoTheRecycleBin) {
  const std::u16string path = Temp / u"recycled menu.TvXml";
  WriteFile(path, "menu");
  const long long before = RecycleBinItems(path);
  ASSERT_GE(before, 0) << "the temporary folder's drive has no recycle bin";
  EXPECT_EQ(Files.Recycle(path), platform::TRecycleResult::Recycled) << Files.LastError().Code;
  EXPECT_FALSE(Files.FileExists(path));
  EXPECT_EQ(RecycleBinItems(path), before + 1) << "in the bin, not deleted for good";

  ASSERT_TRUE(Files.CreateFolder(Temp / u"sub"));
  const std::u16string relative = Temp / u"sub\\relative.TvXml";
  WriteFile(relative, "menu");
  ASSERT_TRUE(::SetCurrentDirectoryW(Wide(Temp / u"").c_str()));
  const platform::TRecycleResult result = Files.Recycle(u"sub/relative.TvXml");
  // The temporary folder cannot be removed at the end while it is the current folder.
  ::SetCurrentDirectoryW(Temp.Path().parent_path().c_str());
  EXPECT_EQ(result, platform::TRecycleResult::Recycled) << Files.LastError().Code;
  EXPECT_FALSE(Files.FileExists(relative));
  EXPECT_EQ(RecycleBinItems(relative), before + 2) << "in the bin, not deleted for good";
}

TEST_F(FilesTest, RecycleFailsForAMissingFileAndLeavesAFolderAlone) {
  EXPECT_EQ(Files.Recycle(Temp / u"missing.TvXml"), platform::TRecycleResult::Failed);
  EXPECT_EQ(Files.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(Files.LastError().Message.empty());
  ASSERT_TRUE(Files.CreateFolder(Temp / u"folder"));
  EXPECT_EQ(Files.Recycle(Temp / u"folder"), platform::TRecycleResult::Failed);
  EXPECT_TRUE(Files.FolderExists(Temp / u"folder"));
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
