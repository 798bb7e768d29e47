#include "common/Asciicase.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(AsciiCase, ChangesOnlyTheAsciiLettersAtTheEdgesOfTheirRanges) {
  // Each row: a character, its lower and its upper form.
  constexpr struct {
    char16_t Character, Lower, Upper;
  } rows[] = {
      {u'A', u'a', u'A'},
      {u'Z', u'z', u'Z'},
      {u'a', u'a', u'A'},
      {u'z', u'z', u'Z'},
      {u'@', u'@', u'@'},
      {u'[', u'[', u'['},
      {u'`', u'`', u'`'},
      {u'{', u'{', u'{'},
      {u'0', u'0', u'0'},
      {u'\u00C9', u'\u00C9', u'\u00C9'},
      {u'\u00E9', u'\u00E9', u'\u00E9'},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(AsciiLower(row.Character), row.Lower) << static_cast<int>(row.Character);
    EXPECT_EQ(AsciiUpper(row.Character), row.Upper) << static_cast<int>(row.Character);
    if (row.Character < 0x80) {
      const char narrow = static_cast<char>(row.Character);
      EXPECT_EQ(AsciiLower(narrow), static_cast<char>(row.Lower));
      EXPECT_EQ(AsciiUpper(narrow), static_cast<char>(row.Upper));
    }
  }
  EXPECT_EQ(AsciiUpper('\xE9'), '\xE9');  // a byte above ASCII, signed char or not
}

}  // namespace
}  // namespace tolvane
