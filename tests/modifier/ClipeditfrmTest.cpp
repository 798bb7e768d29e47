#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Modifierfixture.h"
#include "common/Unicode.h"
#include "modifier/Clipeditfrm.h"

namespace tolvane::modifier {
namespace {

class ClipEditRulesTest : public ModifierTest {
 protected:
  std::vector<std::string> ShownNames(const TFunctionListView& view) const {
    std::vector<std::string> names;
    for (const std::size_t index : view.Shown)
      names.push_back(Utf16ToUtf8(Table[index].Name));
    return names;
  }

  const TFunc& Named(std::u16string_view name) const {
    for (const TFunc& func : Table) {
      if (func.Name == name)
        return func;
    }
    throw std::logic_error("no such function");
  }

  // The editor's text after the edit, as the view makes it.
  static std::u16string Applied(std::vector<std::u16string> lines, const TLineEdit& edit) {
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i == edit.Line && edit.Kind == TLineEdit::TKind::InsertBefore)
        text += edit.Text;
      text += i == edit.Line && edit.Kind == TLineEdit::TKind::ReplaceLine ? edit.Text : lines[i];
      if (i + 1 < lines.size())
        text += u"\r\n";
    }
    if (edit.Kind == TLineEdit::TKind::Append)
      text += edit.Text;
    return text;
  }

  TFunctionTable Table = BuildFunctionTable(Locale);
};

TEST_F(ClipEditRulesTest, ListFiltersByTheCaretLineBeforeItsBracket) {
  const TFunctionListView full = FilterFunctionList(Table, Locale, u"");
  EXPECT_EQ(full.Shown.size(), 73u);
  EXPECT_EQ(full.Caption, u"Function List ( 72 ):");  // the separator entry is not counted
  EXPECT_FALSE(full.Selected);

  const std::vector<std::string> sorts{"Sort", "SortOnWordNr", "SortOnWordAfterSign", "SortOnWordBeforeSign"};
  const TFunctionListView typed = FilterFunctionList(Table, Locale, u"SORT");
  EXPECT_EQ(ShownNames(typed), sorts);
  EXPECT_EQ(typed.Caption, u"Function List ( 4 ):");
  EXPECT_FALSE(typed.Selected);
  EXPECT_EQ(ShownNames(FilterFunctionList(Table, Locale, u"Sort( 'y', 'n' )")), sorts);

  const TFunctionListView single = FilterFunctionList(Table, Locale, u"onwordn");
  EXPECT_EQ(ShownNames(single), std::vector<std::string>{"SortOnWordNr"});
  EXPECT_EQ(single.Selected, std::optional<std::size_t>(0));
  EXPECT_EQ(single.Caption, u"Function List ( 1 ):");

  const TFunctionListView none = FilterFunctionList(Table, Locale, u"nothing like it");
  EXPECT_TRUE(none.Shown.empty());
  EXPECT_EQ(none.Caption, u"Function List ( 0 ):");
}

TEST_F(ClipEditRulesTest, InsertingReplacesATypedPartOrGoesBeforeTheLine) {
  const std::vector<std::u16string> lines{u"AddFront( 'x' )", u"trimle", u"Paste()"};
  // A typed part of the name becomes the call, with an empty line after it for the next one.
  const std::optional<TLineEdit> typed = InsertFunction(Named(u"TrimLeft"), Locale, lines, 1);
  ASSERT_TRUE(typed);
  EXPECT_EQ(Applied(lines, *typed), u"AddFront( 'x' )\r\nTrimLeft()\r\n\r\nPaste()");
  const std::optional<TLineEdit> last = InsertFunction(Named(u"TrimLeft"), Locale, {u"Trim"}, 0);
  ASSERT_TRUE(last);
  EXPECT_EQ(Applied({u"Trim"}, *last), u"TrimLeft()\r\n");

  // A line holding a call, or text that is not part of the name, keeps its text below the new call.
  const std::optional<TLineEdit> beforeCall = InsertFunction(Named(u"AddEnd"), Locale, lines, 2);
  ASSERT_TRUE(beforeCall);
  EXPECT_EQ(Applied(lines, *beforeCall), u"AddFront( 'x' )\r\ntrimle\r\nAddEnd( 'Text' )\r\nPaste()");
  const std::optional<TLineEdit> other = InsertFunction(Named(u"Clear"), Locale, lines, 1);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->Kind, TLineEdit::TKind::InsertBefore);

  const std::optional<TLineEdit> beyond = InsertFunction(Named(u"Clear"), Locale, lines, 7);
  ASSERT_TRUE(beyond);
  EXPECT_EQ(Applied(lines, *beyond), u"AddFront( 'x' )\r\ntrimle\r\nPaste()\r\nClear()");

  EXPECT_FALSE(InsertFunction(Table[66], Locale, lines, 1));  // the separator row
}

