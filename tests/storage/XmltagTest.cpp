#include "storage/Xmltag.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/Unicode.h"
#include "storage/Xmlchars.h"
#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace {

// What WriteTag makes of the node, without the line break every node starts with.
std::u16string Written(const TQxXmlTag& tag) {
  std::u16string out;
  tag.WriteTag(out);
  EXPECT_TRUE(out.starts_with(u"\r\n"));
  EXPECT_GE(tag.MeasureTag(), out.size());
  return out.substr(2);
}

struct TParseCase {
  const char* Input;        // element text after its "<"
  const char* WrittenBack;  // nullptr: the parse must fail
};

void PrintTo(const TParseCase& row, std::ostream* out) {
  *out << row.Input;
}

class ParseElementTest : public ::testing::TestWithParam<TParseCase> {};

TEST_P(ParseElementTest, ParsesAndWritesBackOrFails) {
  const TParseCase& row = GetParam();
  TQxXmlTag tag;
  const bool parsed = tag.ParseElement(U16(row.Input));
  if (row.WrittenBack == nullptr) {
    EXPECT_FALSE(parsed);
    return;
  }
  ASSERT_TRUE(parsed);
  EXPECT_EQ(Written(tag), U16(row.WrittenBack));
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseElementTest,
    ::testing::Values(
        // Empty elements in all spellings.
        TParseCase{"a/>", "<a/>"}, TParseCase{"a></a>", "<a/>"}, TParseCase{"a> \r\n\t</a>", "<a/>"},
        TParseCase{"a></a >", "<a/>"}, TParseCase{"a\r\n/>", "<a/>"},
        TParseCase{"a\tb='1'/>", "<a b=\"1\"/>"}, TParseCase{"a b = \"1\"c='2'/>", "<a b=\"1\" c=\"2\"/>"},
        TParseCase{"a b=\"1\" / >", nullptr}, TParseCase{"a\n/>", "<a/>"}, TParseCase{"a></A>", nullptr},
        TParseCase{"a></ab>", nullptr}, TParseCase{"a><b></a>", nullptr}, TParseCase{"a", nullptr},
        TParseCase{"a>text", nullptr}, TParseCase{"a%/>", nullptr},
        // Attributes.
        TParseCase{"a b=1/>", nullptr}, TParseCase{"a b=\"1>\"/>", nullptr},
        TParseCase{"a b\n=\"1\"/>", "<a b=\"1\"/>"}, TParseCase{"a 1b=\"1\"/>", nullptr},
        TParseCase{"Item\n  Type=\"0\"\n  Img=\"-1\">\n</Item>", "<Item Type=\"0\" Img=\"-1\"/>"},
        TParseCase{"a b=\"1/>", nullptr}, TParseCase{"a b c=\"1\"/>", nullptr},
        TParseCase{"a b=\"\" c=\"2\"/>", "<a b=\"\" c=\"2\"/>"},
        // Text runs and CDATA.
        TParseCase{"a>x<b/>y</a>", "<a>x\r\n  <b/>\r\ny\r\n</a>"},
        TParseCase{"a>  a &amp; b \r\n</a>", "<a>a &amp; b</a>"},
        TParseCase{"a><![CDATA[ x ]]></a>", "<a><![CDATA[ x ]]></a>"},
        TParseCase{"a><![CDATA[p]]]]><![CDATA[>q]]></a>", "<a><![CDATA[p]]]]><![CDATA[>q]]></a>"},
        TParseCase{"a><![CDATA[p]]> <![CDATA[q]]></a>", "<a><![CDATA[p]]>\r\n<![CDATA[q]]>\r\n</a>"},
        TParseCase{"a><![CDATA[x</a>", nullptr}, TParseCase{"a><![CDA", nullptr},
        // Comments and processing instructions inside an element.
        TParseCase{"a><!--c--><?pi x='1'?></a>", "<a>\r\n<!--c-->\r\n<?pi x=\"1\"?>\r\n</a>"},
        TParseCase{"a><!-x--></a>", "<a>\r\n<!--x-->\r\n</a>"},
        TParseCase{"a><?pi?></a>", "<a>\r\n<?pi?>\r\n</a>"}, TParseCase{"a><!----></a>", nullptr},
        TParseCase{"a><!-- x -></a>", nullptr}, TParseCase{"a><!x></a>", nullptr},
        TParseCase{"a><?pi x?></a>", nullptr}, TParseCase{"a><?pi x='1'></a>", nullptr},
        TParseCase{"a><?pi\n?></a>", "<a>\r\n<?pi?>\r\n</a>"}, TParseCase{"a><1/></a>", nullptr},
        TParseCase{"a>< b/></a>", nullptr}));

