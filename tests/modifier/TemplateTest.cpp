#include <gtest/gtest.h>

#include "common/Unicode.h"
#include "modifier/Template.h"
#include "modifier/Textreplace.h"

namespace tolvane::modifier {
namespace {

TEST(TemplateTest, FillsVarsThenWordsThenTheLine) {
  struct TRow {
    const char16_t* Template;
    std::vector<std::u16string> Vars;
    std::vector<std::u16string> Words;
    const char16_t* Line;
    const char* Result;
  };
  const std::vector<std::u16string> tenVars = {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"ten"};
  const TRow rows[] = {
      {u"[VAR2]-[WORD1]-[LINE]", {u"p", u"q"}, {u"x", u"y"}, u"x y", "q-x-x y"},
      {u"[WORD5][VAR1][line]", {}, {u"a", u"b", u"c"}, u"a b c", "[WORD5][VAR1][line]"},
      // VAR 10 and up continue after "9" in character codes.
      {u"[VAR1] [VAR:] [VAR10]", tenVars, {}, u"", "1 ten [VAR10]"},
      // Later placeholders are replaced in text that earlier ones inserted ...
      {u"[VAR1]", {u"[WORD1]"}, {u"w"}, u"w", "w"},
      {u"[WORD1]", {}, {u"[WORD2]", u"b"}, u"", "b"},
      // ... but no replacement searches what it inserted itself.
      {u"[LINE][LINE]", {}, {}, u"[LINE]", "[LINE][LINE]"},
      {u"[VAR1]", {u"[VAR1]"}, {}, u"", "[VAR1]"},
      {u"<[LINE]>\r\n", {}, {}, u"x", "<x>\r\n"},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(Utf16ToUtf8(FillTemplate(row.Template, row.Vars, row.Words, row.Line)), row.Result)
        << Utf16ToUtf8(row.Template);
}

TEST(TemplateTest, PlaceholdersAreTakenInNumberOrderHoweverManyValuesThereAre) {
  // A value bringing in the placeholder of an earlier number is too late for it, one of a later number is
  // not.
  EXPECT_EQ(FillTemplate(u"[VAR2]", {u"a", u"[VAR1][VAR3]", u"c"}, {}, u""), u"[VAR1]c");
  EXPECT_EQ(FillTemplate(u"[WORD3] [WORD1]", {}, {u"[WORD3]", u"b", u"c"}, u""), u"c c");
  // The character after the stem wraps around after U+FFFF: VAR 65537 has the placeholder of VAR 1 again
  // and replaces what VAR 1 put there, VAR 65488 has U+0000.
  std::vector<std::u16string> vars(65537, u"-");
  vars[0] = u"[VAR1]";
  vars[65487] = u"nul";
  vars[65536] = u"wrapped";
  EXPECT_EQ(FillTemplate(u"[VAR1] [VAR" + std::u16string(1, u'\0') + u"]", vars, {}, u""), u"wrapped nul");
  EXPECT_EQ(FillTemplate(u"[VAR\uFFFF]", vars, {}, u""), u"-");
}

TEST(TemplateTest, TheBlockNeedsTwoLinesAfterBeginAndEndsAtTheFirstEndLine) {
  struct TRow {
    std::vector<std::u16string> Script;
    std::size_t Begin;
    int End;  // -1: missing
  };
  const TRow rows[] = {
      {{u"B", u"t", u"ApplyToThisTemplateEnd()"}, 0, 2},
      {{u"B", u"ApplyToThisTemplateEnd()", u"x"}, 0, 1},
      {{u"x", u"B", u"ApplyToThisTemplateEnd()"}, 1, -1},
      {{u"B"}, 0, -1},
      {{u"B", u"t", u"u"}, 0, -1},
      {{u"B", u"t", u"applytothistemplateend()", u"  ApplyToThisTemplateEnd()x", u"ApplyToThisTemplateEnd()"},
       0,
       3},
  };
  for (const TRow& row : rows) {
    const std::optional<std::size_t> end = FindTemplateEnd(row.Script, row.Begin);
    EXPECT_EQ(end ? static_cast<int>(*end) : -1, row.End) << Utf16ToUtf8(row.Script.back());
  }
  const std::vector<std::u16string> script = {u"B", u"", u" a ", u"E"};
  EXPECT_EQ(TemplateText(script, 0, 3), u"\r\n a ");
  EXPECT_EQ(TemplateText(script, 0, 2), u"");
}

TEST(TemplateTest, ReplacesAllOccurrencesWithoutOverlap) {
  struct TRow {
    const char16_t* Text;
    const char16_t* From;
    const char16_t* To;
    const char* Result;
  };
  const TRow rows[] = {
      {u"aaa", u"aa", u"b", "ba"}, {u"aa", u"a", u"aa", "aaaa"}, {u"abc", u"", u"x", "abc"},
      {u"abc", u"B", u"x", "abc"}, {u"abab", u"ab", u"", ""},
  };
  for (const TRow& row : rows) {
    std::u16string text = row.Text;
    ReplaceAll(text, row.From, row.To);
    EXPECT_EQ(Utf16ToUtf8(text), row.Result);
  }
}

}  // namespace
}  // namespace tolvane::modifier
