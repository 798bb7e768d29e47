#include <gtest/gtest.h>

#include <string>

#include "Clirun.h"

namespace tolvane::cli {
namespace {

const std::string Menu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<TolvaneDataFile ver=\"1.0.0.0\">\r\n"
    "  <Name>Work</Name>\r\n"
    "  <Item Type=\"2\" Img=\"3\">\r\n"
    "    <Name>Texts</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\">\r\n"
    "      <Name>Greeting</Name>\r\n"
    "      <Code>Hello &amp; welcome</Code>\r\n"
    "    </Item>\r\n"
    "    <Item Type=\"2\" Img=\"0\"><Name>Deeper</Name><Item Type=\"6\" Img=\"2\"><Name>Two\r\nlines "
    "\xC3\xA6</Name></Item></Item>\r\n"
    "  </Item>\r\n"
    "  <Item Type=\"2\" Img=\"1\"><Name>Links</Name><Item Type=\"4\" Img=\"1\"><Name>Site</Name>"
    "<Url>https://example.org</Url></Item></Item>\r\n"
    "</TolvaneDataFile>";

class CliMenu : public ::testing::Test {
 protected:
  TTempFolder Folder;
};

TEST_F(CliMenu, CheckCountsEveryItemBelowTheRoot) {
  const TRun run = RunArgs({"menu", "check", Folder.Write("work.TvXml", Menu)});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "ok 6 items\n");
  EXPECT_EQ(run.Err, "");
}

TEST_F(CliMenu, CheckPrintsTheProgramsLoadErrorText) {
  struct TCase {
    std::string Bytes;
    std::string Expected;
  };
  const TCase cases[] = {
      {"<TolvaneDataFile><Name>x</Name>", "Illigal XML\n"},
      {"<Other><Name>x</Name></Other>", "The file is not a Tolvane Data File\n"},
      {"<TolvaneDataFile><Item Type='two' Img='1'/></TolvaneDataFile>",
       "'two' is not a valid integer value\n"},
  };
  for (const TCase& c : cases) {
    const TRun run = RunArgs({"menu", "check", Folder.Write("bad.TvXml", c.Bytes)});
    EXPECT_EQ(run.Status, ExitStopped) << c.Bytes;
    EXPECT_EQ(run.Out, c.Expected) << c.Bytes;
    EXPECT_EQ(run.Err, "") << c.Bytes;
  }
}

TEST_F(CliMenu, ListShowsDepthTypeAndNameInMenuOrder) {
  const TRun run = RunArgs({"menu", "list", Folder.Write("work.TvXml", Menu)});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out,
            "2 Texts\n"
            "  0 Greeting\n"
            "  2 Deeper\n"
            "    6 Two\\r\\nlines \xC3\xA6\n"
            "2 Links\n"
            "  4 Site\n");
}

TEST_F(CliMenu, NormalizeWritesTheProgramsLayoutAndKeepsTheTree) {
  const std::string in = Folder.Write("in.TvXml", Menu);
  const std::string out = Folder.PathOf("out.TvXml");
  const TRun run = RunArgs({"menu", "normalize", in, out});
  ASSERT_EQ(run.Status, ExitOk) << run.Err;
  EXPECT_EQ(run.Out + run.Err, "");
  const std::string written = Folder.Read("out.TvXml");
  EXPECT_TRUE(written.starts_with("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
  EXPECT_NE(written.find("    <Item Type=\"2\" Img=\"0\">\r\n      <Name>Deeper</Name>\r\n"),
            std::string::npos);
  EXPECT_EQ(RunArgs({"menu", "list", out}).Out, RunArgs({"menu", "list", in}).Out);
  // Normalizing is idempotent: a second pass gives the same bytes.
  ASSERT_EQ(RunArgs({"menu", "normalize", out, Folder.PathOf("again.TvXml")}).Status, ExitOk);
  EXPECT_EQ(Folder.Read("again.TvXml"), written);
}

TEST_F(CliMenu, NormalizeReportsAFailedSaveAndALoadError) {
  const std::string in = Folder.Write("in.TvXml", Menu);
  const TRun unwritable = RunArgs({"menu", "normalize", in, Folder.PathOf("no/such/folder/out.TvXml")});
  EXPECT_EQ(unwritable.Status, ExitStopped);
  EXPECT_TRUE(unwritable.Err.starts_with("Save File Error: ")) << unwritable.Err;

  const TRun broken = RunArgs(
      {"menu", "normalize", Folder.Write("bad.TvXml", "<TolvaneDataFile>"), Folder.PathOf("out.TvXml")});
  EXPECT_EQ(broken.Status, ExitStopped);
  EXPECT_EQ(broken.Out, "");
  EXPECT_NE(broken.Err, "");
  EXPECT_EQ(Folder.Read("out.TvXml"), "");
}

TEST_F(CliMenu, FileAndUsageErrorsExitWithTwo) {
  const std::string missing = Folder.PathOf("missing.TvXml");
  const TRun noFile = RunArgs({"menu", "check", missing});
  EXPECT_EQ(noFile.Status, ExitUsage);
  EXPECT_TRUE(noFile.Err.starts_with("tolvane-cli menu check: cannot read '" + missing + "'")) << noFile.Err;
  EXPECT_EQ(noFile.Out, "");

  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"menu"},
           {"menu", "frobnicate", "x"},
           {"menu", "check"},
           {"menu", "check", "a", "b"},
           {"menu", "list", "--verbose", "a"},
           {"menu", "normalize", "a"},
       }) {
    const TRun run = RunArgs(args);
    EXPECT_EQ(run.Status, ExitUsage) << args.back();
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("Try 'tolvane-cli menu"), std::string::npos) << run.Err;
  }
  const TRun help = RunArgs({"menu", "--help"});
  EXPECT_EQ(help.Status, ExitOk);
  EXPECT_TRUE(help.Out.starts_with("Usage: tolvane-cli menu check FILE\n"));
}

}  // namespace
}  // namespace tolvane::cli
