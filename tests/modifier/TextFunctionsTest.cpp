#include <gtest/gtest.h>

#include "Functionfixture.h"
#include "modifier/Functionids.h"
#include "modifier/Functionregistry.h"

namespace tolvane::modifier {
namespace {

class TextFunctionsTest : public FunctionTest {};

TEST_F(TextFunctionsTest, EveryFunctionOfTheTableIsPerformed) {
  auto clip = Make(std::nullopt);
  for (const TFunc& func : clip->Functions) {
    // The separator row is no function, and the template block is run by the interpreter itself.
    if (func.Id != funcid::Skip && func.Id != funcid::ApplyToThisTemplateBegin) {
      EXPECT_NE(FindHandler(func.Id), nullptr) << Utf16ToUtf8(func.Name);
    }
  }
}

TEST_F(TextFunctionsTest, EndsOfLines) {
  const TRow rows[] = {
      {u"AddFront( 'x' )", u"\r\na", {"x\r\n", "xa"}},
      {u"AddFront( 'x' )", std::nullopt, {}},
      {u"AddEnd( '!' )", u"a\r\nb\r\n", {"a!\r\n", "b!\r\n"}},
      {u"DeleteFirstChar()", u"ab\r\n\r\nc", {"b\r\n", "\r\n", ""}},
      {u"DeleteLastChar()", u"ab\r\n\r\nc", {"a\r\n", "\r\n", ""}},
      // A surrogate pair goes as a whole, never leaving half a character behind.
      {u"DeleteFirstChar()", u"\U0001F600x", {"x"}},
      {u"DeleteLastChar()", u"x\U0001F600", {"x"}},
      {u"DeleteFirstWord()", u"  alpha, beta\r\nalpha\r\n(a) b c", {"beta\r\n", "\r\n", "b c"}},
      {u"DeleteLastWord()", u"alpha, beta.\r\none\r\n(a b)\r\n...", {"alpha\r\n", "\r\n", "(a\r\n", ""}},
      {u"MultilineComment( '/*', '*/' )", u"a\r\nb", {"/*a\r\n", "b*/"}},
      {u"MultilineComment( '/*', '*/' )", u"a", {"/*a*/"}},
  };
  Check(rows);
}

TEST_F(TextFunctionsTest, InsertionsAtWords) {
  const TRow rows[] = {
      {u"InsertAfterWord( '2', '!' )", u"foo(bar) baz\r\none", {"foo(bar!) baz\r\n", "one"}},
      {u"InsertBeforeWord( '0', '>' )", u"  a b\r\n...", {"  >a b\r\n", "..."}},
      {u"FirstLineAreVars()\r\nInsertVAR_AfterWord( '1', ' ', '1' )", u"v1 v2\r\nx y\r\n", {"x v1 y\r\n"}},
      {u"FirstLineAreVars()\r\nInsertVAR_BeforeWord( '2', '-', '2' )", u"v1 v2\r\nx y", {"x v2-y"}},
      {u"SwapWords( '3', '1' )", u"a, bb, ccc d\r\nx y", {"ccc, bb, a d\r\n", "x y"}},
      {u"SwapWords( '2', '2' )", u"a b", {"a b"}},
      {u"SwapWords( '0', '1' )", u"a b", {"a b"}},
  };
  Check(rows);
  EXPECT_EQ(Trace(), "");
}

TEST_F(TextFunctionsTest, VarNumbersOutsideTheVarsAreReportedAndChangeNothing) {
  const TRow rows[] = {
      {u"FirstLineAreVars()\r\nInsertVAR_BeforeWord( '1', '-', '3' )", u"p q\r\nx", {"x"}},
      {u"FirstLineAreVars()\r\nInsertVAR_AfterWord( '1', '-', '0' )", u"p q\r\nx", {"x"}},
      // Rebuilding the lines drops the VARs.
      {u"FirstLineAreVars()\r\nRemoveLineBreaks()\r\nInsertVAR_AfterWord( '1', '-', '1' )",
       u"p q\r\nx",
       {"x\r\n"}},
      {u"FirstLineAreVars()\r\nWordsToLines( 'n' )\r\nInsertVAR_AfterWord( '1', '-', '1' )",
       u"p q\r\nx",
       {"x\r\n"}},
  };
  for (const TRow& row : rows) {
    Doubles.Recorder.Clear();
    Check({&row, 1});
    EXPECT_EQ(Trace(), "message \"Function Error\" \"No VAR's or to few VAR's are loaded\"\n");
  }
  // A valid number with no lines is no problem.
  Doubles.Recorder.Clear();
  const TRow valid[] = {{u"FirstLineAreVars()\r\nInsertVAR_AfterWord( '1', '-', '2' )", u"p q", {}}};
  Check(valid);
  EXPECT_EQ(Trace(), "");
}

TEST_F(TextFunctionsTest, Alignment) {
  const TRow rows[] = {
      {u"AlignOnSign( '=', ' ', '1' )", u"a=1\r\nbbb=2", {"a   =1\r\n", "bbb =2"}},
      {u"AlignOnSign( '=', '.', '0' )", u"a=1\r\nnone\r\nbb=2", {"a.=1\r\n", "none\r\n", "bb=2"}},
      // A negative extra length leaves signs right of the column where they are.
      {u"AlignOnSign( '=', '.', '-2' )", u"a=1\r\nbbb=2", {"a=1\r\n", "bbb=2"}},
      {u"AlignOnSign( '=', '.', '-1' )", u"a=1\r\nbbb=2", {"a.=1\r\n", "bbb=2"}},
      {u"AlignOnWord( '2', ' ', '0' )", u"a b\r\nccc d\r\nsingle", {"a   b\r\n", "ccc d\r\n", "single"}},
      {u"AlignOnWord( '1', '-', '2' )", u"a\r\n  b", {"----a\r\n", "  --b"}},
      {u"LinesEqualToLongestPadLeft( '.', '0' )", u"a\r\nabc\r\n", {"..a\r\n", "abc\r\n"}},
      {u"LinesEqualToLongestPadRight( '.', '1' )", u"a\r\nabc", {"a...\r\n", "abc."}},
      {u"LinesEqualToLongestPadLeft( '.', '-1' )", u"a\r\nabc", {".a\r\n", "ab"}},
      {u"LinesEqualToLongestPadRight( '.', '-1' )", u"a\r\nabc", {"a.\r\n", "ab"}},
      {u"LinesEqualToLongestPadRight( '.', '3' )", u"\r\n\r\n", {"\r\n", "\r\n"}},
  };
  Check(rows);
}

TEST_F(TextFunctionsTest, Numbering) {
  const TRow rows[] = {
      {u"NumbersLeft( '9', 'y', '0' )", u"a\r\nb\r\nc", {"09 a\r\n", "10 b\r\n", "11 c"}},
      {u"NumbersRight( '1', 'n', ' ' )", u"a\r\nb", {"a1\r\n", "b2"}},
      {u"NumbersLeft( '0', 'y', ' ' )", u"a\r\nb", {"0 a\r\n", "1 b"}},
      // Room for the sign, so the column stays straight through zero.
      {u"NumbersLeft( '-1', 'y', ' ' )", u"a\r\nb\r\nc", {"-1 a\r\n", " 0 b\r\n", " 1 c"}},
      {u"NumbersLeft( '-1', 'y', '0' )", u"a\r\nb", {"-1 a\r\n", "00 b"}},
      {u"NumbersLeft( '2147483647', 'n', ' ' )", u"a\r\nb", {"2147483647 a\r\n", "-2147483648 b"}},
  };
  Check(rows);
}

TEST_F(TextFunctionsTest, CharactersAndCase) {
  const TRow rows[] = {
      {u"UpperCaseAll()", u"stra\u00DFe \u00E9t\u00E9", {"STRASSE \u00C9T\u00C9"}},
      {u"LowerCaseAll()", u"\u00C4BC\r\nX", {"\u00E4bc\r\n", "x"}},
      {u"UpperCaseFirstCharacterInWords()",
       u"hello wORLD-foo.bar \u00E9t\u00E9",
       {"Hello WORLD-Foo.Bar \u00C9t\u00E9"}},
      {u"BackSlashToForwardSlash()", u"a\\b\\c/", {"a/b/c/"}},
      {u"ForwardSlashToBackSlash()", u"a/b/c\\", {"a\\b\\c\\"}},
      {u"ConvertTabsTo( '  ' )", u"a\tb\t", {"a  b  "}},
      {u"ConvertTabsTo( '' )", u"a\tb", {"a\tb"}},
      {u"EscapeCharacter( |\\|, '\"' )", u"say \"hi\"", {"say \\\"hi\\\""}},
      {u"Replace( 'aa', 'b' )", u"aaa\r\naaaa", {"ba\r\n", "bb"}},
      {u"Replace( 'a', 'aa' )", u"aba", {"aabaa"}},
      {u"Replace( '', 'x' )", u"ab", {"ab"}},
  };
  Check(rows);
}

TEST_F(TextFunctionsTest, EmptyCharacterParametersInsertNothing) {
  const TRow rows[] = {
      {u"EscapeCharacter( '', '\"' )", u"a\"b", {"a\"b"}},
      {u"AlignOnSign( '=', '', '2' )", u"a=1", {"a=1"}},
      {u"LinesEqualToLongestPadLeft( '', '0' )", u"a\r\nabc", {"a\r\n", "abc"}},
      {u"NumbersLeft( '1', 'y', '' )", u"a", {"1 a"}},
  };
  Check(rows);
  EXPECT_EQ(Doubles.MessageBox.Requests().size(), std::size(rows));  // each the empty-parameter message
}

TEST_F(TextFunctionsTest, Removals) {
  const TRow rows[] = {
      {u"RemoveDublicateSpaces()", u"a  b   c\t\t d ", {"a b c\t\t d "}},
      {u"RemoveSpaceAndTabs()", u" a b\tc\u00A0", {"abc\u00A0"}},
      {u"RemoveTheseCharacters( '-.' )", u"a-b.c,d", {"abc,d"}},
      {u"RemoveThisFromFront( '> ' )", u"> a\r\nb > c\r\n>x", {"a\r\n", "b > c\r\n", ">x"}},
      {u"RemoveUpTo( ':', 'n' )", u"key: value\r\nnone", {": value\r\n", "none"}},
      {u"RemoveUpTo( ':', 'y' )", u"key: value: x", {" value: x"}},
      {u"RemoveFromToEnd( ':', 'y' )", u"key: value: x\r\nnone", {"key\r\n", "none"}},
      {u"RemoveFromToEnd( ':', 'n' )", u"key: value", {"key:"}},
      {u"RemoveFromToEnd( '', 'y' )", u"key: value", {"key: value"}},
  };
  Check(rows);
}

TEST_F(TextFunctionsTest, Trims) {
  const std::u16string padded = u"\t \u00A0*a b*\u2028 ";
  const TRow rows[] = {
      {u"Trim()", padded, {"*a b*"}},
      {u"TrimLeft()", padded, {"*a b*\u2028 "}},
      {u"TrimRight()", padded, {"\t \u00A0*a b*"}},
      {u"Trim()", u" \t \t\r\nx", {"\r\n", "x"}},
      {u"TrimSpecial( '*\u00A0' )", padded, {"a b*\u2028"}},
      {u"TrimSpecialLeft( '*' )", u"** a *", {"a *"}},
      {u"TrimSpecialRight( '*' )", u"** a *", {"** a"}},
      {u"Trim_NG_ReplySigns( '>|' )", u"> > | text > x\r\n\u00A0>>\r\n>x", {"text > x\r\n", "\r\n", "x"}},
      {u"Trim_NG_ReplySigns( '' )", u" \t> a", {"> a"}},
  };
  Check(rows);
}

TEST_F(TextFunctionsTest, WholeTextRestructuring) {
  const TRow rows[] = {
      {u"RemoveEmptyLines()", u"a\r\n\r\n \r\nb\r\n\r\n", {"a\r\n", " \r\n", "b\r\n"}},
      {u"RemoveEmptyLines()", u"\r\n\r\n", {}},
      {u"RemoveLineBreaks()", u"a\r\n\r\nb\r\n \r\nc", {"a b   c\r\n"}},
      {u"RemoveLineBreaks()", u"\r\nb", {" b\r\n"}},
      {u"RemoveLineBreaks()", std::nullopt, {}},
      {u"WordsToLines( 'y' )", u"a 12 b3\r\n7", {"a\r\n", "b3\r\n"}},
      {u"WordsToLines( 'n' )", u"a 12 b3\r\n...", {"a\r\n", "12\r\n", "b3\r\n"}},
      {u"WordSeparators( ' ' )\r\nWordsToLines( 'n' )", u"a-b  c\\d", {"a-b\r\n", "c\\d\r\n"}},
      {u"WordSeparators( '' )\r\nWordsToLines( 'n' )", u"a\tb-c", {"a\r\n", "b-c\r\n"}},
      {u"WordSeparators( |-\\| )\r\nWordsToLines( 'n' )", u"a-b\\c d", {"a\r\n", "b\r\n", "c d\r\n"}},
  };
  Check(rows);
}

}  // namespace
}  // namespace tolvane::modifier
