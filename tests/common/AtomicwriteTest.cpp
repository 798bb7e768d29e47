#include "common/Atomicwrite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativefiles.h"
#include "platform/recording/Memoryfiles.h"

namespace tolvane {
namespace {

using recording::TFileOperation;

constexpr char16_t Folder[] = u"C:\\Data";
constexpr char16_t Target[] = u"C:\\Data\\menu.TvXml";
constexpr char16_t Temporary[] = u"C:\\Data\\menu.TvXml.tvtmp";
const platform::TSystemError DiskFull{112, u"There is not enough space on the disk."};

class AtomicWriteTest : public ::testing::Test {
 protected:
  void SetUp() override { Files.AddFile(Target, "old"); }

  recording::TMemoryFiles Files;
};

TEST_F(AtomicWriteTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  platform::TSystemError error{99, u"untouched"};
  ASSERT_TRUE(WriteFileAtomically(Files, Target, "new", &error));
  EXPECT_EQ(Files.Content(Target), "new");
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{Target});
  EXPECT_EQ(Files.Calls(TFileOperation::Flush), 1u);
}

TEST_F(AtomicWriteTest, CreatesAMissingTarget) {
  ASSERT_TRUE(WriteFileAtomically(Files, u"C:\\Data\\fresh.ini", "x"));
  EXPECT_EQ(Files.Content(u"c:/data/FRESH.ini"), "x");
  EXPECT_FALSE(Files.FileExists(u"C:\\Data\\fresh.ini.tvtmp"));
}

TEST_F(AtomicWriteTest, AFailureAtAnyStepKeepsTheOldFileAndRemovesTheTemporary) {
  for (const TFileOperation step : {TFileOperation::Create, TFileOperation::Write, TFileOperation::Flush,
                                    TFileOperation::Close, TFileOperation::Replace}) {
    SCOPED_TRACE(static_cast<int>(step));
    recording::TMemoryFiles files;
    files.AddFile(Target, "old");
    files.FailCall(step, 1, DiskFull);
    platform::TSystemError error;
    EXPECT_FALSE(WriteFileAtomically(files, Target, "new", &error));
    EXPECT_EQ(error, DiskFull);
    EXPECT_EQ(files.Content(Target), "old");
    EXPECT_FALSE(files.FileExists(Temporary));
    EXPECT_EQ(files.Calls(TFileOperation::Read), 0u) << "only a refusal leads to writing in place";
  }
}

TEST_F(AtomicWriteTest, ReportsAFailureWithoutAnErrorSlot) {
  Files.FailCall(TFileOperation::Replace, 1, {5, u"Access is denied."});
  EXPECT_FALSE(WriteFileAtomically(Files, Target, "new"));
  EXPECT_EQ(Files.Content(Target), "old");
}

TEST_F(AtomicWriteTest, ALinkStaysALinkAndTheFileItLeadsToGetsTheContent) {
  Files.AddLink(u"C:\\Links\\menu.TvXml", Target);
  // A temporary file beside the link would be refused; the one beside the linked file is not.
  Files.SetRefusesNewFiles(u"C:\\Links", true);
  ASSERT_TRUE(WriteFileAtomically(Files, u"C:\\Links\\menu.TvXml", "new"));
  EXPECT_EQ(Files.LinkTarget(u"C:\\Links\\menu.TvXml"), Target);
  EXPECT_EQ(Files.Content(Target), "new");
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{Target});
  EXPECT_EQ(Files.Calls(TFileOperation::Read), 0u);
}

// A folder that refuses new files, holding a menu whose old content is longer than the new one, so a rewrite
// that forgot to cut the file would show.
class InPlaceWriteTest : public ::testing::Test {
 protected:
  static constexpr std::string_view OldContent = "the old content, longer than the new";
  static constexpr std::string_view NewContent = "new";

  void SetUp() override { Refusing(Files); }

  static void Refusing(recording::TMemoryFiles& files) {
    files.AddFile(Target, OldContent);
    files.SetRefusesNewFiles(Folder, true);
  }

  // The backups in the temporary folder.
  static std::vector<std::u16string> Backups(const recording::TMemoryFiles& files) {
    std::vector<std::u16string> backups;
    for (const std::u16string& path : files.FilePaths()) {
      if (path.starts_with(recording::TMemoryFiles::TemporaryFolder))
        backups.push_back(path);
    }
    return backups;
  }

  recording::TMemoryFiles Files;
};

// The refused temporary file; the old content read and backed up; the target rewritten from its start, cut
// and flushed; the backup removed.
const std::vector<TFileOperation> InPlaceProtocol{
    TFileOperation::Create, TFileOperation::Read,  TFileOperation::Create, TFileOperation::Write,
    TFileOperation::Flush,  TFileOperation::Close, TFileOperation::Create, TFileOperation::Write,
    TFileOperation::Write,  TFileOperation::Flush, TFileOperation::Close,  TFileOperation::Delete};

