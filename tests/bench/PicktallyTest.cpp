#include "Picktally.h"

#include <gtest/gtest.h>

namespace tolvane::bench {
namespace {

const std::vector<std::u16string> kTexts{u"alpha;", u"bravo;", u"zulu\r\n"};
constexpr int A = 0;
constexpr int B = 1;
constexpr int M = 2;

std::u16string Joined(const std::vector<int>& kinds) {
  std::u16string text;
  for (const int kind : kinds)
    text += kTexts[static_cast<std::size_t>(kind)];
  return text;
}

TEST(PickTallyTest, EveryPickInOrderIsCorrect) {
  const std::vector<int> picks{A, B, M, A, B, M, A};
  const TPickTally tally = TallyPicks(kTexts, picks, Joined(picks));
  EXPECT_TRUE(tally.Clean());
  EXPECT_EQ(tally.Correct, 7);
  EXPECT_TRUE(tally.Problems.empty());
  EXPECT_TRUE(TallyPicks(kTexts, {}, u"").Clean());
}

TEST(PickTallyTest, OldClipboardContentIsOneWrongPickNotAMissingAndADoubledOne) {
  const std::vector<int> picks{A, B, M, A, B, M};
  // The fourth pick pasted what the clipboard held from the second.
  const TPickTally tally = TallyPicks(kTexts, picks, Joined({A, B, M, B, B, M}));
  EXPECT_EQ(tally.Correct, 5);
  EXPECT_EQ(tally.Wrong, 1);
  EXPECT_EQ(tally.Missing, 0);
  EXPECT_EQ(tally.Doubled, 0);
  ASSERT_EQ(tally.Problems.size(), 1u);
  EXPECT_EQ(tally.Problems[0].Kind, TPickProblemKind::Wrong);
  EXPECT_EQ(tally.Problems[0].Pick, 3);
  EXPECT_EQ(tally.Problems[0].Got, u"bravo;");
}

TEST(PickTallyTest, MissingAndDoubledPicksAnywhere) {
  const std::vector<int> picks{A, B, M, A, B, M, A, B, M};
  struct TRow {
    std::vector<int> Actual;
    int Missing;
    int Doubled;
    int FirstPick;
  };
  const TRow rows[] = {
      {{B, M, A, B, M, A, B, M}, 1, 0, 0},        // the first pick lost
      {{A, B, M, A, M, A, B, M}, 1, 0, 4},        // one in the middle
      {{A, B, M, A, B, M, A, B}, 1, 0, 8},        // the last one
      {{A, A, B, M, A, B, M, A, B, M}, 0, 1, 0},  // the first one twice
      {{A, B, M, A, B, B, M, A, B, M}, 0, 1, 4},  // a paste repeated
      {{A, B, M, A, B, M, A, B, M, M}, 0, 1, 8},  // the macro played twice at the end
      {{A, B, M, B, M, A, A, B, M}, 1, 1, 3},     // one lost, a later one doubled
  };
  for (const TRow& row : rows) {
    const TPickTally tally = TallyPicks(kTexts, picks, Joined(row.Actual));
    EXPECT_EQ(tally.Missing, row.Missing) << testing::PrintToString(row.Actual);
    EXPECT_EQ(tally.Doubled, row.Doubled) << testing::PrintToString(row.Actual);
    EXPECT_EQ(tally.Wrong, 0) << testing::PrintToString(row.Actual);
    EXPECT_EQ(tally.Correct, 9 - row.Missing) << testing::PrintToString(row.Actual);
    ASSERT_FALSE(tally.Problems.empty());
    EXPECT_EQ(tally.Problems[0].Pick, row.FirstPick) << testing::PrintToString(row.Actual);
  }
}

TEST(PickTallyTest, DamagedAndUnexplainedTextIsWrong) {
  const std::vector<int> picks{A, B, M, A};
  // A keystroke of the macro lost, and text of no pick in front of the first.
  const TPickTally tally = TallyPicks(kTexts, picks, u"xyalpha;bravo;zlu\r\nalpha;");
  EXPECT_EQ(tally.Correct, 3);
  EXPECT_EQ(tally.Wrong, 2);
  EXPECT_EQ(tally.Missing, 0);
  ASSERT_EQ(tally.Problems.size(), 2u);
  EXPECT_EQ(tally.Problems[0].Got, u"xy");
  EXPECT_EQ(tally.Problems[0].Pick, 0);
  EXPECT_EQ(tally.Problems[1].Got, u"zlu\r\n");
  EXPECT_EQ(tally.Problems[1].Pick, 2);
  EXPECT_EQ(tally.Problems[1].Kind, TPickProblemKind::Wrong);
}

TEST(PickTallyTest, ProblemListStopsButCountsGoOn) {
  std::vector<int> picks(300, A);
  const TPickTally tally = TallyPicks(kTexts, picks, u"");
  EXPECT_EQ(tally.Missing, 300);
  EXPECT_EQ(tally.Problems.size(), MaxListedProblems);
}

}  // namespace
}  // namespace tolvane::bench
