#include "platform/native/Nativecodepages.h"

#include <gtest/gtest.h>

#include "common/Unicode.h"

namespace tolvane::native {
namespace {

namespace cp = platform::codepage;
constexpr char16_t Fffd = 0xFFFD;

class CodePagesTest : public ::testing::Test {
 protected:
  TNativeCodePages Pages;
};

TEST_F(CodePagesTest, Utf8IsStrictOnlyWhenAsked) {
  EXPECT_EQ(Pages.ToUtf16(cp::Utf8,
                          "\xC3\xA6"
                          "bl\xC3\xA6",
                          true),
            U16("\xC3\xA6"
                "bl\xC3\xA6"));
  EXPECT_EQ(Pages.ToUtf16(cp::Utf8, "a\xC3", true), std::nullopt);
  EXPECT_EQ(Pages.ToUtf16(cp::Utf8, "a\xC3", false), (std::u16string{u'a', Fffd}));
  EXPECT_EQ(Pages.FromUtf16(cp::Utf8, u"\u20AC"), "\xE2\x82\xAC");
}

TEST_F(CodePagesTest, Utf16InBothByteOrders) {
  EXPECT_EQ(Pages.ToUtf16(cp::Utf16LE, std::string("A\0\xAC\x20", 4), true), u"A\u20AC");
  EXPECT_EQ(Pages.ToUtf16(cp::Utf16BE, std::string("\0A\x20\xAC", 4), true), u"A\u20AC");
  EXPECT_EQ(Pages.FromUtf16(cp::Utf16LE, u"A\U0001F600"), std::string("A\0\x3D\xD8\x00\xDE", 6));
  EXPECT_EQ(Pages.FromUtf16(cp::Utf16BE, u"A\U0001F600"), std::string("\0A\xD8\x3D\xDE\x00", 6));
}

TEST_F(CodePagesTest, Utf16RejectsOddBytesAndUnpairedSurrogatesWhenStrict) {
  EXPECT_EQ(Pages.ToUtf16(cp::Utf16LE, std::string("A\0B", 3), true), std::nullopt);
  EXPECT_EQ(Pages.ToUtf16(cp::Utf16LE, std::string("A\0B", 3), false), (std::u16string{u'A', Fffd}));
  const std::string loneHigh(
      "\x3D\xD8"
      "A\0",
      4);
  EXPECT_EQ(Pages.ToUtf16(cp::Utf16LE, loneHigh, true), std::nullopt);
  EXPECT_EQ(Pages.ToUtf16(cp::Utf16LE, loneHigh, false), (std::u16string{Fffd, u'A'}));
}

TEST_F(CodePagesTest, UsAsciiHasSevenBits) {
  EXPECT_EQ(Pages.ToUtf16(cp::UsAscii, "plain\x7F", true), u"plain\x7F");
  EXPECT_EQ(Pages.ToUtf16(cp::UsAscii, "caf\xE9", true), std::nullopt);
  EXPECT_EQ(Pages.ToUtf16(cp::UsAscii, "caf\xE9", false), (std::u16string{u'c', u'a', u'f', Fffd}));
  EXPECT_EQ(Pages.FromUtf16(cp::UsAscii, u"caf\u00E9 \U0001F600"), "caf? ?");
}

TEST_F(CodePagesTest, IsoPagesDifferWhereTheyShould) {
  EXPECT_EQ(Pages.ToUtf16(cp::Iso8859_1, "\xA4\xE6", true), u"\u00A4\u00E6");
  EXPECT_EQ(Pages.ToUtf16(cp::Iso8859_15, "\xA4\xE6", true), u"\u20AC\u00E6");
  EXPECT_EQ(Pages.FromUtf16(cp::Iso8859_15, u"\u20AC"), "\xA4");
  EXPECT_EQ(Pages.FromUtf16(cp::Iso8859_1, u"\u20AC\u00E6"), "?\xE6");
  EXPECT_EQ(Pages.ToUtf16(cp::Iso8859_1 + 4, "\xB0", true), u"\u0410");  // ISO-8859-5, Cyrillic A
}

TEST_F(CodePagesTest, WindowsPagesAndTheAnsiPage) {
  EXPECT_EQ(Pages.AnsiCodePage(), 1252u);
  EXPECT_EQ(Pages.ToUtf16(cp::Ansi, "\x80\x8A", true), u"\u20AC\u0160");
  EXPECT_EQ(Pages.ToUtf16(1250, "\x8A\xB9", true), u"\u0160\u0105");
  TNativeCodePages central(1250);
  EXPECT_EQ(central.ToUtf16(cp::Ansi, "\xB9", true), u"\u0105");
  EXPECT_EQ(central.FromUtf16(cp::Ansi, u"\u0105\u00E6"), "\xB9?");
}

TEST_F(CodePagesTest, InvalidBytesOfASingleBytePage) {
  // 0x81 is unassigned in Windows-1252.
  EXPECT_EQ(Pages.ToUtf16(1252, "a\x81z", true), std::nullopt);
  EXPECT_EQ(Pages.ToUtf16(1252, "a\x81z", false), (std::u16string{u'a', Fffd, u'z'}));
}

TEST_F(CodePagesTest, UnmappableCharactersBecomeOneQuestionMarkEach) {
  EXPECT_EQ(Pages.FromUtf16(1252, u"x\U0001F600y\u4E2D"), "x?y?");
  EXPECT_EQ(Pages.FromUtf16(1252, std::u16string{u'a', 0xDC00, u'b', 0xD800}), "a?b?");
}

TEST_F(CodePagesTest, UnsupportedPagesConvertNothing) {
  for (const std::uint32_t page : {12345u, 28602u, 437u}) {
    EXPECT_FALSE(Pages.IsSupported(page)) << page;
    EXPECT_EQ(Pages.ToUtf16(page, "abc", false), std::nullopt) << page;
    EXPECT_EQ(Pages.FromUtf16(page, u"abc"), std::nullopt) << page;
  }
  for (const std::uint32_t page : {cp::Ansi, cp::Utf8, cp::Utf16LE, cp::Utf16BE, cp::UsAscii, cp::Iso8859_1,
                                   cp::Iso8859_15, 1250u, 1258u}) {
    EXPECT_TRUE(Pages.IsSupported(page)) << page;
  }
}

}  // namespace
}  // namespace tolvane::native
