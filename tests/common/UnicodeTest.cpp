#include "common/Unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace tolvane {
namespace {

constexpr char16_t Fffd = 0xFFFD;

TEST(Utf8ToUtf16, DecodesEveryEncodingLengthAtItsBoundaries) {
  const std::u16string expected = {0x0000, 0x007F, 0x0080, 0x07FF, 0x0800,
                                   0xFFFF, 0xD800, 0xDC00, 0xDBFF, 0xDFFF};
  const std::string bytes("\x00\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
                          20);
  EXPECT_EQ(Utf8ToUtf16Strict(bytes), expected);
  EXPECT_EQ(Utf8ToUtf16(bytes), expected);
}

TEST(Utf8ToUtf16, RejectsOverlongForms) {
  for (const std::string overlong :
       {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xF0\x80\x80\x80", "\xF0\x8F\xBF\xBF"}) {
    EXPECT_EQ(Utf8ToUtf16Strict(overlong), std::nullopt) << overlong.size();
  }
  // C0 and C1 can never start a sequence; E0 80 is a bad lead followed by a stray continuation byte.
  EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), (std::u16string{Fffd, Fffd}));
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), (std::u16string{Fffd, Fffd, Fffd}));
}

TEST(Utf8ToUtf16, RejectsSurrogatesAndValuesAboveTheUnicodeRange) {
  for (const std::string bad :
       {"\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"}) {
    EXPECT_EQ(Utf8ToUtf16Strict(bad), std::nullopt);
  }
  EXPECT_EQ(Utf8ToUtf16("a\xED\xA0\x80z"), (std::u16string{u'a', Fffd, Fffd, Fffd, u'z'}));
  EXPECT_EQ(Utf8ToUtf16Strict("\xED\x9F\xBF"), std::u16string(1, 0xD7FF));
}

TEST(Utf8ToUtf16, ReplacesEachMaximalInvalidSubpartOnce) {
  EXPECT_EQ(Utf8ToUtf16("\x80\xBF"), (std::u16string{Fffd, Fffd}));
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98x"), (std::u16string{Fffd, u'x'}));
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82z\xE2\x82\xAC"), (std::u16string{Fffd, u'z', 0x20AC}));
}

TEST(Utf8ToUtf16, EveryTruncatedPrefixOfMultiByteTextFails) {
  const std::string text = "a\xC3\xA6\xE2\x82\xAC\xF0\x9F\x98\x80";  // a æ € 😀
  const std::size_t characterEnds[] = {1, 3, 6, 10};
  for (std::size_t length = 0; length <= text.size(); ++length) {
    const bool complete = length == 0 || std::find(std::begin(characterEnds), std::end(characterEnds),
                                                   length) != std::end(characterEnds);
    const std::string prefix = text.substr(0, length);
    EXPECT_EQ(Utf8ToUtf16Strict(prefix).has_value(), complete) << "length " << length;
    if (!complete) {
      EXPECT_EQ(Utf8ToUtf16(prefix).back(), Fffd) << "length " << length;
    }
  }
}

TEST(Utf8ToUtf16, AcceptsAnEncodedReplacementCharacterAsValid) {
  EXPECT_EQ(Utf8ToUtf16Strict("a\xEF\xBF\xBD"), (std::u16string{u'a', Fffd}));
}

// ASCII is taken in blocks of sixteen and eight bytes: every place a sequence can take within and across
// those blocks.
TEST(Utf8ToUtf16, DecodesSequencesAtEveryPlaceAroundTheAsciiWords) {
  const struct {
    std::string Bytes;
    std::u16string Units;
    bool Valid;
  } sequences[] = {
      {"\xC3\xA6", u"\u00E6", true},
      {"\xF0\x9F\x98\x80", u"\U0001F600", true},
      {"\xFF", std::u16string(1, Fffd), false},
      {"\xE2\x82", std::u16string(1, Fffd), false},
  };
  for (const auto& sequence : sequences) {
    for (std::size_t at = 0; at <= 40; ++at) {
      const std::string bytes = std::string(at, 'x') + sequence.Bytes + std::string(40 - at, 'y');
      const std::u16string units = std::u16string(at, u'x') + sequence.Units + std::u16string(40 - at, u'y');
      EXPECT_EQ(Utf8ToUtf16(bytes), units) << "at " << at;
      EXPECT_EQ(Utf8ToUtf16Strict(bytes).has_value(), sequence.Valid) << "at " << at;
    }
  }
}

// Fed in pieces of any size, valid or broken UTF-8 decodes exactly as it does whole: sequences cut anywhere,
// stray continuation bytes, leads without their continuation and truncated input at the end.
TEST(Utf8Decoder, PiecesOfAnySizeDecodeAsTheWhole) {
  static const char* const parts[] = {
      "a",    "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\x80",         "\xBF",
      "\xC3", "\xE2\x82", "\xF0\x9F",     "\xF4\x90\x80\x80", "\xED\xA0\x80", "\xFF"};
  std::mt19937 engine(4242);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const std::size_t count = engine() % 24;
    for (std::size_t i = 0; i < count; ++i)
      bytes += parts[engine() % std::size(parts)];
    TUtf8Decoder decoder;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
      const std::size_t piece = std::min<std::size_t>(bytes.size() - pos, engine() % 6);
      decoder.Feed(std::string_view(bytes).substr(pos, piece));
      pos += piece;
    }
    ASSERT_EQ(decoder.Finish(), Utf8ToUtf16(bytes)) << testing::PrintToString(bytes);
  }
}

