#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/Unicode.h"
#include "storage/Item.h"
#include "storage/Xmltag.h"

namespace tolvane::storage {
namespace {

std::u16string WrittenItem(const TItem& item) {
  TQxXmlTag tag;
  item.WriteToXmlAsItem(tag);
  std::u16string out;
  tag.WriteTag(out);
  return out.substr(2);
}

std::u16string ItemElement(std::u16string_view body) {
  return u"<Item Type=\"0\" Img=\"-1\">\r\n" + std::u16string(body) + u"\r\n</Item>";
}

struct TWriteCase {
  const char* Name;
  std::function<void(TItem&)> Setup;
  std::u16string Element;
};

void PrintTo(const TWriteCase& row, std::ostream* out) {
  *out << row.Name;
}

class ItemWriteTest : public ::testing::TestWithParam<TWriteCase> {};

TEST_P(ItemWriteTest, FieldsAreWrittenInTheirFormAndOrder) {
  TItem root;
  TItem* item = root.NewChild()->NewChild();
  GetParam().Setup(*item);
  EXPECT_EQ(Utf16ToUtf8(WrittenItem(*item)), Utf16ToUtf8(GetParam().Element));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ItemWriteTest,
    ::testing::Values(
        TWriteCase{"DefaultsWriteOnlyTheName", [](TItem&) {}, ItemElement(u"  <Name/>")},
        TWriteCase{"CodeWithALeadingBlankIsCData", [](TItem& i) { i.Code = u" x"; },
                   ItemElement(u"  <Name/>\r\n  <Code><![CDATA[ x]]></Code>")},
        TWriteCase{"CodeWithATrailingBreakIsCData", [](TItem& i) { i.Tip = u"x\r\n"; },
                   ItemElement(u"  <Name/>\r\n  <Tip><![CDATA[x\r\n]]></Tip>")},
        TWriteCase{"PlainCodeIsEscaped", [](TItem& i) { i.Code = u"a < b"; },
                   ItemElement(u"  <Name/>\r\n  <Code>a &lt; b</Code>")},
        TWriteCase{"PlainFieldsLoseTrailingBlanks", [](TItem& i) { i.Email = u"x \t"; },
                   ItemElement(u"  <Name/>\r\n  <Email>x</Email>")},
        TWriteCase{"BlankOnlyPlainFieldIsEmpty", [](TItem& i) { i.Url = u"  "; },
                   ItemElement(u"  <Name/>\r\n  <Url/>")},
        TWriteCase{"PlainFieldKeepsLeadingBlanksInCData", [](TItem& i) { i.Name = u" lead "; },
                   ItemElement(u"  <Name><![CDATA[ lead]]></Name>")},
        TWriteCase{"KeyMacroIsAlwaysCData", [](TItem& i) { i.KeyMacro = u"\\11a<b>"; },
                   ItemElement(u"  <Name/>\r\n  <KeyMacro><![CDATA[\\11a<b>]]></KeyMacro>")},
        TWriteCase{"CDataEndIsSplit", [](TItem& i) { i.KeyMacro = u"a]]>b"; },
                   ItemElement(u"  <Name/>\r\n  <KeyMacro><![CDATA[a]]]]><![CDATA[>b]]></KeyMacro>")},
        TWriteCase{"ZValsPacksCountAndFlags",
                   [](TItem& i) {
                     i.RepeatCount = 7;
                     i.MonoSpace = false;
                     i.NewLineHome = true;
                   },
                   ItemElement(u"  <Name/>\r\n  <ZVals>0701000000</ZVals>")},
        TWriteCase{"ZValsCountIsLimitedToTwoDigits", [](TItem& i) { i.RepeatCount = 150; },
                   ItemElement(u"  <Name/>\r\n  <ZVals>9910000000</ZVals>")},
        TWriteCase{"TypeAndImage",
                   [](TItem& i) {
                     i.ItemType = 6;
                     i.ImageIndex = 12;
                   },
                   u"<Item Type=\"6\" Img=\"12\">\r\n  <Name/>\r\n</Item>"},
        TWriteCase{
            "AllFieldsInFileOrder",
            [](TItem& i) {
              i.QParams = u"q", i.KeyMacro = u"k", i.WebBrowser = u"w", i.Url = u"u", i.Program = u"p";
              i.Subject = u"s", i.File = u"f", i.XClip = u"x", i.Bcc = u"b", i.Cc = u"c", i.Email = u"e";
              i.Tip = u"t", i.Code = u"o", i.Name = u"n", i.RepeatCount = 2;
            },
            ItemElement(u"  <Name>n</Name>\r\n  <Code>o</Code>\r\n  <Tip>t</Tip>\r\n  <Email>e</Email>\r\n"
                        u"  <ACc>c</ACc>\r\n  <Bcc>b</Bcc>\r\n  <XClip>x</XClip>\r\n  <File>f</File>\r\n"
                        u"  <Subject>s</Subject>\r\n  <Program>p</Program>\r\n  <Url>u</Url>\r\n"
                        u"  <WebBrowser>w</WebBrowser>\r\n  <KeyMacro><![CDATA[k]]></KeyMacro>\r\n"
                        u"  <QParams>q</QParams>\r\n  <ZVals>0210000000</ZVals>")},
        TWriteCase{
            "ProgramOwnChildrenAreLeftOut",
            [](TItem& i) {
              i.NewChild()->Name = u"a";
              i.NewChild()->ItemType = 58;
              i.NewChild()->Name = u"b";
            },
            ItemElement(u"  <Name/>\r\n  <Item Type=\"0\" Img=\"-1\">\r\n    <Name>a</Name>\r\n  </Item>\r\n"
                        u"  <Item Type=\"0\" Img=\"-1\">\r\n    <Name>b</Name>\r\n  </Item>")}),
    [](const ::testing::TestParamInfo<TWriteCase>& row) { return row.param.Name; });

// Reads the element text (after its "<") into a fresh root.
bool Read(std::u16string_view element, TItem& root, std::u16string& error) {
  TQxXmlTag tag;
  EXPECT_TRUE(tag.ParseElement(element));
  return root.ReadFromXml(tag, error);
}

TEST(ItemReadTest, ElementsAreRecognisedByTheirFirstLetter) {
  TItem root;
  std::u16string error;
  ASSERT_TRUE(
      Read(u"r><Nickname>nick</Nickname><Comment>c &amp; d</Comment><Other>o</Other><ACc>a</ACc>"
           u"<Bogus>b</Bogus><Bcc>first</Bcc><BccLater>second</BccLater><code>lower</code>"
           u"<Xtra><![CDATA[ x ]]></Xtra><!--note--><Item Img=\"4\" Type=\"2\"><N>inner</N></Item></r>",
           root, error));
  EXPECT_EQ(root.Name, u"nick");
  EXPECT_EQ(root.Code, u"c & d");
  EXPECT_EQ(root.Cc, u"a");
  EXPECT_EQ(root.Bcc, u"second");
  EXPECT_EQ(root.XClip, u" x ");
  ASSERT_EQ(root.Children.Count(), 1);
  const TItem& child = *root.Children[0];
  EXPECT_EQ(child.ItemType, 4);
  EXPECT_EQ(child.ImageIndex, 2);
  EXPECT_EQ(child.Name, u"inner");
  EXPECT_EQ(child.Level, 1);
  EXPECT_EQ(child.Parent, &root);
}

TEST(ItemReadTest, ZValsUnpackCountAndFlags) {
  struct TRow {
    const char16_t* ZVals;
    int RepeatCount;
    bool MonoSpace;
    bool NewLineHome;
  };
  // Every row starts from MonoSpace false and NewLineHome true, so untouched flags show.
  const TRow rows[] = {
      {u"0701000000", 7, false, true}, {u"12", 12, false, true}, {u"00", 1, false, true},
      {u"0110", 1, true, false},       {u"-5", 1, false, true},  {u"x7", 7, false, true},
      {u"9", 9, false, true},          {u"", 1, false, true},    {u"05x", 5, true, true},
  };
  for (const TRow& row : rows) {
    TItem root;
    root.MonoSpace = false;
    root.NewLineHome = true;
    std::u16string error;
    ASSERT_TRUE(Read(u"r><ZVals>" + std::u16string(row.ZVals) + u"</ZVals></r>", root, error));
    SCOPED_TRACE(Utf16ToUtf8(row.ZVals));
    EXPECT_EQ(root.RepeatCount, row.RepeatCount);
    EXPECT_EQ(root.MonoSpace, row.MonoSpace);
    EXPECT_EQ(root.NewLineHome, row.NewLineHome);
  }
}

TEST(ItemReadTest, TypeAndImageMustBeIntegersAndDefaultWhenMissing) {
  struct TRow {
    const char16_t* Attributes;
    bool Ok;
    int ItemType;
    int ImageIndex;
    const char16_t* Error;
  };
  const TRow rows[] = {
      {u"Type=\"7\" Img=\"-1\"", true, 7, -1, u""},
      {u"Type=\"+3\" Img=\"0\"", true, 3, 0, u""},
      {u"Type=\"5\"", true, 5, -1, u""},
      {u"", true, ItemTypeFolder, -1, u""},
      {u"Type=\"x\" Img=\"1\"", false, 0, 0, u"'x' is not a valid integer value"},
      {u"Type=\"1\" Img=\"1.5\"", false, 0, 0, u"'1.5' is not a valid integer value"},
      {u"Type=\"\" Img=\"1\"", false, 0, 0, u"'' is not a valid integer value"},
      {u"Type=\" 1\" Img=\"\t-2\"", true, 1, -2, u""},
      {u"Type=\"1 \" Img=\"1\"", false, 0, 0, u"'1 ' is not a valid integer value"},
      {u"Type=\"99999999999\" Img=\"1\"", false, 0, 0, u"'99999999999' is not a valid integer value"},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(Utf16ToUtf8(row.Attributes));
    TItem root;
    std::u16string error;
    const bool ok = Read(u"r><Item " + std::u16string(row.Attributes) + u"/></r>", root, error);
    ASSERT_EQ(ok, row.Ok);
    EXPECT_EQ(error, row.Error);
    if (ok) {
      ASSERT_EQ(root.Children.Count(), 1);
      EXPECT_EQ(root.Children[0]->ItemType, row.ItemType);
      EXPECT_EQ(root.Children[0]->ImageIndex, row.ImageIndex);
    }
  }
}

// Program command types in a file would run as the program's own commands once picked.
TEST(ItemReadTest, ProgramOwnTypesAreReadAsClipsOrFolders) {
  TItem root;
  std::u16string error;
  ASSERT_TRUE(
      Read(u"r><Item Type=\"50\" Img=\"1\"><Name>cmd</Name><Code>text</Code></Item>"
           u"<Item Type=\"58\" Img=\"2\"><Name>sub</Name><Item Type=\"51\" Img=\"3\"/></Item>"
           u"<Item Type=\"49\" Img=\"4\"/></r>",
           root, error));
  ASSERT_EQ(root.Children.Count(), 3);
  EXPECT_EQ(root.Children[0]->ItemType, ItemTypeClip);
  EXPECT_EQ(root.Children[0]->Code, u"text");
  EXPECT_EQ(root.Children[0]->ImageIndex, 1);
  EXPECT_EQ(root.Children[1]->ItemType, ItemTypeFolder);
  ASSERT_EQ(root.Children[1]->Children.Count(), 1);
  EXPECT_EQ(root.Children[1]->Children[0]->ItemType, ItemTypeClip);
  EXPECT_EQ(root.Children[2]->ItemType, 49);
}

}  // namespace
}  // namespace tolvane::storage