TEST_F(ClipEditRulesTest, EnterCompletesOnlyASingleMatchOnAnOpenLine) {
  const auto complete = [&](std::u16string line) {
    const std::vector<std::u16string> lines{u"Trim()", line};
    return CompleteOnEnter(Table, FilterFunctionList(Table, Locale, line), lines, 1);
  };
  const std::optional<TLineEdit> done = complete(u"sortonwordb");
  ASSERT_TRUE(done);
  EXPECT_EQ(done->Kind, TLineEdit::TKind::ReplaceLine);
  EXPECT_EQ(done->Line, 1u);
  EXPECT_EQ(done->Text, u"SortOnWordBeforeSign( 'Sign Character', 'Descending ?', 'Case Sensitive ?' )");
  EXPECT_TRUE(complete(u"SortOnWordBeforeSign( 'x'"));  // still open
  EXPECT_FALSE(complete(u"SortOnWordBeforeSign( ',', 'n', 'n' )"));
  EXPECT_FALSE(complete(u"sort"));  // four match
  EXPECT_FALSE(complete(u""));
}

TEST_F(ClipEditRulesTest, DoubleClickWidensToTheQuotedValue) {
  const std::u16string_view line = u"AddFront( 'Some Text' )";
  EXPECT_EQ(QuotedValueRange(line, {16, 20}), (TLineRange{11, 20}));
  EXPECT_EQ(QuotedValueRange(u"Replace( 'a', 'new value' )", {18, 23}), (TLineRange{15, 24}));
  EXPECT_FALSE(QuotedValueRange(line, {0, 8}));                    // the name
  EXPECT_FALSE(QuotedValueRange(line, {16, 16}));                  // nothing selected
  EXPECT_FALSE(QuotedValueRange(u"X( 'ab' )", {4, 6}));            // too short to hold a value
  EXPECT_FALSE(QuotedValueRange(u"Sleep( 50 ) 'x'", {7, 9}));      // the bracket comes first
  EXPECT_FALSE(QuotedValueRange(u"AddFront( 'no end", {14, 17}));  // no closing quote
}

TEST_F(ClipEditRulesTest, RowsColourTheCaptionsByKind) {
  const std::vector<TRowRun> align{{u"AlignOnSign", std::nullopt},
                                   {u"(", std::nullopt},
                                   {u"'Sign Character'", rowcolor::Character},
                                   {u",", rowcolor::Comma},
                                   {u"'Padding Character'", rowcolor::Character},
                                   {u",", rowcolor::Comma},
                                   {u"'Extra Length'", rowcolor::Number},
                                   {u")", std::nullopt}};
  EXPECT_EQ(FunctionRowRuns(Named(u"AlignOnSign")), align);
  const std::vector<TRowRun> sort{{u"Sort", std::nullopt},
                                  {u"(", std::nullopt},
                                  {u"'Descending ?'", rowcolor::YesNo},
                                  {u",", rowcolor::Comma},
                                  {u"'Case Sensitive ?'", rowcolor::YesNo},
                                  {u")", std::nullopt}};
  EXPECT_EQ(FunctionRowRuns(Named(u"Sort")), sort);
  EXPECT_EQ(FunctionRowRuns(Named(u"AddEnd"))[2], (TRowRun{u"'Text'", rowcolor::Text}));
  EXPECT_EQ(FunctionRowRuns(Named(u"Trim")),
            (std::vector<TRowRun>{{u"Trim", std::nullopt}, {u"()", std::nullopt}}));
  EXPECT_TRUE(FunctionRowRuns(Table[66]).empty());
}

TEST_F(ClipEditRulesTest, HelpAnchorFollowsTheFocus) {
  EXPECT_EQ(FunctionHelpAnchor(true, &Named(u"Replace")), u"#Replace");
  EXPECT_EQ(FunctionHelpAnchor(true, nullptr), u"#TheFunctionList");
  EXPECT_EQ(FunctionHelpAnchor(true, &Table[66]), u"#TheFunctionList");
  EXPECT_EQ(FunctionHelpAnchor(false, &Named(u"Replace")), u"#FunctionsAndScriptingGeneral");
}

TEST_F(ClipEditRulesTest, EditorLinesCountTheLineAfterAFinalBreak) {
  EXPECT_EQ(EditorLines(u""), std::vector<std::u16string>{u""});
  EXPECT_EQ(EditorLines(u"Trim()\r\n"), (std::vector<std::u16string>{u"Trim()", u""}));
  EXPECT_EQ(EditorLines(u"a\rb"), (std::vector<std::u16string>{u"a", u"b"}));
}

}  // namespace
}  // namespace tolvane::modifier