TEST(XmlTagTest, ParsedStructureKeepsKindsLevelsAndRunCount) {
  TQxXmlTag root;
  ASSERT_TRUE(root.ParseElement(u"r><a>x<b>z</b>y<![CDATA[w]]><!--c--></a></r>"));
  ASSERT_EQ(root.Children.Count(), 1);
  const TQxXmlTag& a = *root.Children[0];
  EXPECT_EQ(a.Level, 1);
  EXPECT_EQ(a.Value, u"x");
  EXPECT_EQ(a.TagType, xtElement);
  EXPECT_EQ(a.TextRunCount, 2);
  ASSERT_EQ(a.Children.Count(), 4);
  const TQxXmlTagType kinds[] = {xtElement, xtText, xtTextCData, xtComment};
  const int levels[] = {2, 0, 0, 0};
  const char16_t* values[] = {u"z", u"y", u"w", u"c"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(a.Children[i]->TagType, kinds[i]) << i;
    EXPECT_EQ(a.Children[i]->Level, levels[i]) << i;
    EXPECT_EQ(a.Children[i]->Value, values[i]) << i;
  }
}

// An empty CDATA section adds no run, so the element stays plain; either kind writes back as "<a/>".
TEST(XmlTagTest, AnEmptyCDataSectionLeavesTheElementPlain) {
  TQxXmlTag tag;
  ASSERT_TRUE(tag.ParseElement(u"a><![CDATA[]]></a>"));
  EXPECT_EQ(tag.TagType, xtElement);
  EXPECT_TRUE(tag.Value.empty());
  EXPECT_EQ(tag.TextRunCount, 0);
  EXPECT_EQ(Written(tag), u"<a/>");
}

TEST(XmlTagTest, EveryTruncationOfAValidElementFails) {
  const std::u16string text =
      u"r a='1' b=\"2\">x &amp; y<c/><d e='3'>t</d><![CDATA[ ]]]]><![CDATA[> ]]><!--c--><?p q='4'?>z</r>";
  TQxXmlTag whole;
  ASSERT_TRUE(whole.ParseElement(text));
  for (std::size_t length = 0; length < text.size(); ++length) {
    TQxXmlTag tag;
    EXPECT_FALSE(tag.ParseElement(text.substr(0, length))) << "length " << length;
  }
}

TEST(XmlTagTest, ErrorLineShowsTheInputFromTheFailure) {
  struct TRow {
    const char16_t* Input;
    const char16_t* ErrorLine;
  };
  const TRow rows[] = {
      {u"abc d='1' / >", u"/ >"},           // at the failing character
      {u"abcdefgh ij kl/>", u"h ij kl/>"},  // a failing attribute: five characters before
      {u"a>x</ab>", u">x</ab>"},            // a wrong end tag: five characters before
      {u"abcdefgh i=x/>", u"gh i=x/>"},     // a missing quote is reported too
      {u"a><!-- no end", u" no end"},       // an open comment
  };
  for (const TRow& row : rows) {
    TQxXmlTag tag;
    std::u16string errorLine = u"stale";
    EXPECT_FALSE(tag.ParseElement(row.Input, &errorLine));
    EXPECT_EQ(errorLine, row.ErrorLine) << Utf16ToUtf8(row.Input);
  }
  TQxXmlTag tag;
  std::u16string errorLine;
  EXPECT_FALSE(tag.ParseElement(u"a>" + std::u16string(300, u'x'), &errorLine));
  EXPECT_EQ(errorLine, std::u16string(100, u'x'));
}