TEST(Utf16ToUtf8, EncodesPairsAndReplacesUnpairedSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"a\u00E6\u20AC\U0001F600"), "a\xC3\xA6\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D}), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, u'x'}), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, 0xD83D, 0xDE00}), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

TEST(Utf16ToUtf8, EncodesAroundTheAsciiRunsAndPastItsBuffer) {
  for (std::size_t at = 0; at <= 40; ++at) {
    const std::u16string text = std::u16string(at, u'x') + u"\u20AC" + std::u16string(40 - at, u'y');
    EXPECT_EQ(Utf16ToUtf8(text), std::string(at, 'x') + "\xE2\x82\xAC" + std::string(40 - at, 'y')) << at;
  }
  // More than one buffer of output, ending in a character that needs a new piece.
  const std::u16string longText = std::u16string(10001, u'a') + u"\U0001F600";
  std::string bytes = "kept";
  AppendUtf8(bytes, longText);
  EXPECT_EQ(bytes, "kept" + std::string(10001, 'a') + "\xF0\x9F\x98\x80");
}

// Long texts are encoded in pieces: a pair on the seam between two pieces stays one character, an unpaired
// surrogate there is still replaced, and wide characters fill a whole piece.
TEST(Utf16ToUtf8, KeepsPairsWholeAcrossThePiecesOfLongTexts) {
  for (std::size_t before = 16380; before <= 16386; ++before) {
    const std::u16string paired = std::u16string(before, u'a') + u"\U0001F600b";
    EXPECT_EQ(Utf16ToUtf8(paired), std::string(before, 'a') + "\xF0\x9F\x98\x80" + "b") << before;
    const std::u16string unpaired = std::u16string(before, u'a') + char16_t{0xD83D} + u"b";
    EXPECT_EQ(Utf16ToUtf8(unpaired), std::string(before, 'a') + "\xEF\xBF\xBD" + "b") << before;
  }
  std::string euros;
  for (int i = 0; i < 40000; ++i)
    euros += "\xE2\x82\xAC";
  EXPECT_EQ(Utf16ToUtf8(std::u16string(40000, u'\u20AC')), euros);
}

// Text is encoded into room for its longest form while that fits; a string sized for the result does not
// grow beyond it, whatever the characters.
TEST(Utf16ToUtf8, GrowsTheStringNoMoreThanTheResultNeeds) {
  for (const std::u16string& text : {std::u16string(100000, u'a'), std::u16string(50000, u'\u20AC'),
                                     std::u16string(99999, u'a') + u"\U0001F600" + char16_t{0xD83D}}) {
    const std::string bytes = Utf16ToUtf8(text);
    std::string sized;
    sized.reserve(bytes.size());
    const std::size_t capacity = sized.capacity();
    AppendUtf8(sized, text);
    EXPECT_EQ(sized, bytes);
    EXPECT_EQ(sized.capacity(), capacity) << text.size();
  }
}

// Random runs of ASCII between wider characters, long enough to span many blocks and several pieces, come
// back whole; each character alone is encoded without the block paths.
TEST(Utf16ToUtf8, RandomMixesOfAsciiRunsAndWideCharactersRoundTrip) {
  constexpr std::uint32_t seed = 9001;
  std::mt19937 engine(seed);
  const std::u16string wide[] = {u"\u00E9", u"\u20AC", u"\U0001F600", u"\u4E2D", u"\u007F", u"\u0080"};
  for (int round = 0; round < 40; ++round) {
    std::u16string text;
    std::string expected;
    while (text.size() < 40000) {
      const std::size_t run = std::uniform_int_distribution<std::size_t>(0, 40)(engine);
      for (std::size_t i = 0; i < run; ++i) {
        text += static_cast<char16_t>(u'a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
      }
      const std::u16string& character = wide[std::uniform_int_distribution<std::size_t>(0, 5)(engine)];
      text += character;
      expected += Utf16ToUtf8(character);
    }
    ASSERT_EQ(Utf16ToUtf8(text), expected) << "seed " << seed << ", round " << round;
    ASSERT_EQ(Utf8ToUtf16Strict(expected), text) << "seed " << seed << ", round " << round;
  }
}

TEST(Utf16ToUtf8, RoundTripsEveryBoundaryScalar) {
  for (const char32_t scalar : {U'\x7F', U'\x80', U'\u07FF', U'\u0800', U'\uD7FF', U'\uE000', U'\uFFFF',
                                U'\U00010000', U'\U0010FFFF'}) {
    const std::u16string text =
        scalar < 0x10000 ? std::u16string(1, static_cast<char16_t>(scalar))
                         : std::u16string{static_cast<char16_t>(0xD800 + ((scalar - 0x10000) >> 10)),
                                          static_cast<char16_t>(0xDC00 + (scalar & 0x3FF))};
    EXPECT_EQ(Utf8ToUtf16Strict(Utf16ToUtf8(text)), text) << static_cast<unsigned>(scalar);
  }
}

}  // namespace
}  // namespace tolvane
