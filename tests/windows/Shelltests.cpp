#include <gtest/gtest.h>

#include "Testsupport.h"
#include "platform/win32/Files.h"
#include "platform/win32/Shell.h"

namespace tolvane::win32 {
namespace {

TEST(Shell, RunsAProgramWithItsParametersInTheWorkingFolder) {
  testing::TTempFolder temp;
  platform::TShellOpenRequest request;
  request.File = u"cmd.exe";
  request.Parameters = u"/c echo started>started.txt";
  request.Directory = Narrow16(temp.Path().wstring());
  request.Show = platform::TShowCommand::Hide;
  TShell shell;
  ASSERT_TRUE(shell.Open(request)) << shell.LastError().Code;
  TFiles files;
  EXPECT_TRUE(testing::PumpUntil([&] { return files.FileExists(temp / u"started.txt"); }, 20000));
}

TEST(Shell, ReportsAMissingFile) {
  testing::TTempFolder temp;
  platform::TShellOpenRequest request;
  request.File = temp / u"missing.exe";
  TShell shell;
  EXPECT_FALSE(shell.Open(request));
  EXPECT_EQ(shell.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(shell.LastError().Message.empty());
}

}  // namespace
}  // namespace tolvane::win32
