#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../cli/Clirun.h"
#include "Testsupport.h"
#include "cli/Cli.h"
#include "common/Unicode.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {
namespace {

// Standard input that --system must not read.
cli::TRun RunCli(const std::vector<std::string>& args) {
  return cli::RunArgs(args, "standard input");
}

std::string WriteScript(const testing::TTempFolder& folder, const std::string& script) {
  const std::u16string path = folder / u"script.txt";
  std::ofstream(std::filesystem::path(Wide(path)), std::ios::binary) << script;
  return Utf16ToUtf8(path);
}

TEST(CliSystem, ModifyRewritesTheRealClipboard) {
  testing::TTempFolder folder;
  const std::string script =
      WriteScript(folder, "Replace( 'a', 'o' )\nAddEnd( ' \xC3\xA9' )\nSaveToClipboard()\n");
  ASSERT_TRUE(testing::WriteRawClipboardText(L"banana\r\ncat"));
  const cli::TRun run = RunCli({"modify", script, "--system", "--now", "2024-03-05T14:07:09"});
  EXPECT_EQ(run.Status, cli::ExitOk);
  EXPECT_EQ(run.Out, "");  // the result is on the clipboard; standard input was not read either
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(testing::ReadRawClipboardText(), L"bonono \u00E9\r\ncot \u00E9");
}

TEST(CliSystem, ModifyShowsMessagesOnStandardErrorAndReportsAStop) {
  testing::TTempFolder folder;
  const std::string script =
      WriteScript(folder, "UpperCaseAll()\r\nSaveToClipboard()\r\nNoSuchFunction()\r\n");
  ASSERT_TRUE(testing::WriteRawClipboardText(L"quiet"));
  const cli::TRun run = RunCli({"modify", script, "--system"});
  EXPECT_EQ(run.Status, cli::ExitStopped);
  EXPECT_EQ(run.Err, "Function Error !: Call to Unknown Function:\\r\\nNoSuchFunction()\n");
  EXPECT_EQ(testing::ReadRawClipboardText(), L"QUIET");
}

TEST(CliSystem, ModifyRejectsOptionsThatNeedThePrivateClipboard) {
  testing::TTempFolder folder;
  const std::string script = WriteScript(folder, "SaveToClipboard()\n");
  const struct {
    std::string Option;
    std::string Message;
  } cases[] = {{"--input", "--system reads the real clipboard; it cannot take --input"},
               {"--trace", "--system acts on the real desktop; it cannot take --trace"},
               {"--virtual-time", "--system runs on real time; it cannot take --virtual-time"}};
  for (const auto& c : cases) {
    std::vector<std::string> args = {"modify", script, "--system", c.Option};
    if (c.Option != "--virtual-time")
      args.push_back(Utf16ToUtf8(folder / u"file.txt"));
    const cli::TRun run = RunCli(args);
    EXPECT_EQ(run.Status, cli::ExitUsage);
    EXPECT_EQ(run.Err, "tolvane-cli modify: " + c.Message + "\nTry 'tolvane-cli modify --help'.\n");
  }
}

TEST(CliSystem, ModifyTakesPosixAndWindowsLocaleNames) {
  testing::TTempFolder folder;
  const std::string script =
      WriteScript(folder, "Sort( 'No', 'No' )\nCurrentDateTimeInsertTop( 'dddd mmmm' )\nSaveToClipboard()\n");
  for (const std::string locale : {"da_DK.UTF-8", "da-DK"}) {
    std::istringstream in("zebra\r\n\xC3\xA5l\r\nabe");
    std::ostringstream out, err;
    const int status =
        cli::RunCli({"modify", script, "--locale", locale, "--now", "2024-03-05T00:00:00"}, {in, out, err});
    EXPECT_EQ(status, cli::ExitOk) << err.str();
    EXPECT_EQ(out.str(), "tirsdag marts\r\nabe\r\nzebra\r\n\xC3\xA5l");
  }
  const cli::TRun unknown = RunCli({"modify", script, "--locale", "xx_YY"});
  EXPECT_EQ(unknown.Status, cli::ExitUsage);
  EXPECT_EQ(unknown.Err, "tolvane-cli modify: unknown locale 'xx_YY'\nTry 'tolvane-cli modify --help'.\n");
}

}  // namespace
}  // namespace tolvane::win32
