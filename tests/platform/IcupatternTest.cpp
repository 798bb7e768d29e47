#include "platform/native/Icupattern.h"

#include <gtest/gtest.h>

namespace tolvane::native {
namespace {

TEST(IcuPatternToPicture, TranslatesFieldLetters) {
  EXPECT_EQ(IcuPatternToPicture(u"EEEE, MMMM d, y"), u"dddd, MMMM d, yyyy");
  EXPECT_EQ(IcuPatternToPicture(u"M/d/yy"), u"M/d/yy");
  EXPECT_EQ(IcuPatternToPicture(u"EEE dd MMM yyyy"), u"ddd dd MMM yyyy");
  EXPECT_EQ(IcuPatternToPicture(u"h:mm a"), u"h:mm tt");
  EXPECT_EQ(IcuPatternToPicture(u"HH:mm:ss"), u"HH:mm:ss");
  EXPECT_EQ(IcuPatternToPicture(u"K:mm B"), u"h:mm tt");
  EXPECT_EQ(IcuPatternToPicture(u"cccc d. MMMM y"), u"dddd d. MMMM yyyy");
  EXPECT_EQ(IcuPatternToPicture(u"G y"), u"gg yyyy");
}

TEST(IcuPatternToPicture, QuotesLiteralLettersAndApostrophes) {
  EXPECT_EQ(IcuPatternToPicture(u"EEEE 'den' d. MMMM y"), u"dddd 'den' d. MMMM yyyy");
  EXPECT_EQ(IcuPatternToPicture(u"h 'o''clock' a"), u"h 'o''clock' tt");
  EXPECT_EQ(IcuPatternToPicture(u"d''MM"), u"d''''MM");
  EXPECT_EQ(IcuPatternToPicture(u"y\u5E74M\u6708d\u65E5"), u"yyyy\u5E74M\u6708d\u65E5");
  EXPECT_EQ(IcuPatternToPicture(u"'d' d"), u"'d' d");
}

TEST(IcuPatternToPicture, DropsFieldsPicturesCannotShowWithTheirBlanks) {
  EXPECT_EQ(IcuPatternToPicture(u"HH:mm:ss zzzz"), u"HH:mm:ss");
  EXPECT_EQ(IcuPatternToPicture(u"zzzz HH:mm:ss"), u"HH:mm:ss");
  EXPECT_EQ(IcuPatternToPicture(u"HH:mm:ss.SSS"), u"HH:mm:ss");
  EXPECT_EQ(IcuPatternToPicture(u"h:mm:ss a zzzz"), u"h:mm:ss tt");
  EXPECT_EQ(IcuPatternToPicture(u"EEEE, d MMMM y, w"), u"dddd, d MMMM yyyy");
  EXPECT_EQ(IcuPatternToPicture(u"h:mm\u202Fa"), u"h:mm tt");
}

TEST(TokenizeIcuPattern, SplitsFieldsAndUnquotedLiterals) {
  const std::vector<TPatternToken> expected = {
      {true, u'd', 2, u""}, {false, 0, 0, u". "}, {true, u'M', 4, u""}, {false, 0, 0, u" um 'x"}};
  EXPECT_EQ(TokenizeIcuPattern(u"dd. MMMM' um ''x"), expected);
}

TEST(SeparatorAfterFirstField, FindsTheDateAndTimeSeparators) {
  EXPECT_EQ(SeparatorAfterFirstField(u"dd.MM.y", u"yMd", u"/"), u".");
  EXPECT_EQ(SeparatorAfterFirstField(u"yy. M. d.", u"yMd", u"/"), u".");
  EXPECT_EQ(SeparatorAfterFirstField(u"d MMM y", u"yMd", u"/"), u" ");
  EXPECT_EQ(SeparatorAfterFirstField(u"a h:mm", u"hHm", u":"), u":");
  EXPECT_EQ(SeparatorAfterFirstField(u"HH.mm", u"hHm", u":"), u".");
  EXPECT_EQ(SeparatorAfterFirstField(u"EEEE", u"yMd", u"/"), u"/");
  EXPECT_EQ(SeparatorAfterFirstField(u"d 'de' EEEE", u"yMd", u"/"), u"/");
}

}  // namespace
}  // namespace tolvane::native
