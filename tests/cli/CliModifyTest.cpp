#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Clirun.h"

namespace tolvane::cli {
namespace {

struct TModifyRun {
  int Status;
  std::string Out;
  std::string Err;
  std::string Trace;
};

// Runs the script on the input with a trace and virtual time plus the extra arguments.
TModifyRun Modify(const std::string& script, const std::string& input, std::vector<std::string> extra = {}) {
  TTempFolder folder;
  std::vector<std::string> args = {"modify", folder.Write("script.txt", script), "--trace",
                                   folder.PathOf("trace.txt"), "--virtual-time"};
  args.insert(args.end(), extra.begin(), extra.end());
  const TRun run = RunArgs(args, input);
  return {run.Status, run.Out, run.Err, folder.Read("trace.txt")};
}

std::string Repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += line;
  return text;
}

TEST(CliModify, HelpDescribesTheInterface) {
  const TRun run = RunArgs({"modify", "--help"});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out.rfind("Usage: tolvane-cli modify SCRIPT [--input FILE] [--trace FILE] [--now TIME]", 0),
            0u);
  for (const char* option : {"--input FILE", "--trace FILE", "--now TIME", "--locale NAME", "--virtual-time",
                             "--system", "keys R R ...", "message \"CAPTION\" \"TEXT\""})
    EXPECT_NE(run.Out.find(option), std::string::npos) << option;
}

TEST(CliModify, ClipboardFunctionsAreTracedAndTheFinalClipboardIsTheOutput) {
  const TModifyRun run = Modify(
      "UpperCaseAll()\r\nSaveToClipboard()\r\nReloadClipboardData()\r\nAddEnd( '.' )\r\nPaste()\r\n"
      "RemoveFormatting()\r\nClear()\r\nSaveToClipboard()\r\nClearClipboard()\r\nLoadFromClipboard()\r\n"
      "Paste()\r\n",
      "one\r\ntwo");
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "");  // cleared
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Trace,
            "clipboard \"ONE\\r\\nTWO\"\n"
            "sleep 50\n"
            "clipboard \"one.\\r\\ntwo.\"\n"
            "keys +11 +56 -56 -11\n"
            "clipboard \"one.\\r\\ntwo.\"\n"
            "clipboard-clear\n"
            "sleep 50\n"
            "keys +11 +56 -56 -11\n");
}

TEST(CliModify, TypingFunctionsSendOneBatchPerLineOrPress) {
  const TModifyRun run = Modify(
      "PasteAfterLines()\nPasteBeforeLines()\nPasteAsLines( 'Yes' )\nPasteAsBlock()\n"
      "SendKeyboardCombinaton( '\\11\\24\\2f\\1cx\\FF' )\nSleep( '3' )\n",
      "ab\r\nc");
  const std::string typeAb = "keys +U+0061 -U+0061 +U+0062 -U+0062\n";
  const std::string typeC = "keys +U+0063 -U+0063\n";
  const std::string end = "keys +23 -23\n", home = "keys +24 -24\n", down = "keys +28 -28\n",
                    enter = "keys +0D -0D\n", left = "keys +25 -25\n";
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "ab\r\nc");  // typing leaves the clipboard alone
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Trace, end + typeAb + down + end + typeC + down + end +         //
                           home + typeAb + down + home + typeC + down + home +  //
                           typeAb + enter + home + typeC + enter + home +       //
                           typeAb + left + left + down + typeC + left + down +  //
                           "keys +11 +24e -24e -11\nsleep 10\nkeys +U+0078 -U+0078\nsleep 10\nsleep 100\n"
                           "sleep 300\n");
}

TEST(CliModify, CopyFunctionsWaitTheirFullTimeWhenNothingCopies) {
  // Change reports already queued are handled first (the wait of 0), then polls for 2000 ms.
  const std::string wait = Repeated("sleep 20\n", 100);
  const TModifyRun run =
      Modify("Copy_Ctrl_C_ToClipboard()\nCopy_Ctrl_Insert_ToClipboard()\nSaveToClipboard()\n", "kept");
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "kept");
  EXPECT_EQ(run.Trace, "sleep 0\nkeys +11 +43 -43 -11\n" + wait + "sleep 0\nkeys +11 +2De -2De -11\n" + wait +
                           "clipboard \"kept\"\n");
}

TEST(CliModify, DateFunctionsUseTheFixedTime) {
  const TModifyRun run = Modify(
      "CurrentDateTimeType( 'dd\\mm' )\nCurrentDateTimePaste( 'yyyy-mm-dd hh:nn:ss.zzz' )\n"
      "CurrentDateTimeInsertTop( 'ddd' )\nCurrentDateTimeInsertBottom( 'a/p' )\nSaveToClipboard()\n",
      "", {"--now", "2024-03-05T14:07:09.250", "--locale", "en_US"});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "Tue\r\n2024-03-05 14:07:09.250\r\np\r\n");
  EXPECT_EQ(run.Trace,
            "keys +U+0030 -U+0030 +U+0035 -U+0035 +U+005C -U+005C +U+0030 -U+0030 +U+0033 -U+0033\n"
            "sleep 10\n"
            "sleep 50\n"
            "clipboard \"2024-03-05 14:07:09.250\\r\\n\"\n"
            "keys +11 +56 -56 -11\n"
            "clipboard \"Tue\\r\\n2024-03-05 14:07:09.250\\r\\np\\r\\n\"\n");
}

