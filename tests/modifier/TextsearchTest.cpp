#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/Unicode.h"
#include "modifier/Qxclipline.h"
#include "modifier/Textreplace.h"
#include "modifier/Unitsearch.h"

namespace tolvane::modifier {
namespace {

// Texts over a small alphabet, so that needles occur often, at every offset against the blocks the search
// takes, and at the very end.
constexpr std::u16string_view SearchAlphabet = u"ab\r\u00E4\xFFFF";

std::u16string RandomText(std::mt19937& random, std::size_t maxLength,
                          std::u16string_view alphabet = SearchAlphabet) {
  std::u16string text(random() % (maxLength + 1), u' ');
  for (char16_t& c : text)
    c = alphabet[random() % alphabet.size()];
  return text;
}

// Every occurrence replaced left to right without overlap, one search at a time.
std::u16string ReplacedOneByOne(std::u16string text, std::u16string_view from, std::u16string_view to) {
  for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

TEST(TextSearchTest, FindsWhatTheStandardSearchFinds) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    const std::u16string text = RandomText(random, 40);
    const std::u16string needle = RandomText(random, 3) + u'a';
    const std::size_t from = random() % (text.size() + 2);
    SCOPED_TRACE(Utf16ToUtf8(text) + " / " + Utf16ToUtf8(needle) + " from " + std::to_string(from));
    EXPECT_EQ(FindUnit(text, needle[0], from), text.find(needle[0], from));
    EXPECT_EQ(FindText(text, needle, from), text.find(needle, from));
  }
}

TEST(TextSearchTest, ReplacingMatchesReplacingOneOccurrenceAtATime) {
  // Replacements shorter, as long as and longer than what they replace: the first two are written over the
  // text itself.
  std::mt19937 random(11);
  for (int round = 0; round < 20000; ++round) {
    const std::u16string original = RandomText(random, 40);
    const std::u16string from = u'a' + RandomText(random, 2);
    const std::u16string to = RandomText(random, 4);
    SCOPED_TRACE(Utf16ToUtf8(original) + " / " + Utf16ToUtf8(from) + " / " + Utf16ToUtf8(to));
    std::u16string text = original;
    ReplaceAll(text, from, to);
    EXPECT_EQ(text, ReplacedOneByOne(original, from, to));
  }
}

TEST(TextSearchTest, ReplacingInLinesMatchesReplacingInEachLine) {
  // Lines that view their source, lines with a copy of their own, a last line without a break and lines
  // holding a CR LF of their own; the rewritten lines must each view the new block in order.
  std::mt19937 random(13);
  for (int round = 0; round < 3000; ++round) {
    TClipLines lines = LinesFromText(RandomText(random, 60));
    std::vector<std::u16string> expected;
    bool occurs = false;
    const std::u16string from = u'a' + RandomText(random, 2);
    const std::u16string to = RandomText(random, 4);
    for (TClipLine& line : lines) {
      if (random() % 3 == 0)
        line.Text.Edit() += u"a\r\nb";
      expected.push_back(ReplacedOneByOne(std::u16string(line.Text.View()), from, to));
      occurs = occurs || expected.back() != line.Text.View();
    }
    if (lines.Last() != nullptr && random() % 2 == 0)
      lines.Last()->HasLineBreak = false;
    SCOPED_TRACE(Utf16ToUtf8(JoinedText(lines)) + " / " + Utf16ToUtf8(from) + " / " + Utf16ToUtf8(to));
    ReplaceInLines(lines, from, to);
    ASSERT_EQ(lines.Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < lines.Count(); ++i)
      EXPECT_EQ(lines[i]->Text.View(), expected[static_cast<std::size_t>(i)]);
    // Lines that changed now spell one block, which a save hands over whole.
    if (occurs) {
      const platform::TSharedText spelled = lines.SpelledSource();
      ASSERT_TRUE(spelled);
      EXPECT_EQ(*spelled, JoinedText(lines));
    }
  }
}

// A list read from a text but not yet cut must behave exactly as one already cut: the same lines, breaks and
// saved text after a replacement, whether the new texts hold a CR, leave the last line empty or change
// nothing, and whether the source breaks with CR LF, a lone CR or LF only.
TEST(TextSearchTest, ReplacingBeforeTheLinesAreCutGivesWhatReplacingAfterGives) {
  constexpr std::u16string_view alphabet = u"ab\r\n";
  std::mt19937 random(17);
  for (int round = 0; round < 5000; ++round) {
    const std::u16string text = RandomText(random, 30, alphabet);
    const std::u16string from = u'a' + RandomText(random, 1, alphabet);
    const std::u16string to = RandomText(random, 3, alphabet);
    SCOPED_TRACE(Utf16ToUtf8(text) + " / " + Utf16ToUtf8(from) + " / " + Utf16ToUtf8(to));
    TClipLines uncut = LinesFromText(text);
    TClipLines cut = LinesFromText(text);
    (void)cut.Count();
    const platform::TSharedText spelledBefore = uncut.SpelledSource();
    ASSERT_EQ(spelledBefore != nullptr, cut.SpelledSource() != nullptr);
    ReplaceInLines(uncut, from, to);
    ReplaceInLines(cut, from, to);
    const platform::TSharedText uncutSpelled = uncut.SpelledSource();
    const platform::TSharedText cutSpelled = cut.SpelledSource();
    ASSERT_EQ(uncutSpelled != nullptr, cutSpelled != nullptr);
    if (uncutSpelled) {
      EXPECT_EQ(*uncutSpelled, *cutSpelled);
    }
    ASSERT_EQ(uncut.Count(), cut.Count());
    for (int i = 0; i < cut.Count(); ++i) {
      EXPECT_EQ(uncut[i]->Text.View(), cut[i]->Text.View()) << "line " << i;
      EXPECT_EQ(uncut[i]->HasLineBreak, cut[i]->HasLineBreak) << "line " << i;
    }
  }
}

}  // namespace
}  // namespace tolvane::modifier
