#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tolvane::modifier
