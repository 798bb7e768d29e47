#include <gtest/gtest.h>

#include "Modifierfixture.h"
#include "common/Unicode.h"
#include "modifier/Functionids.h"

namespace tolvane::modifier {
namespace {

using TTexts = std::vector<std::string>;

constexpr const char* UnknownLine = "message \"Function Error !\" \"Call to Unknown Function:\\r\\n";
constexpr const char* MissingTemplate =
    "message \"Function Error !\" \"Missing function line or template:\\r\\nApplyToThisTemplateEnd\"\n";

class InterpreterTest : public ModifierTest {};

TEST_F(InterpreterTest, ConstructionReadsTheClipboardAndListensForChanges) {
  auto clip = Make(u"a\r\nb");
  EXPECT_EQ(clip->ClipText(), u"a\r\nb");
  // The text read is the clipboard's own, not a copy: a clipboard can hold megabytes.
  ASSERT_TRUE(Doubles.Clipboard.Text());
  EXPECT_EQ(clip->ClipText().data(), Doubles.Clipboard.Text()->data());
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"a\r\n", "b"}));
  EXPECT_TRUE(clip->Listening);
  EXPECT_FALSE(clip->ClipboardChanged);
  EXPECT_EQ(clip->Functions.size(), 73u);
  EXPECT_EQ(Trace(), "");

  Doubles.Clipboard.ChangeExternally(u"new");
  EXPECT_TRUE(clip->ClipboardChanged);
  EXPECT_EQ(clip->ClipText(), u"a\r\nb");  // only noted, not read
  clip.reset();
  // The handler went with the object (a sanitizer build catches a dangling one here).
  Doubles.Clipboard.ChangeExternally(u"later");

  Doubles.Clipboard.SetNotificationsAvailable(false);
  EXPECT_FALSE(Make(u"x")->Listening);
  EXPECT_TRUE(Make(std::nullopt)->Lines.Empty());
}

TEST_F(InterpreterTest, AClipboardThatStaysLockedIsReportedAfterFiveAttempts) {
  Doubles.Clipboard.FailNextOpens(4, {5, u"Access is denied."});
  auto clip = Make(u"x\r\n");
  EXPECT_EQ(Trace(), "sleep 50\nsleep 50\nsleep 50\nsleep 50\n");
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"x\r\n"});

  Doubles.Recorder.Clear();
  Doubles.Clipboard.FailNextOpens(5, {5, u"Access is denied."});
  clip = Make(u"x");
  EXPECT_EQ(Trace(),
            "sleep 50\nsleep 50\nsleep 50\nsleep 50\nsleep 50\n"
            "message \"Error Reading Clipboard\" \"The system say:  \\r\\nAccess is denied.\\r\\n\"\n");
  EXPECT_TRUE(clip->Lines.Empty());
  EXPECT_EQ(Doubles.MessageBox.Requests().back().Kind, platform::TMsgKind::Error);
}

TEST_F(InterpreterTest, AFailedReadKeepsTheTextLastRead) {
  auto clip = Make(u"old\r\ntext");
  (void)Run(*clip, u"FirstLineAreVars()");
  Doubles.Clipboard.FailNextOpens(5, {5, u"Access is denied."});
  clip->LoadFromClipboard();
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"old\r\n", "text"}));
  EXPECT_TRUE(clip->Vars.empty());
}

TEST_F(InterpreterTest, UnknownLinesStopTheRunAndSkippedLinesDoNot) {
  struct TRow {
    const char16_t* Script;
    bool Result;
    std::string Trace;
  };
  const TRow rows[] = {
      {u" AddFront('x')", false, std::string(UnknownLine) + " AddFront('x')\"\n"},
      {u"AddFront ('x')", false, std::string(UnknownLine) + "AddFront ('x')\"\n"},
      {u"\r\nTrim", false, std::string(UnknownLine) + "Trim\"\n"},
      {u"ApplyToThisTemplateEnd()", false, std::string(UnknownLine) + "ApplyToThisTemplateEnd()\"\n"},
      {u"(anything)\r\n\r\n(", true, ""},
      {u"\r\n\r\n\r\n", true, ""},
      {u"", true, ""},
  };
  for (const TRow& row : rows) {
    auto clip = Make(u"a b\r\nc");
    Doubles.Recorder.Clear();
    EXPECT_EQ(Run(*clip, row.Script), row.Result) << Utf16ToUtf8(row.Script);
    EXPECT_EQ(Trace(), row.Trace);
    EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"a b\r\n", "c"}));
  }
  EXPECT_TRUE(MainWindowShown.empty());
}