TEST_F(InPlaceWriteTest, RewritesTheTargetAfterBackingItUp) {
  platform::TSystemError error{99, u"untouched"};
  ASSERT_TRUE(WriteFileAtomically(Files, Target, NewContent, &error));
  EXPECT_EQ(Files.Content(Target), NewContent);
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{Target});
  EXPECT_EQ(Files.CallLog(), InPlaceProtocol);
  EXPECT_EQ(error.Code, 99u);
}

TEST_F(InPlaceWriteTest, AFailureAtAnyStepPutsTheOldContentBack) {
  for (std::size_t step = 1; step + 1 < InPlaceProtocol.size(); ++step) {
    const TFileOperation operation = InPlaceProtocol[step];
    const auto nth = static_cast<std::size_t>(std::count(
        InPlaceProtocol.begin(), InPlaceProtocol.begin() + static_cast<std::ptrdiff_t>(step) + 1, operation));
    SCOPED_TRACE("step " + std::to_string(step));
    recording::TMemoryFiles files;
    Refusing(files);
    files.FailCall(operation, nth, DiskFull);
    platform::TSystemError error;
    EXPECT_FALSE(WriteFileAtomically(files, Target, NewContent, &error));
    EXPECT_EQ(error, DiskFull);
    EXPECT_EQ(files.Content(Target), OldContent);
    EXPECT_EQ(files.FilePaths(), std::vector<std::u16string>{Target});
  }
}

TEST_F(InPlaceWriteTest, ABackupThatCannotBeRemovedStaysBehindAndTheSaveCounts) {
  Files.FailCall(TFileOperation::Delete, 1, DiskFull);
  ASSERT_TRUE(WriteFileAtomically(Files, Target, NewContent));
  EXPECT_EQ(Files.Content(Target), NewContent);
  const std::vector<std::u16string> backups = Backups(Files);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(
      backups[0].starts_with(std::u16string(recording::TMemoryFiles::TemporaryFolder) + u"\\menu.TvXml."));
  EXPECT_EQ(Files.Content(backups[0]), OldContent);
}

TEST_F(InPlaceWriteTest, WhenTheOldContentCannotBePutBackTheBackupStaysAndTheMessageNamesIt) {
  Files.FailCall(TFileOperation::Flush, 2, DiskFull);                    // the rewritten target
  Files.FailCall(TFileOperation::Create, 4, {5, u"Access is denied."});  // reopening it to restore
  platform::TSystemError error;
  EXPECT_FALSE(WriteFileAtomically(Files, Target, NewContent, &error));
  const std::vector<std::u16string> backups = Backups(Files);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(Files.Content(backups[0]), OldContent);
  EXPECT_EQ(error.Code, DiskFull.Code);
  EXPECT_EQ(error.Message, DiskFull.Message + u"\r\nThe previous content is kept in " + backups[0] + u".");
}

TEST_F(InPlaceWriteTest, IsTakenOnlyForAnExistingTargetThatCanBeWritten) {
  platform::TSystemError error;
  EXPECT_FALSE(WriteFileAtomically(Files, u"C:\\Data\\fresh.ini", "x", &error));
  EXPECT_EQ(error.Code, 5u);
  EXPECT_FALSE(Files.FileExists(u"C:\\Data\\fresh.ini"));

  Files.SetLockedByOtherProgram(Target, true);
  EXPECT_FALSE(WriteFileAtomically(Files, Target, NewContent, &error));
  EXPECT_EQ(error.Code, 5u) << "the refusal of the temporary file is what the user learns";
  EXPECT_EQ(Files.Content(Target), OldContent);
  EXPECT_EQ(Files.Calls(TFileOperation::Read), 0u);
}

TEST_F(InPlaceWriteTest, FollowsALinkToTheFileInTheRefusingFolder) {
  Files.AddLink(u"C:\\Links\\menu.TvXml", Target);
  ASSERT_TRUE(WriteFileAtomically(Files, u"C:\\Links\\menu.TvXml", NewContent));
  EXPECT_EQ(Files.Content(Target), NewContent);
  EXPECT_EQ(Files.LinkTarget(u"C:\\Links\\menu.TvXml"), Target);
}

// The same through the real Linux file system, with real symbolic links.
class NativeAtomicWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-atomic-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    Root = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(Root); }

  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path Root;
  native::TNativeFiles Files;
};

TEST_F(NativeAtomicWriteTest, SavingThroughASymbolicLinkWritesTheLinkedFile) {
  std::filesystem::create_directories(Root / "real");
  std::filesystem::create_directories(Root / "links");
  std::ofstream(Root / "real" / "menu.TvXml") << "old";
  std::filesystem::create_symlink("../real/menu.TvXml", Root / "links" / "menu.TvXml");

  ASSERT_TRUE(WriteFileAtomically(Files, Utf8ToUtf16((Root / "links" / "menu.TvXml").string()), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(Root / "links" / "menu.TvXml"));
  EXPECT_EQ(std::filesystem::read_symlink(Root / "links" / "menu.TvXml"), "../real/menu.TvXml");
  EXPECT_EQ(Read(Root / "real" / "menu.TvXml"), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Root / "real"), {}), 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Root / "links"), {}), 1);
}

}  // namespace
}  // namespace tolvane
