#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "Modifierfixture.h"
#include "common/Unicode.h"
#include "modifier/Qxclipline.h"

namespace tolvane::modifier {
namespace {

using TTexts = std::vector<std::string>;

TEST(ClipLinesTest, CrEndsALineAndTakesOnlyAFollowingLf) {
  struct TRow {
    std::u16string Text;
    TTexts Lines;
  };
  const TRow rows[] = {
      {u"a\r\nb", {"a\r\n", "b"}},
      {u"a\r\n", {"a\r\n"}},
      {u"", {}},
      {u"a\nb", {"a\nb"}},
      {u"a\r", {"a\r\n"}},
      {u"\r\n\r\n", {"\r\n", "\r\n"}},
      // The character after a lone CR belongs to the next line.
      {u"a\rbc", {"a\r\n", "bc"}},
      {u"a\r\r\nb", {"a\r\n", "\r\n", "b"}},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(LineTexts(LinesFromText(row.Text)), row.Lines) << Utf16ToUtf8(row.Text);
}

TEST(ClipLinesTest, JoiningGivesBackTextsWithCrLfBreaks) {
  for (const std::u16string text : {u"a\r\nb", u"a\r\nb\r\n", u"", u"\r\n", u"x\ny\r\n\r\nz"})
    EXPECT_EQ(JoinedText(LinesFromText(text)), text) << Utf16ToUtf8(text);
  EXPECT_EQ(JoinedText(LinesFromText(u"a\rb\r")), u"a\r\nb\r\n");
}

TEST(LineTextTest, CutsKeepAViewAndEditsWorkOnAnOwnCopy) {
  const std::u16string shared = u"  one two  ";
  TLineText text = TLineText::Viewing(shared);
  text.DropFront(2);
  text.Truncate(7);
  EXPECT_TRUE(text.IsView());
  EXPECT_EQ(text, u"one two");
  TLineText copy = text;
  copy.Edit()[0] = u'O';
  copy.Edit() += u'!';
  EXPECT_FALSE(copy.IsView());
  EXPECT_EQ(copy, u"One two!");
  EXPECT_EQ(text, u"one two");
  EXPECT_EQ(shared, u"  one two  ");
  // Cutting past either end leaves an empty text, never a view outside the shared one.
  text.Truncate(50);
  EXPECT_EQ(text, u"one two");
  text.DropFront(50);
  EXPECT_TRUE(text.empty());
  copy.DropFront(4);
  copy.Truncate(3);
  EXPECT_EQ(copy, u"two");
  text = copy;
  copy = TLineText::Viewing(shared);
  EXPECT_EQ(text, u"two");
  EXPECT_EQ(copy, shared);
}

// Under the sanitizers a text handed over twice, or a view taken for an own string, fails here.
TEST(LineTextTest, MovesAndAssignmentsHandOverTheTextOnce) {
  const std::u16string shared = u"viewed text";
  std::vector<TLineText> texts;
  texts.push_back(TLineText::Viewing(shared));
  texts.push_back(TLineText(std::u16string(u"own text longer than a short string")));
  texts.emplace_back();
  texts.push_back(std::u16string(u"s"));
  for (int round = 0; round < 3; ++round) {
    texts.insert(texts.begin(), texts.back());  // the first insert reallocates: every text moves
    texts.pop_back();
  }
  std::vector<std::u16string> seen;
  for (const TLineText& text : texts)
    seen.emplace_back(text.View());
  EXPECT_EQ(seen,
            (std::vector<std::u16string>{u"own text longer than a short string", u"", u"s", u"viewed text"}));
  TLineText view = TLineText::Viewing(shared);
  TLineText taken = std::move(view);
  EXPECT_TRUE(taken.IsView());
  EXPECT_TRUE(view.View().empty());  // NOLINT(bugprone-use-after-move): a moved-from text is empty
  view = std::u16string(u"new");
  taken = std::u16string(u"over the view");
  EXPECT_FALSE(taken.IsView());
  taken = view;
  EXPECT_EQ(taken, u"new");
  view.Edit() += u"er";
  EXPECT_EQ(taken, u"new");
  EXPECT_EQ(view, u"newer");
  EXPECT_EQ(shared, u"viewed text");
}

TEST(ClipLinesTest, LinesReadFromATextOutliveTheCallersCopyOfIt) {
  auto text = std::make_unique<std::u16string>(u"first line\r\nsecond");
  TClipLines lines = LinesFromText(*text);
  text.reset();
  EXPECT_EQ(LineTexts(lines), (TTexts{"first line\r\n", "second"}));
  TClipLines::TStorage released = lines.ReleaseAll();
  lines.Assign(std::move(released));
  EXPECT_EQ(JoinedText(lines), u"first line\r\nsecond");
}

TEST(WordsTest, SplitAtTheSeparatorSetAndAtControlCharacters) {
  TSeparatorSet separators;
  EXPECT_EQ(Utf8Texts(SplitWords(u"foo(bar) baz", separators)), (TTexts{"foo", "bar", "baz"}));
  EXPECT_EQ(Utf8Texts(SplitWords(u" \t.,;", separators)), TTexts{});
  EXPECT_EQ(Utf8Texts(SplitWords(u"it's", separators)), (TTexts{"it", "s"}));
  separators.Assign(u" ");
  // TAB separates only when listed; other control characters always do.
  EXPECT_EQ(Utf8Texts(SplitWords(u"a\tb c(d)\x01"
                                 u"e\nf",
                                 separators)),
            (TTexts{"a\tb", "c(d)", "e", "f"}));
  separators.Assign(std::u16string(300, u'x'));
  EXPECT_EQ(separators.Text().size(), TSeparatorSet::MaxLength);
  separators.Reset();
  EXPECT_EQ(separators.Text().size(), 28u);
}

TEST(WordsTest, LocatesWordN) {
  struct TRow {
    const char16_t* Text;
    int N;
    int Offset;  // -1: no such word
    int Length;
  };
  const TRow rows[] = {
      {u"foo(bar) baz", 3, 9, 3},  {u"foo(bar) baz", 2, 4, 3}, {u"foo(bar) baz", 0, 0, 3},
      {u"foo(bar) baz", -4, 0, 3}, {u"a b c", 5, -1, -1},      {u"  x", 1, 2, 1},
      {u"a b  ", 3, -1, -1},       {u"", 1, -1, -1},           {u"a b c", INT_MAX, -1, -1},
  };
  const TSeparatorSet separators;
  for (const TRow& row : rows) {
    TClipLine line(row.Text);
    EXPECT_EQ(line.LocateWord(row.N, separators), row.Offset >= 0) << Utf16ToUtf8(row.Text) << ' ' << row.N;
    EXPECT_EQ(line.KeyOffset, row.Offset);
    EXPECT_EQ(line.KeyStart, row.Offset);
    EXPECT_EQ(line.KeyLength, row.Length);
  }
}

TEST(WordsTest, LocatesTheWordsAroundTheFirstSign) {
  struct TRow {
    const char16_t* Text;
    char16_t Sign;
    const char* After;  // null: no key
    const char* Before;
  };
  const TRow rows[] = {
      {u"key = value = x", u'=', "value", "key"},
      {u"a.b=c", u'=', "c", "b"},
      {u"ab@cd", u'@', "cd", "ab"},  // a sign that is no separator
      {u"a=", u'=', nullptr, "a"},
      {u"=b", u'=', "b", nullptr},
      {u" = ", u'=', nullptr, nullptr},
      {u"x", u'=', nullptr, nullptr},
  };
  const TSeparatorSet separators;
  for (const TRow& row : rows) {
    TClipLine line(row.Text);
    EXPECT_EQ(line.LocateWordAfterSign(row.Sign, separators), row.After != nullptr) << Utf16ToUtf8(row.Text);
    EXPECT_EQ(Utf16ToUtf8(line.Key()), row.After != nullptr ? row.After : "");
    EXPECT_EQ(line.LocateWordBeforeSign(row.Sign, separators), row.Before != nullptr)
        << Utf16ToUtf8(row.Text);
    EXPECT_EQ(Utf16ToUtf8(line.Key()), row.Before != nullptr ? row.Before : "");
  }
}

TEST(ColumnsTest, InsertsPaddingSoTheSignReachesTheColumn) {
  struct TRow {
    const char16_t* Text;
    int Column;
    const char* Result;
  };
  const TRow rows[] = {
      {u"a=1", 3, "a  =1"}, {u"bbb=2", 3, "bbb=2"}, {u"bbb=2", 1, "bbb=2"}, {u"none", 3, "none"}};
  for (const TRow& row : rows) {
    TClipLine line(row.Text);
    (void)line.LocateSign(u'=');
    line.InsertAtColumn(row.Column, u' ');
    EXPECT_EQ(Utf16ToUtf8(line.Text), row.Result);
  }
}

TEST(ColumnsTest, PadsOrCutsToALength) {
  struct TRow {
    const char16_t* Text;
    int Length;
    const char* Left;
    const char* Right;
  };
  const TRow rows[] = {
      {u"ab", 4, "..ab", "ab.."},   {u"abcdef", 4, "abcd", "abcd"},
      {u"abcd", 4, "abcd", "abcd"}, {u"", 2, "..", ".."},
      {u"ab", -1, "", ""},
  };
  for (const TRow& row : rows) {
    TClipLine left(row.Text);
    left.PadLeft(row.Length, u'.');
    EXPECT_EQ(Utf16ToUtf8(left.Text), row.Left);
    TClipLine right(row.Text);
    right.PadRight(row.Length, u'.');
    EXPECT_EQ(Utf16ToUtf8(right.Text), row.Right);
  }
}

TEST(BlanksTest, TrimsEachBlankSetAtTheChosenEnds) {
  TClipLine line(u"\t \u00A0x y\u2028\u0085 ");
  line.Trim(TTrimSide::Left);
  EXPECT_EQ(line.Text, u"x y\u2028\u0085 ");
  line.Trim(TTrimSide::Right);
  EXPECT_EQ(line.Text, u"x y");
  TClipLine blanks(u" \t\t \u2029");
  blanks.Trim(TTrimSide::Both);
  EXPECT_EQ(blanks.Text, u"");

  TClipLine special(u"*-\u00A0x-*\r");
  special.TrimSpecial(TTrimSide::Right, u"*-");
  EXPECT_EQ(special.Text, u"*-\u00A0x");
  // No-break space is blank only in the first set.
  special.TrimSpecial(TTrimSide::Both, u"*-");
  EXPECT_EQ(special.Text, u"\u00A0x");
}

TEST(BlanksTest, IndentationLeavesTheLastCharacterOut) {
  EXPECT_EQ(TClipLine(u"  \tab").LeadingIndentation(), u"  \t");
  EXPECT_EQ(TClipLine(u"   ").LeadingIndentation(), u"  ");
  EXPECT_EQ(TClipLine(u"").LeadingIndentation(), u"");
  EXPECT_EQ(TClipLine(u"x  ").LeadingIndentation(), u"");
}

TEST(BreakingTest, BreaksAtTheLastBreakCharacterWithinTheWidth) {
  struct TRow {
    const char16_t* Text;
    int Width;
    bool AutoIndent;
    const char* Kept;
    const char* Remainder;
  };
  const TRow rows[] = {
      {u"abcde fgh", 5, false, "abcde", "fgh"},
      {u"abc defghij", 5, false, "abc", "defghij"},
      {u"abc", 5, false, "abc", ""},
      {u"abcde", 5, false, "abcde", ""},
      {u"a=bcdef", 3, false, "a", "=bcdef"},
      {u"=abcdef", 3, false, "=ab", "cdef"},  // index 0 is never a break
      {u"  ab cd", 5, true, "  ab", "  cd"},
      {u" ab  ", 3, true, " ab", ""},  // nothing left, so no indentation either
      {u"abc", 0, false, "a", "bc"},
  };
  for (const TRow& row : rows) {
    TClipLine line(row.Text);
    EXPECT_EQ(Utf16ToUtf8(line.BreakAtWidth(row.Width, row.AutoIndent)), row.Remainder)
        << Utf16ToUtf8(row.Text);
    EXPECT_EQ(Utf16ToUtf8(line.Text), row.Kept);
  }
}

TEST(BreakingTest, OnlyControlCharactersAndTheListedSignsBreakAtAWidth) {
  const std::u16string_view signs = u"& {}\\=|/~";
  for (char16_t c = 0; c < 0x180; ++c) {
    TClipLine line(std::u16string(u"ab") + c + u"cdef");
    (void)line.BreakAtWidth(4, false);
    const bool breaks = c < 32 || signs.find(c) != std::u16string_view::npos;
    EXPECT_EQ(line.Text, breaks ? std::u16string(u"ab") : std::u16string(u"ab") + c + u'c') << int{c};
  }
}

TEST(BreakingTest, BreaksAfterOrBeforeAText) {
  struct TRow {
    const char16_t* Text;
    const char16_t* At;
    int MinLength;
    bool AutoIndent;
    const char* AfterKept;
    const char* AfterRemainder;
    const char* BeforeKept;
    const char* BeforeRemainder;
  };
  const TRow rows[] = {
      {u"a, b, c", u", ", 1, false, "a, ", "b, c", "a", ", b, c"},
      {u"a, b, c", u", ", 3, false, "a, ", "b, c", "a, b", ", c"},
      {u"abc", u"c", 0, false, "abc", "", "ab", "c"},
      {u"abc", u"c", 3, false, "abc", "", "abc", ""},
      {u"abc", u"", 1, false, "abc", "", "abc", ""},
      {u"xaxb", u"x", 0, false, "x", "axb", "xa", "xb"},
      {u"  a;b", u";", 1, true, "  a;", "  b", "  a", "  ;b"},
  };
  for (const TRow& row : rows) {
    TClipLine after(row.Text);
    EXPECT_EQ(Utf16ToUtf8(after.BreakAfter(row.At, row.MinLength, row.AutoIndent)), row.AfterRemainder);
    EXPECT_EQ(Utf16ToUtf8(after.Text), row.AfterKept);
    TClipLine before(row.Text);
    EXPECT_EQ(Utf16ToUtf8(before.BreakBefore(row.At, row.MinLength, row.AutoIndent)), row.BeforeRemainder);
    EXPECT_EQ(Utf16ToUtf8(before.Text), row.BeforeKept);
  }
}

TEST(BreakingTest, EveryBreakShortensWhatIsLeft) {
  // Breaking loops feed each remainder back in; they end only because every remainder is shorter.
  using TBreak = std::u16string (*)(TClipLine&, int);
  const TBreak breaks[] = {
      [](TClipLine& line, int width) { return line.BreakAtWidth(width, true); },
      [](TClipLine& line, int width) { return line.BreakAfter(u";", width, true); },
      [](TClipLine& line, int width) { return line.BreakBefore(u";", width, true); },
  };
  for (const TBreak split : breaks) {
    for (const std::u16string text : {u"    x x x x", u"\t\t;;;;", u"  ;a;b;c", u";;;", u"  ;"}) {
      for (int width = -1; width < 4; ++width) {
        std::u16string rest = text;
        while (!rest.empty()) {
          TClipLine line(rest);
          std::u16string next = split(line, width);
          ASSERT_LT(next.size(), rest.size()) << Utf16ToUtf8(text) << " width " << width;
          rest = std::move(next);
        }
      }
    }
  }
}

TEST(NumberTextTest, RightAlignsTheDecimalNumber) {
  struct TRow {
    std::int32_t Number;
    int Width;
    char16_t Padding;
    const char* Text;
  };
  const TRow rows[] = {
      {7, 3, u'0', "007"},  {12345, 2, u' ', "12345"},           {0, 0, u' ', "0"},
      {0, 2, u' ', " 0"},   {5, 15, u'.', ".........5"},         {-5, 3, u'0', "-05"},
      {-5, 3, u' ', " -5"}, {INT32_MIN, 0, u' ', "-2147483648"},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(Utf16ToUtf8(NumberText(row.Number, row.Width, row.Padding)), row.Text) << row.Number;
}

class SortComparisonTest : public ModifierTest {};

TEST_F(SortComparisonTest, FollowsTheLocaleAndPutsKeylessLinesLast) {
  EXPECT_FALSE(TextLess(u"b", u"B", true, Locale));
  EXPECT_FALSE(TextLess(u"B", u"b", true, Locale));
  EXPECT_TRUE(TextLess(u"b", u"B", false, Locale) != TextLess(u"B", u"b", false, Locale));
  EXPECT_TRUE(TextLess(u"\u00E4", u"b", false, Locale));

  TClipLines lines = LinesFromText(u"x 3\r\nnone\r\ny 1\r\nz\r\nw 2");
  const TSeparatorSet separators;
  for (TClipLine& line : lines)
    (void)line.LocateWord(2, separators);
  lines.Sort(0, lines.Count(),
             [this](const TClipLine& a, const TClipLine& b) { return KeyLess(a, b, false, Locale); });
  EXPECT_EQ(LineTexts(lines), (TTexts{"y 1\r\n", "w 2", "x 3\r\n", "none\r\n", "z\r\n"}));
}

}  // namespace
}  // namespace tolvane::modifier
