#include "storage/Xmlfile.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/recording/Memoryfiles.h"
#include "storage/Xmlencoding.h"

namespace tolvane::storage {
namespace {

using namespace std::string_literals;
using recording::TFileOperation;

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

struct TLoadCase {
  std::string Name;
  std::string Bytes;
  int Result;
  std::uint32_t CodePage;
  std::u16string RootName;
  std::u16string RootValue;
};

void PrintTo(const TLoadCase& row, std::ostream* out) {
  *out << row.Name;
}

class LoadFromStreamTest : public ::testing::TestWithParam<TLoadCase> {
 protected:
  native::TNativeCodePages CodePages;
};

TEST_P(LoadFromStreamTest, DetectsDecodesAndParses) {
  const TLoadCase& row = GetParam();
  TQxXmlFile document;
  EXPECT_EQ(document.LoadFromStream(CodePages, row.Bytes, 0), row.Result);
  if (row.Result != XmlLoaded)
    return;
  EXPECT_EQ(document.CodePage, row.CodePage);
  ASSERT_NE(document.RootTag, nullptr);
  EXPECT_EQ(document.RootTag->Name, row.RootName);
  EXPECT_EQ(document.RootTag->GetValue(), row.RootValue);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, LoadFromStreamTest,
    ::testing::Values(
        TLoadCase{"Empty", "", XmlUnknownFormat, 0, u"", u""},
        TLoadCase{"Utf32LittleEndian", "\xFF\xFE\x00\x00<\x00\x00\x00"s, XmlUtf32, 0, u"", u""},
        TLoadCase{"Utf32BigEndian", "\x00\x00\xFE\xFF\x00\x00\x00<"s, XmlUtf32, 0, u"", u""},
        TLoadCase{"Utf16LittleEndianMark", "\xFF\xFE" + Utf16Bytes(u"<r>\u20AC</r>", false), XmlLoaded, 1200,
                  u"r", u"\u20AC"},
        TLoadCase{"Utf16BigEndianMark", "\xFE\xFF" + Utf16Bytes(u"<r>\u20AC</r>", true), XmlLoaded, 1201,
                  u"r", u"\u20AC"},
        TLoadCase{"Utf16NamedLittleEndian", Utf16Bytes(u"<?xml encoding=\"utf-16\"?><r>x</r>", false),
                  XmlLoaded, 1200, u"r", u"x"},
        TLoadCase{"Utf16NamedBigEndian", Utf16Bytes(u"<?xml encoding=\"UTF-16\"?><r>x</r>", true), XmlLoaded,
                  1201, u"r", u"x"},
        // A name in lower case is honoured in both byte orders: such a file would not load at all otherwise.
        TLoadCase{"Utf16NamedBigEndianInLowerCase", Utf16Bytes(u"<?xml encoding='utf-16'?><r>x</r>", true),
                  XmlLoaded, 1201, u"r", u"x"},
        TLoadCase{"LineFeedsInsideTags", "<?xml\n version='1.0'?>\n<r\n  a='1'\n  b='2'\n>v</r\n>", XmlLoaded,
                  65001, u"r", u"v"},
        TLoadCase{"Utf8Mark", std::string(Utf8Mark) + "<r>\xC3\xA9</r>", XmlLoaded, 65001, u"r", u"\u00E9"},
        TLoadCase{"Utf8Named", "<?xml encoding='utf-8'?><r>\xC3\xA9</r>", XmlLoaded, 65001, u"r", u"\u00E9"},
        TLoadCase{"NothingNamedIsUtf8", "<r>\xC3\xA9</r>", XmlLoaded, 65001, u"r", u"\u00E9"},
        TLoadCase{"Latin9", "<?xml encoding=\"iso-8859-15\"?><r>\xA4</r>", XmlLoaded, 28605, u"r", u"\u20AC"},
        TLoadCase{"Latin1", "<?xml encoding=\"ISO-8859-1\"?><r>\xA4</r>", XmlLoaded, 28591, u"r", u"\u00A4"},
        TLoadCase{"Latin2", "<?xml encoding=\"ISO-8859-2\"?><r>\xA3</r>", XmlLoaded, 28592, u"r", u"\u0141"},
        TLoadCase{"Turkish", "<?xml encoding=\"ISO-8859-9\"?><r>\xFD</r>", XmlLoaded, 28599, u"r", u"\u0131"},
        TLoadCase{"Baltic", "<?xml encoding=\"ISO-8859-13\"?><r>\xC0</r>", XmlLoaded, 28603, u"r", u"\u0104"},
        TLoadCase{"Ascii", "<?xml encoding=\"us-ascii\"?><r>a</r>", XmlLoaded, 20127, u"r", u"a"},
        TLoadCase{"NameBeyondTheWindowIsNotSeen",
                  "<r>" + std::string(1100, ' ') + "\xC3\xA9<!-- ISO-8859-1 --></r>", XmlLoaded, 65001, u"r",
                  u"\u00E9"},
        TLoadCase{"MarkOnly", std::string(Utf8Mark), XmlIllegal, 0, u"", u""},
        TLoadCase{"NoRoot", "just text", XmlIllegal, 0, u"", u""},
        TLoadCase{"RootMustStartWithAnAsciiLetter", "<_r/>", XmlIllegal, 0, u"", u""},
        TLoadCase{"NonLetterTagsBeforeTheRootArePassedOver", "<_r><a>v</a></_r>", XmlLoaded, 65001, u"a",
                  u"v"},
        TLoadCase{"UnknownDeclarationIsPassedOver", "<!x><r>v</r>", XmlLoaded, 65001, u"r", u"v"},
        TLoadCase{"BrokenRoot", "<r><a></r>", XmlIllegal, 0, u"", u""},
        TLoadCase{"OpenCommentBeforeTheRoot", "<!-- x <r/>", XmlIllegal, 0, u"", u""},
        TLoadCase{"BadInstructionBeforeTheRoot", "<?pi x?><r/>", XmlIllegal, 0, u"", u""},
        TLoadCase{"DocTypeWithSubset", "<!DOCTYPE r [<!ENTITY e 'v'>]><r>v</r>", XmlLoaded, 65001, u"r",
                  u"v"},
        TLoadCase{"DocTypeWithoutSubset", "<!DOCTYPE r><r>v</r>", XmlLoaded, 65001, u"r", u"v"},
        TLoadCase{"DocTypeSubsetNotClosed", "<!DOCTYPE r [ ] ><r/>", XmlIllegal, 0, u"", u""},
        TLoadCase{"BrokenTailIsIgnored", "<r>v</r><?pi ok='1'?><!-- x", XmlLoaded, 65001, u"r", u"v"},
        TLoadCase{"ZeroCodeUnitIsOrdinaryText", "<r>a\0b</r>"s, XmlLoaded, 65001, u"r", u"a\0b"s}),
    [](const ::testing::TestParamInfo<TLoadCase>& row) { return row.param.Name; });

TEST(XmlFileTest, ADemandedCodePageMustMatch) {
  native::TNativeCodePages codePages;
  struct TRow {
    std::string Bytes;
    std::uint32_t Demanded;
    int Result;
  };
  const TRow rows[] = {
      {std::string(Utf8Mark) + "<r/>", 1252, XmlCodePageMismatch},
      {std::string(Utf8Mark) + "<r/>", 1200, XmlCodePageMismatch},
      {"<r/>", 1252, XmlUnknownFormat},
      {"<r/>", 65001, XmlLoaded},
      {"<r/>", 28591, XmlLoaded},
      {"<?xml encoding='ISO-8859-1'?><r/>", 28591, XmlLoaded},
      {"<?xml encoding='ISO-8859-1'?><r/>", 65001, XmlCodePageMismatch},
  };
  for (const TRow& row : rows) {
    TQxXmlFile document;
    EXPECT_EQ(document.LoadFromStream(codePages, row.Bytes, row.Demanded), row.Result)
        << row.Bytes << " as " << row.Demanded;
  }
}

TEST(XmlFileTest, NodesAroundTheRootAreKeptAndTheDeclarationComesFirst) {
  native::TNativeCodePages codePages;
  TQxXmlFile document;
  ASSERT_EQ(document.LoadFromStream(
                codePages, "<!--a--><!DOCTYPE r [x]><?xml version='1.0'?><r/><!--b--><?p?></_r><!--c-->", 0),
            XmlLoaded);
  ASSERT_EQ(document.PreTags.Count(), 3);
  EXPECT_EQ(document.PreTags[0], document.XmlDefenitionTag);
  EXPECT_EQ(document.PreTags[1]->Value, u"a");
  EXPECT_EQ(document.PreTags[2]->Value, u"<!DOCTYPE r [x]>");
  EXPECT_EQ(document.PreTags[2]->TagType, xtDocType);
  ASSERT_EQ(document.PostTags.Count(), 3);
  EXPECT_EQ(document.PostTags[1]->Name, u"p");
  EXPECT_EQ(document.PostTags[2]->Value, u"c");
  std::u16string text;
  const std::size_t written = document.SaveToString(text);
  EXPECT_EQ(written, text.size());
  EXPECT_EQ(text,
            u"\r\n<?xml version=\"1.0\"?>\r\n<!--a-->\r\n<!DOCTYPE r "
            u"[x]>\r\n<r/>\r\n<!--b-->\r\n<?p?>\r\n<!--c-->");
  EXPECT_GE(document.GetApproximateBufferSize(), text.size());
}

TEST(XmlFileTest, ResultTextsNameEveryCode) {
  const char16_t* texts[] = {u"",
                             u"File Does Not Exist",
                             u"Cant read file format: UTF-32",
                             u"Unknown Fileformat",
                             u"Error Reading file from disk",
                             u"Could Not Decode File",
                             u"Illigal XML",
                             u"CodePage Miss Match",
                             u"Unknown File Error"};
  for (int code = 0; code <= 8; ++code)
    EXPECT_EQ(XmlLoadResultText(code), texts[code]) << code;
  EXPECT_EQ(XmlLoadResultText(-1), u"Unknown File Error");
}

class XmlFileSaveTest : public ::testing::Test {
 protected:
  std::string Saved(TQxXmlFile& document) {
    EXPECT_EQ(document.SaveToUtf8File(Files, Path), XmlSaved);
    return Files.Content(Path).value_or("<missing>");
  }