TEST(CliModify, LocaleDecidesDateNamesAndSortOrder) {
  const std::string script =
      "Sort( 'No', 'No' )\nCurrentDateTimeInsertTop( 'dddd d mmmm' )\nSaveToClipboard()\n";
  const std::string input = "zebra\r\n\xC3\xA5l\r\nabe";  // "ål" sorts after z in Danish only
  const std::vector<std::string> now = {"--now", "2024-03-05T00:00:00"};
  const TModifyRun danish = Modify(script, input, {"--locale", "da_DK", now[0], now[1]});
  const TModifyRun english = Modify(script, input, {"--locale", "en_US.UTF-8", now[0], now[1]});
  EXPECT_EQ(danish.Status, ExitOk);
  EXPECT_EQ(english.Status, ExitOk);
  EXPECT_EQ(danish.Out, "tirsdag 5 marts\r\nabe\r\nzebra\r\n\xC3\xA5l");
  EXPECT_EQ(english.Out, "Tuesday 5 March\r\nabe\r\n\xC3\xA5l\r\nzebra");
}

TEST(CliModify, MessagesGoToStandardErrorAndTheRunGoesOn) {
  const TModifyRun run =
      Modify("InsertVAR_AfterWord( '1', ' ', '1' )\nAddFront( '>' )\nSaveToClipboard()\n", "x");
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, ">x");
  EXPECT_EQ(run.Err, "Function Error: No VAR's or to few VAR's are loaded\n");
  EXPECT_EQ(run.Trace,
            "message \"Function Error\" \"No VAR's or to few VAR's are loaded\"\n"
            "clipboard \">x\"\n");
}

TEST(CliModify, AStoppedRunExitsOneAndStillWritesItsTrace) {
  const TModifyRun run =
      Modify("AddEnd( '!' )\nSaveToClipboard()\nNoSuchFunction()\nClearClipboard()\n", "a\"b");
  EXPECT_EQ(run.Status, ExitStopped);
  EXPECT_EQ(run.Out, "a\"b!");
  EXPECT_EQ(run.Err, "Function Error !: Call to Unknown Function:\\r\\nNoSuchFunction()\n");
  EXPECT_EQ(run.Trace,
            "clipboard \"a\\\"b!\"\n"
            "message \"Function Error !\" \"Call to Unknown Function:\\r\\nNoSuchFunction()\"\n");
}

TEST(CliModify, ScriptAndInputAreDecodedAsUtf8) {
  // The script's byte order mark is skipped, LF-only lines work, and a template keeps its CR LF.
  const std::string script =
      "\xEF\xBB\xBF"
      "ApplyToThisTemplateBegin( 'No' )\n<[LINE]>\n[WORD1]\nApplyToThisTemplateEnd()\nSaveToClipboard()\n";
  // The input is the clipboard's text exactly: its byte order mark and lone LF stay, a bad byte is U+FFFD.
  const TModifyRun run = Modify(script, "\xEF\xBB\xBFq\xFFz w\nv");
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out, "<\xEF\xBB\xBFq\xEF\xBF\xBDz w\nv>\r\n\xEF\xBB\xBFq\xEF\xBF\xBDz");
}

TEST(CliModify, AScriptWithoutDeliveryLeavesTheInputAsItIs) {
  std::vector<std::string> inputs = {"", "line\r\n", "\xF0\x9F\x98\x80 two\r\n\r\n"};
  // Long outputs are written in pieces; a surrogate pair around each likely piece boundary stays whole.
  for (const std::size_t before : {4095, 4096, 65535, 65536, 65537})
    inputs.push_back(std::string(before, 'a') + "\xF0\x9F\x98\x80z");
  for (const std::string& input : inputs) {
    const TModifyRun run = Modify("\r\nUpperCaseAll()\n\n", input);
    EXPECT_EQ(run.Status, ExitOk);
    EXPECT_EQ(run.Out, input);
    EXPECT_EQ(run.Trace, "");
  }
}

TEST(CliModify, ReadsTheInputFileInsteadOfStandardInput) {
  TTempFolder folder;
  const TRun run = RunArgs({"modify", folder.Write("s.txt", "AddEnd( '+' )\nSaveToClipboard()"), "--input",
                            folder.Write("in.txt", "from file")},
                           "from stdin");
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "from file+");
}

