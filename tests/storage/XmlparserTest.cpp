// The UTF-8 reading of the parser must match reading the UTF-16 conversion of the same bytes: same events,
// same success, same error text.

#include "storage/Xmlparser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "storage/Xmlencoding.h"
#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace {

using namespace std::string_literals;

template <class TChar>
class TEventLog final : public IBasicXmlBuilder<TChar> {
 public:
  using typename IBasicXmlBuilder<TChar>::TView;
  using typename IBasicXmlBuilder<TChar>::TAttributes;

  void StartElement(TView name, TAttributes attributes) override {
    Add(u"start " + ToUtf16(name) + Attributes(attributes));
  }
  void EndElement() override { Add(u"end"); }
  void TextRun(TView run, bool cdata, bool continuesCData) override {
    Add(std::u16string(cdata ? u"cdata" : u"text") + (continuesCData ? u"+ " : u" ") + ToUtf16(run));
  }
  void Comment(TView text) override { Add(u"comment " + ToUtf16(text)); }
  void ProcInstr(TView target, TAttributes attributes) override {
    Add(u"pi " + ToUtf16(target) + Attributes(attributes));
  }

  std::vector<std::string> Events;

 private:
  static std::u16string Attributes(TAttributes attributes) {
    std::u16string text;
    for (const auto& attribute : attributes)
      text += u" " + ToUtf16(attribute.Name) + u"=[" + ToUtf16(attribute.Value) + u"]";
    return text;
  }
  void Add(const std::u16string& event) { Events.push_back(Utf16ToUtf8(event)); }
};

// Parses the element text (after its "<") both ways and expects the same outcome.
void ExpectSameReading(const std::string& bytes) {
  SCOPED_TRACE(::testing::PrintToString(bytes));
  TEventLog<char> utf8Log;
  TUtf8XmlParser utf8(bytes);
  const bool utf8Parsed = utf8.ParseElement(utf8Log);
  const std::u16string text = Utf8ToUtf16(bytes);
  TEventLog<char16_t> utf16Log;
  TXmlParser utf16(text);
  const bool utf16Parsed = utf16.ParseElement(utf16Log);
  EXPECT_EQ(utf8Parsed, utf16Parsed);
  EXPECT_EQ(utf8Log.Events, utf16Log.Events);
  EXPECT_EQ(Utf16ToUtf8(utf8.ErrorLine()), Utf16ToUtf8(utf16.ErrorLine()));
  if (utf8Parsed && utf16Parsed) {
    EXPECT_EQ(Utf8ToUtf16(std::string_view(bytes).substr(0, utf8.Position())).size(), utf16.Position());
  }
}

TEST(XmlParserTest, Utf8IsReadAsItsUtf16Conversion) {
  const std::string rows[] = {
      "a b='1' c=\"\xC3\xA9\"><!--k\xC3\xB8--><?p q='\xE2\x82\xAC'?>x &amp; y<d/>z<![CDATA[ w ]]></a>",
      "\xC3\xA6\xC3\xB8><\xE4\xB8\xAD\xE6\x96\x87 \xC3\xA5='1'/></\xC3\xA6\xC3\xB8>",
      "a>\xF0\x9F\x98\x80<![CDATA[\xF0\x9F\x98\x80]]]]><![CDATA[>\xF0\x9F\x98\x80]]></a>",
      // Invalid sequences count as U+FFFD, which is a name character.
      "a\xFF b='\xC0'>\xE2\x82</a\xFF>",
      "a\xFF></a\xFE>",
      "a\xE0\x80></a\xFF\xFF>",
      "a\xE0\x80></a\xFF>",
      // Characters beyond the BMP are never name characters.
      "a\xF0\x9F\x98\x80/>",
      "\xF0\x9F\x98\x80/>",
      // The CDATA keyword is passed over by UTF-16 units, also across a surrogate pair.
      "a><!\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80[x]]></a>",
      "a><!\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80x[y]]></a>",
      "a><!\xF0\x9F\x98\x80xxx\xF0\x9F\x98\x80[y]]></a>",
      "a><!\xF0\x9F\x98\x80[y]]></a>",
      // Failures report the same text around the failing place.
      "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 i=x/>",
      "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80 i=x/>",
      "a>\xC3\xA9<b></c></a>",
      "a>" + std::string(150, '\xE2') + "<",
      "a\0b/>"s,
      "a>\0<![CDATA[\0]]></a>"s,
  };
  for (const std::string& row : rows)
    ExpectSameReading(row);
}

TEST(XmlParserTest, RandomTextIsReadAlikeInBothForms) {
  constexpr std::uint32_t seed = 7331;
  std::mt19937 engine(seed);
  const std::string pieces[] = {
      "<",
      ">",
      "/",
      "a",
      "b",
      "=",
      "'",
      "\"",
      " ",
      "\r",
      "\n",
      "\t",
      "<!--",
      "-->",
      "<?",
      "?>",
      "<![CDATA[",
      "]]>",
      "]",
      "[",
      "&amp;",
      "&",
      "x1",
      "</a>",
      "<a>",
      "<b/>",
      "\xC3\xA9",
      "\xE2\x82\xAC",
      "\xF0\x9F\x98\x80",
      "\xFF",
      "\xC3",
      "\xE2\x82",
      "\xED\xA0\x80",
      "\0"s,
      "-",
  };
  const auto piece = [&] {
    return pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(engine)];
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text = round % 2 == 0 ? "a>" : "a b='1'>";
    const int count = std::uniform_int_distribution<int>(0, 24)(engine);
    for (int i = 0; i < count; ++i)
      text += piece();
    if (round % 3 == 0)
      text += "</a>";
    SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
    ExpectSameReading(text);
    if (::testing::Test::HasFailure())
      break;
  }
}

TEST(XmlParserTest, Utf8ConversionsMatchTheCommonConverter) {
  constexpr std::uint32_t seed = 4242;
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const int count = std::uniform_int_distribution<int>(0, 40)(engine);
    for (int i = 0; i < count; ++i)
      bytes.push_back(static_cast<char>(round % 2 == 0 ? byte(engine) : 0x80 + byte(engine) % 0x78));
    std::u16string converted;
    AppendUtf16(converted, bytes);
    ASSERT_EQ(converted, Utf8ToUtf16(bytes)) << "seed " << seed << ", round " << round;

    // Back to UTF-8 from units with unpaired surrogates among them.
    std::u16string units;
    for (int i = 0; i < count; ++i)
      units.push_back(
          static_cast<char16_t>(round % 3 == 0 ? 0xD7F0 + byte(engine) % 0x820 : byte(engine) << 8));
    std::string encoded;
    AppendUtf8(encoded, units);
    ASSERT_EQ(encoded, Utf16ToUtf8(units)) << "seed " << seed << ", round " << round;
  }
}

}  // namespace
}  // namespace tolvane::storage
