#include "common/Atomicwrite.h"

#include <gtest/gtest.h>

#include "platform/recording/Memoryfiles.h"

namespace tolvane {
namespace {

using recording::TFileOperation;

constexpr char16_t Target[] = u"C:\\Data\\menu.TvXml";
constexpr char16_t Temporary[] = u"C:\\Data\\menu.TvXml.tvtmp";

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
    const platform::TSystemError injected{112, u"There is not enough space on the disk."};
    files.FailCall(step, 1, injected);
    platform::TSystemError error;
    EXPECT_FALSE(WriteFileAtomically(files, Target, "new", &error));
    EXPECT_EQ(error, injected);
    EXPECT_EQ(files.Content(Target), "old");
    EXPECT_FALSE(files.FileExists(Temporary));
  }
}

TEST_F(AtomicWriteTest, ReportsAFailureWithoutAnErrorSlot) {
  Files.FailCall(TFileOperation::Replace, 1, {5, u"Access is denied."});
  EXPECT_FALSE(WriteFileAtomically(Files, Target, "new"));
  EXPECT_EQ(Files.Content(Target), "old");
}

}  // namespace
}  // namespace tolvane