TEST(XmlTagTest, NestingDeeperThanTheLimitFailsWithoutExhaustingTheStack) {
  const auto nested = [](std::size_t depth) {
    std::u16string text = u"a>";
    for (std::size_t i = 0; i < depth; ++i)
      text += u"<a>";
    for (std::size_t i = 0; i <= depth; ++i)
      text += u"</a>";
    return text;
  };
  TQxXmlTag deepest;
  ASSERT_TRUE(deepest.ParseElement(nested(XmlMaxDepth)));
  TQxXmlTag tooDeep;
  EXPECT_FALSE(tooDeep.ParseElement(nested(XmlMaxDepth + 1)));
  TQxXmlTag hostile;
  EXPECT_FALSE(hostile.ParseElement(nested(1'000'000)));
}

TEST(XmlTagTest, ValuesAreEscapedAndDecodedByKind) {
  struct TRow {
    TQxXmlTagType Kind;
    const char16_t* Set;
    const char16_t* Stored;
    const char16_t* Got;
  };
  const TRow rows[] = {
      {xtElement, u"a<b ", u"a&lt;b", u"a<b"},
      {xtElement, u"\"&'<>", u"&quot;&amp;&apos;&lt;&gt;", u"\"&'<>"},
      {xtElement, u"&amp;\r\n\t ", u"&amp;amp;", u"&amp;"},
      {xtText, u" x\x01", u" x", u" x"},
      {xtElementCData, u" <&> ", u" <&> ", u" <&> "},
      {xtTextCData, u"]]>", u"]]>", u"]]>"},
      {xtComment, u" a&b ", u" a&amp;b", u" a&amp;b"},
  };
  for (const TRow& row : rows) {
    TQxXmlTag tag;
    tag.TagType = row.Kind;
    tag.SetValue(row.Set);
    EXPECT_EQ(tag.Value, row.Stored) << Utf16ToUtf8(row.Set);
    EXPECT_EQ(tag.GetValue(), row.Got) << Utf16ToUtf8(row.Set);
  }
}

TEST(XmlTagTest, DecodingReplacesOnlyThePredefinedEntities) {
  struct TRow {
    const char16_t* Stored;
    const char16_t* Got;
  };
  const TRow rows[] = {
      {u"&#65;", u"&#65;"},      {u"&amp;lt;", u"&lt;"},   {u"&bogus;x", u"&bogus;x"},
      {u"&&lt;", u"&<"},         {u"&amp", u"&amp"},       {u"&toolong;", u"&toolong;"},
      {u"&quot;&apos;", u"\"'"}, {u"a&gt; \t\r\n", u"a>"}, {u"x&;y", u"x&;y"},
  };
  for (const TRow& row : rows) {
    TQxXmlTag tag;
    tag.Value = row.Stored;
    EXPECT_EQ(tag.GetValue(), row.Got) << Utf16ToUtf8(row.Stored);
  }
}

// Text is scanned for the characters to escape in blocks: each of them at every place in and across the
// blocks, and units that share a byte with one of them but are other characters.
TEST(XmlEscapeTest, EscapesAtEveryPlaceAndMeasuresWhatItWrites) {
  const struct {
    char16_t Character;
    std::u16string_view Written;
  } rows[] = {{u'"', u"&quot;"},      {u'&', u"&amp;"},       {u'\'', u"&apos;"},
              {u'<', u"&lt;"},        {u'>', u"&gt;"},        {u'\u2226', u"\u2226"},
              {u'\u3C00', u"\u3C00"}, {u'\u263E', u"\u263E"}, {u'\u0122', u"\u0122"}};
  for (const auto& row : rows) {
    for (std::size_t at = 0; at <= 40; ++at) {
      const std::u16string text = std::u16string(at, u'x') + row.Character + std::u16string(40 - at, u'y');
      std::u16string escaped = u"kept";
      AppendEscapedXml(escaped, text);
      const std::u16string expected =
          u"kept" + std::u16string(at, u'x') + std::u16string(row.Written) + std::u16string(40 - at, u'y');
      EXPECT_EQ(escaped, expected) << Utf16ToUtf8(row.Written) << " at " << at;
      EXPECT_EQ(EscapedXmlLength(text), expected.size() - 4) << Utf16ToUtf8(row.Written) << " at " << at;
    }
  }
  std::u16string many;
  AppendEscapedXml(many, u"<<&>>\"'");
  EXPECT_EQ(many, u"&lt;&lt;&amp;&gt;&gt;&quot;&apos;");
}