TEST_F(InterpreterTest, AStoppedRunKeepsWhatTheCompletedLinesDid) {
  auto clip = Make(u"a b\r\nc d\r\ne");
  EXPECT_FALSE(Run(*clip, u"FirstLineAreVars()\r\nbogus()\r\nFirstLineAreVars()"));
  EXPECT_EQ(Utf8Texts(clip->Vars), (TTexts{"a", "b"}));
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"c d\r\n", "e"}));
}

TEST_F(InterpreterTest, FirstLineBecomesTheVars) {
  auto clip = Make(u"a b c\r\nx");
  EXPECT_TRUE(Run(*clip, u"firstlinearevars()"));
  EXPECT_EQ(Utf8Texts(clip->Vars), (TTexts{"a", "b", "c"}));
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"x"});
  // The words follow the current separators.
  clip->Separators.Assign(u" ");
  clip->SetLinesFromText(u"a-b c\r\n");
  EXPECT_TRUE(Run(*clip, u"FirstLineAreVars( ignored"));
  EXPECT_EQ(Utf8Texts(clip->Vars), (TTexts{"a-b", "c"}));
  EXPECT_TRUE(clip->Lines.Empty());
  // With no lines the VARs are only cleared.
  clip->Vars = {u"stale"};
  EXPECT_TRUE(Run(*clip, u"FirstLineAreVars()"));
  EXPECT_TRUE(clip->Vars.empty());
}

TEST_F(InterpreterTest, RebuildingTheLinesClearsTheVars) {
  auto clip = Make(u"v1 v2\r\nline");
  EXPECT_TRUE(Run(*clip, u"FirstLineAreVars()"));
  ASSERT_EQ(clip->Vars.size(), 2u);
  clip->SetLinesFromText(u"p q\r\nr");
  EXPECT_TRUE(clip->Vars.empty());
  EXPECT_TRUE(Run(*clip, u"FirstLineAreVars()"));
  ASSERT_EQ(clip->Vars.size(), 2u);
  clip->LoadFromClipboard();
  EXPECT_TRUE(clip->Vars.empty());
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"v1 v2\r\n", "line"}));
}

TEST_F(InterpreterTest, TemplatesApplyToEveryLineAndMaySkipLinesWithoutWords) {
  const std::u16string clipboard = u"p q\r\nx y\r\n\r\n...\r\nz";
  auto skipping = Make(clipboard);
  EXPECT_TRUE(Run(*skipping,
                  u"FirstLineAreVars()\r\nApplyToThisTemplateBegin( 'Yes' )\r\n[VAR2]-[WORD1]-[LINE]\r\n"
                  u"ApplyToThisTemplateEnd()"));
  EXPECT_EQ(LineTexts(skipping->Lines), (TTexts{"q-x-x y\r\n", "\r\n", "...\r\n", "q-z-z"}));

  auto filling = Make(clipboard);
  EXPECT_TRUE(Run(*filling,
                  u"FirstLineAreVars()\r\nApplyToThisTemplateBegin( 'n' )\r\n[VAR2]-[WORD1]-[LINE]\r\n"
                  u"ApplyToThisTemplateEnd()"));
  EXPECT_EQ(LineTexts(filling->Lines),
            (TTexts{"q-x-x y\r\n", "q-[WORD1]-\r\n", "q-[WORD1]-...\r\n", "q-z-z"}));
  EXPECT_EQ(Utf8Texts(filling->Lines[3]->Words.Get()), TTexts{"z"});
  EXPECT_EQ(Trace(), "");
}

TEST_F(InterpreterTest, TemplateLinesAreTextAndTheRunGoesOnAfterTheEndLine) {
  auto clip = Make(u"a b\r\nc");
  EXPECT_TRUE(Run(*clip,
                  u"ApplyToThisTemplateBegin('y')\r\n<[WORD2]>\r\nbogus(\r\nApplyToThisTemplateBegin('y')\r\n"
                  u"x ApplyToThisTemplateEnd y\r\nFirstLineAreVars()"));
  // The template's line breaks separate words like any control character.
  EXPECT_EQ(Utf8Texts(clip->Vars), (TTexts{"b", "bogus", "ApplyToThisTemplateBegin", "y"}));
  EXPECT_EQ(LineTexts(clip->Lines), TTexts{"<[WORD2]>\r\nbogus(\r\nApplyToThisTemplateBegin('y')"});
  EXPECT_EQ(clip->JoinedText(), u"<[WORD2]>\r\nbogus(\r\nApplyToThisTemplateBegin('y')");
  EXPECT_EQ(Trace(), "");
}

