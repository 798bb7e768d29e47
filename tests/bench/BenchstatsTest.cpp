#include "Benchstats.h"

#include <gtest/gtest.h>

namespace tolvane::bench {
namespace {

TEST(BenchStatsTest, MedianOfUnsortedRuns) {
  EXPECT_EQ(Median({7}), 7);
  EXPECT_EQ(Median({9, 1, 5}), 5);
  EXPECT_EQ(Median({40, 10, 30, 20}), 25);
  EXPECT_EQ(Median({5, 5, 1, 100, 5}), 5);
  EXPECT_THROW(Median({}), std::invalid_argument);
}

TEST(BenchStatsTest, PrivateBytesGrowthIsSuspiciousAboveFourMegabytesOrFivePercent) {
  constexpr std::uint64_t MB = 1 << 20;
  struct TRow {
    std::uint64_t Before;
    std::uint64_t After;
    bool Suspicious;
  };
  const TRow rows[] = {
      {200 * MB, 200 * MB, false},     // no growth
      {200 * MB, 150 * MB, false},     // shrinking
      {200 * MB, 204 * MB, false},     // exactly 4 MB (2 %)
      {200 * MB, 204 * MB + 1, true},  // just above 4 MB
      {40 * MB, 42 * MB, false},       // exactly 5 %
      {40 * MB, 42 * MB + 1, true},    // just above 5 %, far below 4 MB
      {0, 1, true},                    // anything from nothing
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(SuspiciousMemoryGrowth(row.Before, row.After), row.Suspicious)
        << row.Before << " -> " << row.After;
  }
}

}  // namespace
}  // namespace tolvane::bench