  native::TNativeCodePages CodePages;
  recording::TMemoryFiles Files;
  const std::u16string Path = u"C:\\data\\doc.xml";
};

TEST_F(XmlFileSaveTest, LoadedDocumentIsSavedAsUtf8WithMarkAndDeclaration) {
  Files.AddFile(Path, "old");
  TQxXmlFile latin;
  ASSERT_EQ(latin.LoadFromStream(CodePages, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xE9</r>", 0),
            XmlLoaded);
  EXPECT_EQ(Saved(latin), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<r>\xC3\xA9</r>");

  TQxXmlFile fresh(u"a");
  EXPECT_EQ(Saved(fresh), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a/>");

  TQxXmlFile declared;
  ASSERT_EQ(declared.LoadFromStream(CodePages, "<?xml version='1.1' standalone='yes'?><r/>", 0), XmlLoaded);
  EXPECT_EQ(Saved(declared),
            "\xEF\xBB\xBF<?xml version=\"1.1\" standalone=\"yes\" encoding=\"UTF-8\"?>\r\n<r/>");
}

TEST_F(XmlFileSaveTest, AttributeValuesWithQuotesAreWrittenSoTheFileLoadsAgain) {
  Files.AddFile(Path, "old");
  TQxXmlFile document;
  ASSERT_EQ(document.LoadFromStream(CodePages, "<r a='say \"hi\"' b=\"it's\"/>", 0), XmlLoaded);
  document.RootTag->SetAttribute(u"c", u"both ' and \"");
  const std::string saved = Saved(document);
  EXPECT_TRUE(saved.ends_with("<r a='say \"hi\"' b=\"it's\" c=\"both ' and &quot;\"/>")) << saved;
  TQxXmlFile again;
  ASSERT_EQ(again.LoadFromStream(CodePages, saved, 0), XmlLoaded);
  EXPECT_EQ(again.RootTag->GetAttribute(u"a"), u"say \"hi\"");
  EXPECT_EQ(again.RootTag->GetAttribute(u"b"), u"it's");
  EXPECT_EQ(Saved(again), saved);
}

TEST_F(XmlFileSaveTest, DeclarationIsCreatedWithItsNonEmptyAttributesInOrder) {
  TQxXmlFile document(u"r");
  document.PreTags.Add(std::make_unique<TQxXmlTag>(u"c", xtComment));
  document.SetXmlDefenitionTag(u"1.0", u"", u"no");
  document.SetXmlDefenitionTag(u"", u"X", u"yes");
  std::u16string text;
  document.SaveToString(text);
  EXPECT_EQ(text, u"\r\n<?xml version=\"1.0\" standalone=\"yes\" encoding=\"X\"?>\r\n<!--c-->\r\n<r/>");
}

TEST_F(XmlFileSaveTest, NoRootWritesNothing) {
  TQxXmlFile empty;
  std::u16string text;
  EXPECT_EQ(empty.SaveToString(text), 0u);
  EXPECT_EQ(empty.SaveToUtf8File(Files, Path), XmlSaveNoRoot);
  EXPECT_EQ(empty.ErrorLine, u"There is No Root Tag, Nothing to Save");
  EXPECT_FALSE(Files.FileExists(Path));
}

TEST_F(XmlFileSaveTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  struct TRow {
    TFileOperation Step;
    bool FileExisted;
    int Result;
  };
  const TRow rows[] = {
      {TFileOperation::Create, false, XmlSaveCannotCreate}, {TFileOperation::Create, true, XmlSaveFailed},
      {TFileOperation::Write, true, XmlSaveFailed},         {TFileOperation::Flush, true, XmlSaveFailed},
      {TFileOperation::Replace, true, XmlSaveFailed},
  };
  for (const TRow& row : rows) {
    recording::TMemoryFiles files;
    if (row.FileExisted)
      files.AddFile(Path, "old content");
    else
      ASSERT_TRUE(files.CreateFolder(u"C:\\data"));
    files.FailCall(row.Step, 1, {112, u"There is not enough space on the disk."});
    TQxXmlFile document(u"r");
    EXPECT_EQ(document.SaveToUtf8File(files, Path), row.Result);
    EXPECT_EQ(files.Content(Path),
              row.FileExisted ? std::optional<std::string>("old content") : std::nullopt);
    EXPECT_EQ(files.FilePaths().size(), row.FileExisted ? 1u : 0u) << "temporary file left behind";
    EXPECT_EQ(document.SaveError.Message, u"There is not enough space on the disk.");
    EXPECT_EQ(document.ErrorLine,
              row.Result == XmlSaveFailed ? u"Could not Write File" : u"Could not Create File");
  }
}

TEST_F(XmlFileSaveTest, AFileLockedByAnotherProgramCannotBeOpened) {
  Files.AddFile(Path, "old content");
  Files.SetLockedByOtherProgram(Path, true);
  TQxXmlFile document(u"r");
  EXPECT_EQ(document.SaveToUtf8File(Files, Path), XmlSaveCannotCreate);
  EXPECT_EQ(Files.Content(Path), "old content");
}

TEST(XmlFileLoadFromFileTest, MissingAndUnreadableFilesHaveTheirOwnCodes) {
  native::TNativeCodePages codePages;
  recording::TMemoryFiles files;
  TQxXmlFile document;
  EXPECT_EQ(document.LoadFromFile(files, codePages, u"C:\\none.xml", 0), XmlFileDoesNotExist);
  files.AddFile(u"C:\\m.xml", "<r/>");
  files.FailCall(TFileOperation::Read, 1, {5, u"Access is denied."});
  EXPECT_EQ(document.LoadFromFile(files, codePages, u"C:\\m.xml", 0), XmlReadError);
  EXPECT_EQ(document.LoadFromFile(files, codePages, u"C:\\m.xml", 0), XmlLoaded);
  EXPECT_EQ(document.RootTag->Name, u"r");
}

}  // namespace
}  // namespace tolvane::storage
