#pragma once
// Figures the Windows benchmarks report, kept apart from Windows so they are tested natively.

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace tolvane::bench {

// The middle value; the mean of the two middle ones for an even count.
inline double Median(std::vector<double> values) {
  if (values.empty())
    throw std::invalid_argument("median of no values");
  const size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
  const double upper = values[middle];
  if (values.size() % 2 != 0)
    return upper;
  return (*std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle)) + upper) /
         2;
}

inline constexpr std::uint64_t SuspiciousGrowthBytes = 4u << 20;
inline constexpr double SuspiciousGrowthShare = 0.05;

// Private bytes that grew by more than 4 MiB, or by more than 5 % of where they started, over a soak that
// ends in the state it began in hint at a leak; heap fragmentation alone stays below that.
inline bool SuspiciousMemoryGrowth(std::uint64_t before, std::uint64_t after) {
  if (after <= before)
    return false;
  const std::uint64_t growth = after - before;
  return growth > SuspiciousGrowthBytes || static_cast<double>(growth) > SuspiciousGrowthShare * before;
}

}  // namespace tolvane::bench
