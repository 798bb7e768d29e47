#include "common/Decimaltext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tolvane {
namespace {

TEST(DecimalText, WritesEveryIntegerTypeToItsExtremes) {
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(-7), u"-7");
  EXPECT_EQ(DecimalText(std::numeric_limits<std::int32_t>::min()), u"-2147483648");
  EXPECT_EQ(DecimalText(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
  EXPECT_EQ(DecimalText(std::numeric_limits<std::uint64_t>::max()), u"18446744073709551615");
  EXPECT_EQ(DecimalText(std::size_t{42}), u"42");
}

}  // namespace
}  // namespace tolvane
