#include "common/Asciicase.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(AsciiCase, ChangesOnlyTheAsciiLettersAtTheEdgesOfTheirRanges) {
  EXPECT_EQ(AsciiLower(u'A'), u'a');
  EXPECT_EQ(AsciiLower(u'Z'), u'z');
  EXPECT_EQ(AsciiLower(u'@'), u'@');
  EXPECT_EQ(AsciiLower(u'['), u'[');
  EXPECT_EQ(AsciiLower(u'a'), u'a');
  EXPECT_EQ(AsciiLower(u'\u00C9'), u'\u00C9');
  EXPECT_EQ(AsciiUpper('a'), 'A');
  EXPECT_EQ(AsciiUpper('z'), 'Z');
  EXPECT_EQ(AsciiUpper('`'), '`');
  EXPECT_EQ(AsciiUpper('{'), '{');
  EXPECT_EQ(AsciiUpper('\xE9'), '\xE9');
}

}  // namespace
}  // namespace tolvane
