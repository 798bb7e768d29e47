#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "Clirun.h"
#include "common/Version.h"

namespace tolvane::cli {
namespace {

TEST(CliDispatch, HelpGoesToStandardOutputAndSucceeds) {
  const TRun run = RunArgs({"--help"});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_NE(run.Out.find("Usage: tolvane-cli COMMAND"), std::string::npos);
  EXPECT_NE(run.Out.find("  version"), std::string::npos);
  EXPECT_EQ(run.Err, "");
}

TEST(CliDispatch, MissingOrUnknownCommandIsAUsageError) {
  for (const auto& args : {std::vector<std::string>{}, std::vector<std::string>{"frobnicate"}}) {
    const TRun run = RunArgs(args);
    EXPECT_EQ(run.Status, ExitUsage);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("Usage: tolvane-cli"), std::string::npos);
  }
  EXPECT_EQ(RunArgs({"frobnicate"}).Err.rfind("tolvane-cli: unknown command 'frobnicate'\n", 0), 0u);
}

TEST(CliVersion, PrintsTheBuildVersionAndRejectsArguments) {
  const std::string expected = std::string("tolvane-cli ") + TOLVANE_VERSION_TEXT + "\n";
  EXPECT_EQ(RunArgs({"version"}).Out, expected);
  EXPECT_EQ(RunArgs({"--version"}).Out, expected);
  const TRun extra = RunArgs({"version", "now"});
  EXPECT_EQ(extra.Status, ExitUsage);
  EXPECT_EQ(extra.Err, "tolvane-cli version: unexpected argument 'now'\n");
  EXPECT_EQ(RunArgs({"version", "--help"}).Status, ExitOk);
}

}  // namespace
}  // namespace tolvane::cli
