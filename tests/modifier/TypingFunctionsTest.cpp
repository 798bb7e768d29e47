#include <gtest/gtest.h>

#include <cstdio>

#include "Functionfixture.h"
#include "modifier/Keytyper.h"
#include "platform/recording/Trace.h"

namespace tolvane::modifier {
namespace {

// Shorthands for trace lines: a press of a virtual key, and the typing of ASCII text.
std::string Press(const char* key) {
  return std::string("keys +") + key + " -" + key + "\n";
}

std::string Typed(std::string_view text) {
  std::string line = "keys";
  for (const char c : text) {
    char code[8];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
    line += std::string(" +U+") + code + " -U+" + code;
  }
  return line + "\n";
}

const std::string End = Press("23");
const std::string Home = Press("24");
const std::string Left = Press("25");
const std::string Down = Press("28");
const std::string Enter = Press("0D");

class TypingFunctionsTest : public FunctionTest {
 protected:
  std::string Traced(std::optional<std::u16string> clipboard, std::u16string_view script) {
    auto clip = Make(std::move(clipboard));
    Doubles.Recorder.Clear();
    EXPECT_TRUE(Run(*clip, script));
    return Trace();
  }
};

TEST_F(TypingFunctionsTest, EachFunctionTypesItsKeySequence) {
  struct TCase {
    std::optional<std::u16string> Clipboard;
    std::u16string Script;
    std::string Trace;
  };
  const TCase cases[] = {
      {u"ab\r\ncde", u"PasteAsBlock()",
       Typed("ab") + Left + Left + Down + Typed("cde") + Left + Left + Left + Down},
      {u"a\r\nb", u"PasteAfterLines()", End + Typed("a") + Down + End + Typed("b") + Down + End},
      {u"a\r\nb", u"PasteBeforeLines()", Home + Typed("a") + Down + Home + Typed("b") + Down + Home},
      {u"a\r\nb\r\n", u"PasteAsLines( 'n' )", Typed("a") + Enter + Typed("b") + Enter},
      {u"a\r\nb", u"PasteAsLines( 'y' )", Typed("a") + Enter + Home + Typed("b") + Enter + Home},
      // An empty line sends no typing call of its own.
      {u"\r\nb", u"PasteAsLines( 'n' )", Enter + Typed("b") + Enter},
      {std::nullopt, u"PasteAfterLines()", ""},
      {std::nullopt, u"PasteBeforeLines()", ""},
      {std::nullopt, u"PasteAsBlock()", ""},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(Traced(c.Clipboard, c.Script), c.Trace) << Utf16ToUtf8(c.Script);
}

TEST_F(TypingFunctionsTest, LineBreaksInsideALineBecomeEnterAndOptionallyHome) {
  const std::u16string script =
      u"ApplyToThisTemplateBegin( 'n' )\r\n[LINE]\r\n-\r\nApplyToThisTemplateEnd()\r\n";
  const std::string line = "keys +U+0078 -U+0078 +0D -0D +U+002D -U+002D\n";
  const std::string lineWithHome = "keys +U+0078 -U+0078 +0D -0D +24 -24 +U+002D -U+002D\n";
  EXPECT_EQ(Traced(u"x", script + u"PasteAsLines( 'n' )"), line + Enter);
  EXPECT_EQ(Traced(u"x", script + u"PasteAsLines( 'y' )"), lineWithHome + Enter + Home);
  EXPECT_EQ(Traced(u"x", script + u"PasteAfterLines()"), End + line + Down + End);
}

TEST_F(TypingFunctionsTest, TypingRecordsTurnOnlyCrIntoKeys) {
  struct TRow {
    std::u16string Text;
    bool Home;
    std::string Keys;
  };
  const TRow rows[] = {
      {u"a\r\nb", false, "+U+0061 -U+0061 +0D -0D +U+0062 -U+0062"},
      // A CR not followed by LF keeps the character after it.
      {u"a\rb\r", true, "+U+0061 -U+0061 +0D -0D +24 -24 +U+0062 -U+0062 +0D -0D +24 -24"},
      {u"\n\t\U0001F600", false, "+U+000A -U+000A +U+0009 -U+0009 +U+D83D -U+D83D +U+DE00 -U+DE00"},
  };
  for (const TRow& row : rows) {
    std::string keys;
    for (const platform::TKeyRecord& record : TypingRecords(row.Text, row.Home))
      keys += (keys.empty() ? "" : " ") + recording::KeyRecordText(record);
    EXPECT_EQ(keys, row.Keys);
  }
}

TEST_F(TypingFunctionsTest, BlockStepsBackOverASurrogatePairOnce) {
  EXPECT_EQ(Traced(u"\U0001F600a", u"PasteAsBlock()"),
            "keys +U+D83D -U+D83D +U+DE00 -U+DE00 +U+0061 -U+0061\n" + Left + Left + Down);
}

TEST_F(TypingFunctionsTest, ACutOffInjectionStopsTheTyping) {
  auto clip = Make(u"ab\r\ncd");
  Doubles.Recorder.Clear();
  Doubles.Keyboard.LimitInjection(3);
  EXPECT_TRUE(Run(*clip, u"PasteAsLines( 'y' )"));
  EXPECT_EQ(Trace(), "keys +U+0061 -U+0061 +U+0062\n");
  EXPECT_EQ(Doubles.Keyboard.Batches().size(), 1u);
}

// A foreground window whose program runs with higher rights drops the keys: whichever function would send
// them first shows one message naming the window, nothing is sent and the run stops there.
TEST_F(TypingFunctionsTest, AWindowThatRefusesKeysStopsTheRunWithOneMessage) {
  for (const std::u16string_view first :
       {u"PasteAsLines( 'n' )", u"PasteAsBlock()", u"PasteAfterLines()", u"Paste()",
        u"SendKeyboardCombinaton( 'a' )", u"Copy_Ctrl_C_ToClipboard()", u"CurrentDateTimeType( 'yyyy' )"}) {
    SCOPED_TRACE(Utf16ToUtf8(first));
    auto clip = Make(u"ab\r\ncd");
    Doubles.Foreground.AddWindow(7, u"ConsoleWindowClass");
    Doubles.Foreground.SetTitle(7, u"Administrator: Console");
    Doubles.Foreground.SetElevated(7, true);
    Doubles.Foreground.BringToFront(7);
    Doubles.Recorder.Clear();
    const std::size_t shown = Doubles.MessageBox.Requests().size();
    EXPECT_FALSE(Run(*clip, std::u16string(first) + u"\r\nPasteAsLines( 'n' )\r\nSaveToClipboard()"));
    EXPECT_EQ(clip->StoppedAt, std::optional<std::size_t>(0));
    EXPECT_EQ(Trace().find("keys +"), std::string::npos) << Trace();
    ASSERT_EQ(Doubles.MessageBox.Requests().size(), shown + 1);
    EXPECT_EQ(Doubles.MessageBox.Requests().back().Caption, u"Target Window Refuses Input");
    EXPECT_NE(Doubles.MessageBox.Requests().back().Text.find(u"\"Administrator: Console\""),
              std::u16string::npos);
    // The same window once its program runs with our rights takes the keys.
    Doubles.Foreground.SetElevated(7, false);
    EXPECT_TRUE(Run(*clip, u"PasteAsLines( 'n' )"));
    EXPECT_NE(Trace().find("keys +"), std::string::npos);
  }
}

TEST_F(TypingFunctionsTest, MacrosAndSleeps) {
  struct TCase {
    std::u16string Script;
    std::string Trace;
  };
  const TCase cases[] = {
      {u"SendKeyboardCombinaton( 'ab\\0D\\0v' )", Typed("ab") + "sleep 10\n" + Enter + "sleep 10\n"},
      {u"Sleep( '10' )", "sleep 1000\n"},
      {u"Sleep( '#A' )", "sleep 1000\n"},
      {u"Sleep( '0' )", ""},
      {u"Sleep( '-5' )", ""},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(Traced(u"x", c.Script), c.Trace) << Utf16ToUtf8(c.Script);
}

}  // namespace
}  // namespace tolvane::modifier
