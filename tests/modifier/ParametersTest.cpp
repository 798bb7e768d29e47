#include <gtest/gtest.h>

#include "Modifierfixture.h"
#include "common/Unicode.h"
#include "modifier/Functionids.h"
#include "modifier/Parameters.h"
#include "modifier/Scriptlines.h"

namespace tolvane::modifier {
namespace {

class ScriptSyntaxTest : public ModifierTest {
 protected:
  // Parses the text into the named function's slots; the values as "text", "yes"/"no", numbers and
  // characters, or "STOP" when the run must stop.
  std::vector<std::string> Parsed(std::u16string_view name, std::u16string_view paramText) {
    const TFunc* func = nullptr;
    for (const TFunc& entry : Table) {
      if (entry.Name == name)
        func = &entry;
    }
    EXPECT_NE(func, nullptr);
    TArgs args = func->Params;
    if (!ParseParameters(ParameterMessageName(*func), args, paramText, Messages))
      return {"STOP"};
    std::vector<std::string> values;
    for (const TVar& arg : args)
      values.push_back(ValueText(arg));
    return values;
  }

  static std::string ValueText(const TVar& arg) {
    switch (arg.Kind) {
      case TVarKind::Character:
        return arg.Character == 0 ? "\\0" : Utf16ToUtf8(std::u16string(1, arg.Character));
      case TVarKind::YesNo:
        return arg.YesNo ? "yes" : "no";
      case TVarKind::Number:
        return std::to_string(arg.Number);
      case TVarKind::Text:
        break;
    }
    return Utf16ToUtf8(arg.TextValue);
  }

