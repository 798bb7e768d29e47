#include <gtest/gtest.h>

#include "platform/win32/Codepages.h"

namespace tolvane::win32 {
namespace {

namespace codepage = platform::codepage;

TEST(CodePages, ConvertTextBothWays) {
  const struct {
    const char* Name;
    std::uint32_t CodePage;
    std::string Bytes;
    std::u16string Text;
  } cases[] = {{"UTF-8", codepage::Utf8, "Gr\xC3\xBC\xC3\x9F\x65 \xF0\x9F\x98\x80", u"Grüße 😀"},
               {"ISO-8859-1", codepage::Iso8859_1, "\xC6\xD8\xC5\xE6\xF8\xE5", u"ÆØÅæøå"},
               {"ISO-8859-15", codepage::Iso8859_15, "\xA4\xBD", u"€œ"},
               {"ISO-8859-2", codepage::Iso8859_1 + 1, "\xA3\xF3\x64\xBC", u"Łódź"},
               {"US-ASCII", codepage::UsAscii, "plain text", u"plain text"},
               {"UTF-16BE", codepage::Utf16BE, std::string("\x00\x41\xD8\x3D\xDE\x00", 6), u"A\U0001F600"},
               {"UTF-16LE", codepage::Utf16LE, std::string("\x41\x00\x3D\xD8\x00\xDE", 6), u"A\U0001F600"},
               {"empty UTF-8", codepage::Utf8, "", u""}};
  TCodePages codePages;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(codePages.ToUtf16(c.CodePage, c.Bytes, true), c.Text);
    EXPECT_EQ(codePages.FromUtf16(c.CodePage, c.Text), c.Bytes);
  }
}

TEST(CodePages, StrictUtf8RejectsInvalidSequences) {
  TCodePages codePages;
  for (const std::string bytes : {"\xC3\x28", "\xFF", "\xED\xA0\x80", "\xC0\xAF", "ab\xE2\x82"}) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(codePages.ToUtf16(codepage::Utf8, bytes, true), std::nullopt);
  }
}

TEST(CodePages, LenientDecodingReplacesWhatIsInvalid) {
  TCodePages codePages;
  EXPECT_EQ(codePages.ToUtf16(codepage::Utf8, "a\xFF\x62", false), u"a\uFFFDb");
  const std::string odd("\x41\x00\x42", 3);
  EXPECT_EQ(codePages.ToUtf16(codepage::Utf16LE, odd, false), u"A\uFFFD");
  EXPECT_EQ(codePages.ToUtf16(codepage::Utf16BE, odd, true), std::nullopt);
}

TEST(CodePages, WritesAQuestionMarkForWhatTheCodePageCannotHold) {
  TCodePages codePages;
  // U+0100 has the best-fit look-alike 'A' in Western code pages; it must not be used.
  EXPECT_EQ(codePages.FromUtf16(codepage::Iso8859_1, u"x€Āy"), "x??y");
  EXPECT_EQ(codePages.FromUtf16(codepage::UsAscii, u"café"), "caf?");
}

TEST(CodePages, AnsiStandsForTheSystemCodePage) {
  TCodePages codePages;
  const std::uint32_t ansi = codePages.AnsiCodePage();
  EXPECT_NE(ansi, 0U);
  EXPECT_TRUE(codePages.IsSupported(ansi));
  EXPECT_EQ(codePages.ToUtf16(codepage::Ansi, "abc\xE9", false), codePages.ToUtf16(ansi, "abc\xE9", false));
  EXPECT_EQ(codePages.FromUtf16(codepage::Ansi, u"abc"), "abc");
}

TEST(CodePages, RefusesUnknownCodePages) {
  TCodePages codePages;
  for (const std::uint32_t known : {codepage::Ansi, codepage::Utf16LE, codepage::Utf16BE, codepage::Utf8,
                                    codepage::Iso8859_1 + 1, codepage::UsAscii})
    EXPECT_TRUE(codePages.IsSupported(known)) << known;
  EXPECT_FALSE(codePages.IsSupported(12345));
  EXPECT_EQ(codePages.ToUtf16(12345, "abc", false), std::nullopt);
  EXPECT_EQ(codePages.FromUtf16(12345, u"abc"), std::nullopt);
}

}  // namespace
}  // namespace tolvane::win32