// UTF-8 element text is decoded and unescaped in one pass: entities next to multi-byte characters at every
// place, entities that are not complete, and text that shrinks a lot, read as the UTF-16 form reads it.
TEST(XmlEscapeTest, Utf8TextIsUnescapedAsItsUtf16Form) {
  const std::string pieces[] = {"&amp;", "&lt;b&gt;", "\xC3\xB8", "\xF0\x9F\x98\x80",
                                "&am",   "&",         "\xFF",     "&quot;"};
  for (const std::string& piece : pieces) {
    for (std::size_t at = 0; at <= 40; ++at) {
      const std::string bytes = std::string(at, 'x') + piece + "\xC3\xA5" + std::string(40 - at, 'y');
      std::u16string fromBytes = u"kept";
      AppendDecodedUtf16(fromBytes, bytes);
      std::u16string fromUnits = u"kept";
      AppendDecodedUtf16(fromUnits, std::u16string_view(Utf8ToUtf16(bytes)));
      EXPECT_EQ(fromBytes, fromUnits) << piece << " at " << at;
    }
  }
  std::u16string decoded;
  AppendDecodedUtf16(decoded, std::string_view("&lt;&lt;&amp;\xE2\x82\xAC&gt;"));
  EXPECT_EQ(decoded, u"<<&\u20AC>");
}

TEST(XmlTagTest, LongValuesAndAttributesMoveToLinesOfTheirOwn) {
  TQxXmlTag root;
  TQxXmlTag* level1 = root.AddChild();
  TQxXmlTag* name = level1->AddChild(u"Name", std::u16string(80, u'v'), xtElement);
  EXPECT_EQ(name->Level, 2);
  EXPECT_EQ(Written(*name), u"    <Name>\r\n      " + std::u16string(80, u'v') + u"\r\n    </Name>");
  // The same length fits at level 0 with a shorter name: 2 + 3 + 80 + 4 = 89.
  TQxXmlTag fits;
  fits.AddChild(u"n", std::u16string(80, u'v'), xtElement)->Level = 0;
  EXPECT_EQ(Written(*fits.Children[0]), u"<n>" + std::u16string(80, u'v') + u"</n>");

  TQxXmlTag wide;
  wide.SetName(u"e");
  wide.AddAttribute(u"a1", std::u16string(40, u'x'));
  wide.AddAttribute(u"a2", std::u16string(40, u'y'));
  EXPECT_EQ(Written(wide),
            u"<e a1=\"" + std::u16string(40, u'x') + u"\"\r\n   a2=\"" + std::u16string(40, u'y') + u"\"/>");

  TQxXmlTag instruction(u"p", xtProcInstr);
  instruction.AddAttribute(u"a1", std::u16string(40, u'x'));
  instruction.AddAttribute(u"a2", std::u16string(40, u'y'));
  EXPECT_EQ(Written(instruction),
            u"<?p a1=\"" + std::u16string(40, u'x') + u"\"\r\n   a2=\"" + std::u16string(40, u'y') + u"\"?>");

  TQxXmlTag mixed;
  mixed.SetName(u"r");
  mixed.SetValue(std::u16string(95, u'v'));
  mixed.AddChild()->SetName(u"c");
  EXPECT_EQ(Written(mixed), u"<r>\r\n  " + std::u16string(95, u'v') + u"\r\n\r\n  <c/>\r\n</r>");
}

TEST(XmlTagTest, AttributesAreFoundSetAndRemovedByFirstExactName) {
  TQxXmlTag tag;
  tag.AddAttribute(u"a", u"1");
  tag.AddAttribute(u"b", u"2");
  tag.AddAttribute(u"a", u"3");
  EXPECT_EQ(tag.GetAttribute(u"a"), u"1");
  EXPECT_EQ(tag.GetAttribute(u"A"), u"");
  tag.SetAttribute(u"a", u"4");
  tag.SetAttribute(u"c", u"5");
  tag.RemoveAttribute(u"b");
  tag.RemoveAttribute(u"missing");
  tag.SetAttribute(u"a", u"");
  tag.SetName(u"t");
  EXPECT_EQ(Written(tag), u"<t a=\"3\" c=\"5\"/>");
}

}  // namespace
}  // namespace tolvane::storage