  TFunctionTable Table = BuildFunctionTable(Locale);
  TRunMessages Messages{Doubles.MessageBox,
                        [this] { MainWindowShown.push_back(Doubles.MessageBox.Requests().size()); }};
};

TEST_F(ScriptSyntaxTest, SplitsScriptsAtEveryKindOfLineBreak) {
  using TTexts = std::vector<std::string>;
  EXPECT_EQ(Utf8Texts(SplitScriptLines(u"a\r\nb\rc\nd")), (TTexts{"a", "b", "c", "d"}));
  EXPECT_EQ(Utf8Texts(SplitScriptLines(u"a\r\n")), TTexts{"a"});
  EXPECT_EQ(Utf8Texts(SplitScriptLines(u"")), TTexts{});
  EXPECT_EQ(Utf8Texts(SplitScriptLines(u"\r\n\r\nx")), (TTexts{"", "", "x"}));
  EXPECT_EQ(Utf8Texts(SplitScriptLines(u"a\n\rb")), (TTexts{"a", "", "b"}));
}

TEST_F(ScriptSyntaxTest, LooksUpNamesExactlyAsWrittenIgnoringCase) {
  struct TRow {
    const char16_t* Line;
    std::int32_t Id;
    const char* ParamText;
  };
  const TRow rows[] = {
      {u"AddFront('x')", funcid::AddFront, "('x')"},
      {u"addfront('x')", funcid::AddFront, "('x')"},
      {u"ADDFRONT( 'x' ) trailing", funcid::AddFront, "( 'x' ) trailing"},
      {u" AddFront('x')", funcid::Unknown, "('x')"},
      {u"AddFront ('x')", funcid::Unknown, "('x')"},
      {u"AddFront", funcid::Unknown, ""},
      {u"Trim(anything", funcid::Trim, "(anything"},
      {u"", funcid::Skip, ""},
      {u"(anything)", funcid::Skip, "(anything)"},
      {u" ", funcid::Unknown, ""},
      // The End line means something only inside a block.
      {u"ApplyToThisTemplateEnd()", funcid::Unknown, "()"},
      {u"applytothistemplatebegin( 'y' )", funcid::ApplyToThisTemplateBegin, "( 'y' )"},
  };
  for (const TRow& row : rows) {
    const TLookUp call = LookUpFunction(Table, Locale, row.Line);
    EXPECT_EQ(call.Id, row.Id) << Utf16ToUtf8(row.Line);
    EXPECT_EQ(Utf16ToUtf8(call.ParamText), row.ParamText) << Utf16ToUtf8(row.Line);
  }
}

TEST_F(ScriptSyntaxTest, ReadsQuotedValuesByKind) {
  struct TRow {
    const char16_t* Function;
    const char16_t* ParamText;
    std::vector<std::string> Values;
  };
  const TRow rows[] = {
      {u"AddFront", u"('a', 'b')", {"a"}},
      {u"Replace", u"(|a'b|, 'c')", {"a'b", "c"}},
      {u"Replace", u"(\"x|y\" junk 'z\"')", {"x|y", "z\""}},
      {u"AddFront", u"( 'it\\'s' )", {"it\\'s"}},
      {u"AddFront", u"( \"say \\\"hi\\\"\" )", {"say \\\"hi\\\""}},
      {u"AddFront", u"( |a\\|b| )", {"a\\"}},  // a bar cannot be escaped
      {u"AddFront", u"('')", {""}},
      {u"Sleep", u"('#A')", {"10"}},
      {u"Sleep", u"('#fF')", {"255"}},
      {u"Sleep", u"('#FFFFFFFF')", {"-1"}},
      {u"Sleep", u"('#-1g2')", {"18"}},
      {u"Sleep", u"('-5')", {"-5"}},
      {u"Sleep", u"('5-')", {"5"}},
      {u"Sleep", u"('1,234')", {"1234"}},
      {u"Sleep", u"('x12y')", {"12"}},
      {u"Sleep", u"('4294967297')", {"1"}},
      {u"Sleep", u"('2147483648')", {"-2147483648"}},
      {u"Sort", u"('Y', 'yes')", {"yes", "yes"}},
      {u"Sort", u"('n', 'ja')", {"no", "no"}},
      {u"AlignOnSign", u"('=x', ' ', '3')", {"=", " ", "3"}},
      {u"AddFront", u"('unclosed)", {"STOP"}},
      {u"Replace", u"('a', 'b)", {"STOP"}},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(Parsed(row.Function, row.ParamText), row.Values) << Utf16ToUtf8(row.ParamText);
  // None of these is reported: an unclosed value stops the run silently.
  EXPECT_EQ(Trace(), "");
}

TEST_F(ScriptSyntaxTest, MissingValuesStopTheRunAndEmptyOnesAreReportedOnly) {
  struct TRow {
    const char16_t* Function;
    const char16_t* ParamText;
    std::vector<std::string> Values;
    const char* Trace;
  };
  const TRow rows[] = {
      {u"AddFront",
       u"(x)",
       {"STOP"},
       "message \"Parameter Error !\" \"Wrong parameter in function call !\\r\\nAddFront   is missing ', "
       "\\\" or | \"\n"},
      {u"Replace",
       u"('a')",
       {"STOP"},
       "message \"Parameter Error !\" \"Wrong parameter in function call !\\r\\nReplace   is missing ', \\\" "
       "or | \"\n"},
      {u"WordSeparators",
       u"()",
       {"STOP"},
       "message \"Parameter Error !\" \"Wrong parameter in function call !\\r\\nWordSepparators   is missing "
       "', "
       "\\\" or | \"\n"},
      {u"Sleep",
       u"('')",
       {"0"},
       "message \"Parameter Error !\" \"Empty parameter in function call:  \\r\\nSleep\"\n"},
      {u"Sort",
       u"('x', '')",
       {"no", "no"},
       "message \"Parameter Error !\" \"Empty parameter in function call:  \\r\\nSort\"\n"},
      {u"EscapeCharacter",
       u"(||, '')",
       {"\\0", "\\0"},
       "message \"Parameter Error !\" \"Empty parameter in function call:  \\r\\nEscapeCharacter\"\n"
       "message \"Parameter Error !\" \"Empty parameter in function call:  \\r\\nEscapeCharacter\"\n"},
      {u"WordSeparators", u"('')", {""}, ""},
  };
  for (const TRow& row : rows) {
    Doubles.Recorder.Clear();
    MainWindowShown.clear();
    EXPECT_EQ(Parsed(row.Function, row.ParamText), row.Values) << Utf16ToUtf8(row.ParamText);
    EXPECT_EQ(Trace(), row.Trace) << Utf16ToUtf8(row.ParamText);
    // The main window comes forward before each parameter message.
    const std::size_t shown = Doubles.MessageBox.Requests().size();
    const std::size_t messages = Doubles.Recorder.Actions().size();
    ASSERT_EQ(MainWindowShown.size(), messages);
    for (std::size_t i = 0; i < messages; ++i)
      EXPECT_EQ(MainWindowShown[i], shown - messages + i);
  }
}

}  // namespace
}  // namespace tolvane::modifier
