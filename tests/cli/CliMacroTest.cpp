#include <gtest/gtest.h>

#include "Clirun.h"

namespace tolvane::cli {
namespace {

TEST(CliMacro, PrintsEventsThenThePlaybackCalls) {
  // Text and keys go in separate calls, a pause stands alone, and keys left down are released at the end,
  // an extended one with its flag.
  const TRun run = RunArgs({"macro", "a\\!00e9\\11\\56\\FF\\2E\\0D\\0v"});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            "char 0061\n"
            "char 00E9\n"
            "down 11\n"
            "down 56\n"
            "pause\n"
            "down 2E ext\n"
            "down 0D\n"
            "up 0D\n"
            "keys +U+0061 -U+0061 +U+00E9 -U+00E9\n"
            "sleep 10\n"
            "keys +11 +56\n"
            "sleep 10\n"
            "sleep 100\n"
            "keys +2Ee +0D -0D\n"
            "sleep 10\n"
            "keys -11 -2Ee -56\n");
}

TEST(CliMacro, EditingFormIsStoredFirst) {
  const TRun plain = RunArgs({"macro", "a\r\nb\r\n", "--lines"});
  EXPECT_EQ(plain.Status, ExitOk);
  EXPECT_TRUE(plain.Out.starts_with("a\\0D\\0vb\\0D\\0v\nchar 0061\ndown 0D\nup 0D\nchar 0062\n"))
      << plain.Out;

  const TRun home = RunArgs({"macro", "--new-line-home", "a\nb"});
  EXPECT_EQ(home.Status, ExitOk);
  EXPECT_TRUE(home.Out.starts_with("a\\0D\\0v\\24\\2fb\nchar 0061\ndown 0D\nup 0D\ndown 24 ext\nup 24 ext\n"))
      << home.Out;
}

TEST(CliMacro, UsageErrors) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"macro"}, {"macro", "a", "b"}, {"macro", "a", "--repeat"}}) {
    const TRun run = RunArgs(args);
    EXPECT_EQ(run.Status, ExitUsage);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("Try 'tolvane-cli macro --help'"), std::string::npos);
  }
  EXPECT_TRUE(RunArgs({"macro", "--help"}).Out.starts_with("Usage: tolvane-cli macro TEXT"));
}

}  // namespace
}  // namespace tolvane::cli