// Input larger than one read is decoded as it arrives: characters cut by a read's end, from a file or from
// standard input, come out whole, and a bad byte there is one U+FFFD as anywhere else.
TEST(CliModify, InputReadInPiecesComesOutWhole) {
  constexpr std::size_t Piece = std::size_t{1} << 20;
  std::string input(3 * Piece, 'a');
  input.replace(Piece - 2, 4, "\xF0\x9F\x98\x80");
  input.replace(2 * Piece - 1, 3, "\xE2\x82\xAC");
  input[3 * Piece - 1] = '\xC3';
  const std::string expected = input.substr(0, input.size() - 1) + "\xEF\xBF\xBD";
  TTempFolder folder;
  const std::string script = folder.Write("s.txt", "SaveToClipboard()");
  const TRun fromFile = RunArgs({"modify", script, "--input", folder.Write("in.txt", input)});
  const TRun fromStdin = RunArgs({"modify", script}, input);
  for (const TRun& run : {fromFile, fromStdin}) {
    EXPECT_EQ(run.Status, ExitOk);
    EXPECT_TRUE(run.Out == expected) << "output differs, " << run.Out.size() << " bytes";
  }
}

TEST(CliModify, SleepsReallyWaitWithoutVirtualTime) {
  TTempFolder folder;
  const auto start = std::chrono::steady_clock::now();
  const TRun run =
      RunArgs({"modify", folder.Write("s.txt", "Sleep( '1' )\n"), "--trace", folder.PathOf("t.txt")}, "x");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_GE(elapsed, std::chrono::milliseconds(100));
  EXPECT_EQ(folder.Read("t.txt"), "sleep 100\n");
}

TEST(CliModify, FileErrorsExitTwoWithoutRunning) {
  TTempFolder folder;
  const std::string script = folder.Write("s.txt", "AddEnd( '+' )\nSaveToClipboard()\n");
  const std::string missing = folder.PathOf("missing.txt");
  const TRun noScript = RunArgs({"modify", missing}, "x");
  EXPECT_EQ(noScript.Status, ExitUsage);
  EXPECT_EQ(noScript.Out, "");
  EXPECT_EQ(noScript.Err, "tolvane-cli modify: cannot read '" + missing + "': No such file or directory\n");
  const TRun noInput = RunArgs({"modify", script, "--input", missing});
  EXPECT_EQ(noInput.Status, ExitUsage);
  EXPECT_EQ(noInput.Out, "");
  EXPECT_EQ(noInput.Err, "tolvane-cli modify: cannot read '" + missing + "': No such file or directory\n");
  const std::string badTrace = folder.PathOf("no/such/folder/t.txt");
  const TRun noTrace = RunArgs({"modify", script, "--trace", badTrace}, "x");
  EXPECT_EQ(noTrace.Status, ExitUsage);
  EXPECT_EQ(noTrace.Out, "");
  EXPECT_EQ(noTrace.Err.rfind("tolvane-cli modify: cannot write '" + badTrace + "': ", 0), 0u) << noTrace.Err;
}

TEST(CliModify, UsageErrorsExitTwo) {
  TTempFolder folder;
  const std::string script = folder.Write("s.txt", "SaveToClipboard()\n");
  const struct {
    std::vector<std::string> Args;
    std::string Message;
  } cases[] = {
      {{}, "missing SCRIPT"},
      {{script, "other"}, "unexpected argument 'other'"},
      {{script, "--bogus"}, "unknown option '--bogus'"},
      {{script, "--trace"}, "option '--trace' needs a value"},
      {{script, "--now", "2024-3-05T14:07:09"},
       "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '2024-3-05T14:07:09'"},
      {{script, "--now", "2023-02-29T14:07:09"},
       "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '2023-02-29T14:07:09'"},
      {{script, "--now", "2024-03-05T24:00:00"},
       "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '2024-03-05T24:00:00'"},
      {{script, "--now", "2024-03-05 14:07:09"},
       "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '2024-03-05 14:07:09'"},
      {{script, "--now", "2024-03-05T14:07:09.5"},
       "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '2024-03-05T14:07:09.5'"},
      {{script, "--now", "2024-03-05T14:+7:09"},
       "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '2024-03-05T14:+7:09'"},
      {{script, "--locale", "xx_YY"}, "unknown locale 'xx_YY'"},
      {{script, "--system"}, "--system is only available on Windows"},
      {{script, "--system", "--trace", "t.txt"}, "--system is only available on Windows"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"modify"};
    args.insert(args.end(), c.Args.begin(), c.Args.end());
    const TRun run = RunArgs(args, "x");
    EXPECT_EQ(run.Status, ExitUsage) << c.Message;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "tolvane-cli modify: " + c.Message + "\nTry 'tolvane-cli modify --help'.\n");
  }
}

TEST(CliModify, LeapDaysAndMillisecondsAreValidTimes) {
  const TModifyRun run = Modify("CurrentDateTimeInsertTop( 'dddd d/m zzz' )\nSaveToClipboard()\n", "",
                                {"--now", "2024-02-29T23:59:59.999", "--locale", "en_US"});
  EXPECT_EQ(run.Status, ExitOk);
  EXPECT_EQ(run.Out, "Thursday 29/2 999\r\n");
}

}  // namespace
}  // namespace tolvane::cli
