#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "Functionfixture.h"

namespace tolvane::modifier {
namespace {

class SortTest : public FunctionTest {};

TEST_F(SortTest, SortsStablyAndCaseSensitiveYesIgnoresCase) {
  const TRow rows[] = {
      // "b" and "B" are equal when case is ignored: they keep their order, and descending reverses it.
      {u"Sort( 'n', 'y' )", u"b\r\nB\r\na\r\n", {"a\r\n", "b\r\n", "B\r\n"}},
      {u"Sort( 'y', 'y' )", u"b\r\nB\r\na\r\n", {"B\r\n", "b\r\n", "a\r\n"}},
      {u"Sort( 'n', 'y' )", u"B\r\nb\r\na\r\n", {"a\r\n", "B\r\n", "b\r\n"}},
      // Respecting case, the locale puts lower case first.
      {u"Sort( 'n', 'n' )", u"B\r\nb\r\na\r\n", {"a\r\n", "b\r\n", "B\r\n"}},
      {u"Sort( 'y', 'n' )", u"B\r\nb\r\na\r\n", {"B\r\n", "b\r\n", "a\r\n"}},
      // Collation, not code units: the accented letter sorts with its base letter.
      {u"Sort( 'n', 'n' )", u"b\r\n\u00E4\r\nz\r\na\r\n", {"a\r\n", "\u00E4\r\n", "b\r\n", "z\r\n"}},
      {u"Sort( 'n', 'n' )", u"b\r\n\r\na\r\n", {"\r\n", "a\r\n", "b\r\n"}},
      {u"Sort( 'y', 'n' )", u"x", {"x"}},
      {u"Sort( 'y', 'n' )", std::nullopt, {}},
  };
  Check(rows);
}

TEST_F(SortTest, LineBreaksStayInPlaceWhileTheLinesMove) {
  const TRow rows[] = {
      // Without the final break staying last, "a" would be glued to "B".
      {u"Sort( 'n', 'y' )", u"b\r\nB\r\na", {"a\r\n", "b\r\n", "B"}},
      {u"Sort( 'y', 'n' )", u"a\r\nc\r\nb", {"c\r\n", "b\r\n", "a"}},
      {u"SortOnWordNr( '2', 'n', 'n' )", u"x 3\r\ny 1\r\nz 2", {"y 1\r\n", "z 2\r\n", "x 3"}},
  };
  Check(rows);
}

TEST_F(SortTest, SortsOnKeysAndKeepsKeylessLinesLastInTheirOrder) {
  const TRow rows[] = {
      {u"SortOnWordNr( '2', 'y', 'n' )",
       u"x 3\r\nnone\r\ny 1\r\nz 2\r\nlast\r\n",
       {"x 3\r\n", "z 2\r\n", "y 1\r\n", "none\r\n", "last\r\n"}},
      {u"SortOnWordNr( '0', 'n', 'n' )", u"b x\r\na y\r\n", {"a y\r\n", "b x\r\n"}},
      {u"SortOnWordAfterSign( '=', 'n', 'n' )",
       u"a=c\r\nb= a\r\nc\r\nd=\r\n",
       {"b= a\r\n", "a=c\r\n", "c\r\n", "d=\r\n"}},
      {u"SortOnWordBeforeSign( ':', 'n', 'y' )",
       u"x B:\r\ny a :\r\n:z\r\nw b:\r\n",
       {"y a :\r\n", "x B:\r\n", "w b:\r\n", ":z\r\n"}},
      {u"SortOnWordBeforeSign( ':', 'y', 'y' )",
       u"x B:\r\ny a :\r\n:z\r\nw b:\r\n",
       {"w b:\r\n", "x B:\r\n", "y a :\r\n", ":z\r\n"}},
  };
  Check(rows);
}

class BreakTest : public FunctionTest {};

TEST_F(BreakTest, BreaksAtTheWidthAndIndentsContinuations) {
  const TRow rows[] = {
      {u"BreakLines( '10', 'n', '' )", u"one two three four", {"one two\r\n", "three four"}},
      {u"BreakLines( '5', 'n', '' )", u"abcdefghij", {"abcde\r\n", "fghij"}},
      {u"BreakLines( '5', 'n', '' )", u"abcdefghij\r\nab\r\n", {"abcde\r\n", "fghij\r\n", "ab\r\n"}},
      {u"BreakLines( '10', 'n', '  ' )",
       u"one two three four five",
       {"one two\r\n", "  three\r\n", "  four\r\n", "  five"}},
      {u"BreakLines( '8', 'y', '' )", u"  aaa bbb ccc", {"  aaa\r\n", "  bbb\r\n", "  ccc"}},
      // Below 2 counts as 2; short lines are never joined.
      {u"BreakLines( '0', 'n', '' )", u"abc\r\nd", {"ab\r\n", "c\r\n", "d"}},
      // An indent as wide as the line still gives one character per continuation line.
      {u"BreakLines( '4', 'n', '>>>>>' )", u"abcdefg", {"abcd\r\n", ">>>>>e\r\n", ">>>>>f\r\n", ">>>>>g"}},
      {u"BreakLinesAfter( ',', '1', 'n', '' )", u"a,b,c", {"a,\r\n", "b,\r\n", "c"}},
      {u"BreakLinesAfter( ',', '3', 'n', '' )", u"a,b,c,d", {"a,b,\r\n", "c,d"}},
      {u"BreakLinesAfter( ',', '0', 'y', '+' )", u" a,b,", {" a,\r\n", "+ b,"}},
      {u"BreakLinesBefore( ',', '1', 'n', '' )", u"a,b,c", {"a\r\n", ",b\r\n", ",c"}},
      {u"BreakLinesBefore( ',', '1', 'n', '..' )", u"a,b,c\r\n", {"a\r\n", "..,b\r\n", "..,c\r\n"}},
      {u"BreakLinesBefore( '', '1', 'n', '' )", u"a,b", {"a,b"}},
      {u"BreakLinesAfter( ',', '1', 'n', '>>' )", u"a,b", {"a,\r\n", ">>b"}},
      {u"BreakLines( '5', 'n', '' )", std::nullopt, {}},
  };
  Check(rows);
}

TEST_F(BreakTest, ReplyLinesAreTrimmedBrokenAndQuoted) {
  const TRow rows[] = {
      {u"Break_NG_ReplyLines( '12' )",
       u"> > one two three four\r\n\r\n|x",
       {"> one two\r\n", "> three four\r\n", "> \r\n", "> x"}},
      {u"Break_NG_ReplyLines( '0' )", u"abc", {"> ab\r\n", "> c"}},
  };
  Check(rows);
}

// Breaking a line piece by piece, each remainder becoming a line of its own and broken again: what the
// break functions must produce, however they avoid copying the remainders.
using TLineBreak = std::function<std::u16string(TClipLine&, int)>;

TTexts BrokenOneByOne(std::u16string_view text, int width, std::u16string_view fixedIndent,
                      const TLineBreak& split) {
  TClipLines lines = LinesFromText(text);
  const bool lastHadBreak = lines.Last()->HasLineBreak;
  const int continuation = std::max(width - static_cast<int>(fixedIndent.size()), 1);
  TClipLines broken;
  for (TClipLine& line : lines.ReleaseAll()) {
    std::u16string remainder = split(line, width);
    broken.Add(std::move(line));
    while (!remainder.empty()) {
      TClipLine next(std::move(remainder), true);
      remainder = split(next, continuation);
      next.Text.Edit().insert(0, fixedIndent);
      broken.Add(std::move(next));
    }
  }
  for (TClipLine& line : broken)
    line.HasLineBreak = true;
  broken.Last()->HasLineBreak = lastHadBreak;
  return LineTexts(broken);
}

TEST_F(BreakTest, BreakingAllLinesMatchesBreakingEachRemainderInTurn) {
  // Blanks, TABs, break characters and the texts searched for, with indentation that an automatic indent
  // carries over and fixed indents as wide as the line.
  const std::u16string_view pieces[] = {u"  ",  u"\t", u"ab", u",",  u", ",
                                        u"cde", u"=",  u" ",  u" ,", u"fghijk"};
  std::mt19937 random(99);
  for (int round = 0; round < 400; ++round) {
    std::u16string text;
    for (int i = 0, count = 1 + static_cast<int>(random() % 30); i < count; ++i) {
      text += pieces[random() % std::size(pieces)];
      if (random() % 12 == 0)
        text += u"\r\n";
    }
    const int width = static_cast<int>(random() % 9) + 2;
    const bool autoIndent = random() % 2 == 0;
    const std::u16string fixedIndent(random() % 4, u'>');
    const std::u16string needle = random() % 2 == 0 ? u"," : u" ,";
    const std::u16string shape =
        Utf8ToUtf16(std::to_string(width) + (autoIndent ? "', 'y', '" : "', 'n', '")) + fixedIndent + u"' )";
    SCOPED_TRACE(Utf16ToUtf8(text) + " / " + Utf16ToUtf8(needle) + " / " + Utf16ToUtf8(shape));
    EXPECT_EQ(Apply(u"BreakLines( '" + shape, text),
              BrokenOneByOne(text, width, fixedIndent,
                             [&](TClipLine& line, int w) { return line.BreakAtWidth(w, autoIndent); }));
    EXPECT_EQ(Apply(u"BreakLinesAfter( '" + needle + u"', '" + shape, text),
              BrokenOneByOne(text, width, fixedIndent,
                             [&](TClipLine& line, int w) { return line.BreakAfter(needle, w, autoIndent); }));
    EXPECT_EQ(Apply(u"BreakLinesBefore( '" + needle + u"', '" + shape, text),
              BrokenOneByOne(text, width, fixedIndent, [&](TClipLine& line, int w) {
                return line.BreakBefore(needle, w, autoIndent);
              }));
  }
}

}  // namespace
}  // namespace tolvane::modifier