TEST_F(InterpreterTest, EmptyAndAbsentTemplates) {
  auto emptied = Make(u"a\r\n\r\nb");
  EXPECT_TRUE(Run(*emptied, u"ApplyToThisTemplateBegin('y')\r\n\r\nApplyToThisTemplateEnd()"));
  EXPECT_EQ(LineTexts(emptied->Lines), (TTexts{"\r\n", "\r\n", ""}));

  auto untouched = Make(u"a\r\nb");
  EXPECT_TRUE(
      Run(*untouched, u"ApplyToThisTemplateBegin('n')\r\nApplyToThisTemplateEnd()\r\nFirstLineAreVars()"));
  EXPECT_EQ(Utf8Texts(untouched->Vars), TTexts{"a"});
  EXPECT_EQ(LineTexts(untouched->Lines), TTexts{"b"});
  EXPECT_EQ(Trace(), "");
}

TEST_F(InterpreterTest, ABlockWithoutRoomOrEndStopsTheRun) {
  const char16_t* scripts[] = {
      u"ApplyToThisTemplateBegin('y')",
      u"ApplyToThisTemplateBegin('y')\r\nApplyToThisTemplateEnd()",
      u"FirstLineAreVars()\r\nApplyToThisTemplateBegin('y')\r\n[LINE]\r\napplytothistemplateend()",
  };
  for (const char16_t* script : scripts) {
    auto clip = Make(u"a\r\nb");
    Doubles.Recorder.Clear();
    EXPECT_FALSE(Run(*clip, script)) << Utf16ToUtf8(script);
    EXPECT_EQ(Trace(), MissingTemplate);
    EXPECT_EQ(clip->Lines.Last()->Text, u"b");
  }
  EXPECT_TRUE(MainWindowShown.empty());
}

TEST_F(InterpreterTest, TheBeginParameterIsReadBeforeTheBlockIsChecked) {
  auto clip = Make(u"a\r\n\r\nb");
  EXPECT_FALSE(Run(*clip, u"ApplyToThisTemplateBegin(y)"));
  EXPECT_EQ(
      Trace(),
      "message \"Parameter Error !\" \"Wrong parameter in function call !\\r\\nApplyToThisTemplateBegin   is "
      "missing ', \\\" or | \"\n");
  EXPECT_EQ(MainWindowShown, std::vector<std::size_t>{0});

  // An empty value is reported, counts as no, and the run goes on.
  Doubles.Recorder.Clear();
  EXPECT_TRUE(Run(
      *clip, u"ApplyToThisTemplateBegin('')\r\n[WORD1]!\r\nApplyToThisTemplateEnd()\r\nFirstLineAreVars()"));
  EXPECT_EQ(Trace(),
            "message \"Parameter Error !\" \"Empty parameter in function call:  "
            "\\r\\nApplyToThisTemplateBegin\"\n");
  EXPECT_EQ(Utf8Texts(clip->Vars), TTexts{"a"});
  EXPECT_EQ(LineTexts(clip->Lines), (TTexts{"[WORD1]!\r\n", "b!"}));
}

TEST_F(InterpreterTest, ExecuteFunctionChecksTheId) {
  auto clip = Make(u"a b\r\nc");
  EXPECT_TRUE(clip->ExecuteFunction(funcid::Skip, u"whatever"));
  EXPECT_TRUE(clip->ExecuteFunction(funcid::FirstLineAreVars, u""));
  EXPECT_EQ(Utf8Texts(clip->Vars), (TTexts{"a", "b"}));
  EXPECT_FALSE(clip->ExecuteFunction(funcid::ApplyToThisTemplateBegin, u"('y')"));
  EXPECT_FALSE(clip->ExecuteFunction(999, u"()"));
  EXPECT_EQ(Trace(), std::string(MissingTemplate) + UnknownLine + "999\"\n");
}

}  // namespace
}  // namespace tolvane::modifier
