#include "storage/Qxmemini.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/recording/Memoryfiles.h"
#include "platform/recording/Recordingmessagebox.h"
#include "storage/Qxmeminiencoding.h"

namespace tolvane::storage {
namespace {

using namespace std::string_literals;
using recording::TFileOperation;

constexpr std::u16string_view IniPath = u"C:\\cfg\\test.ini";

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

class IniTest : public ::testing::Test {
 protected:
  IniTest() { EXPECT_TRUE(Files.CreateFolder(u"C:\\cfg")); }

  TIniServices Services() { return {Files, CodePages, MessageBox}; }

  // Loads the bytes as a file and answers LoadIniFile's result.
  int Load(TQxMemIni& ini, const std::string& bytes) {
    Files.AddFile(IniPath, bytes);
    return ini.LoadIniFile(IniPath);
  }

  recording::TMemoryFiles Files;
  native::TNativeCodePages CodePages;
  recording::TRecorder Recorder;
  recording::TRecordingMessageBox MessageBox{Recorder};
};

struct TLineCase {
  std::u16string Line;
  int Kind;
  std::u16string Key;
  std::u16string Value;
  std::u16string Comment;
  std::u16string Written;
};

class IniLineTest : public IniTest, public ::testing::WithParamInterface<TLineCase> {};

TEST_P(IniLineTest, ParsesAndWritesBack) {
  const TLineCase& row = GetParam();
  TQxMemIni ini(Services());
  ASSERT_EQ(ini.LoadFromText(u"[S]\r\n" + row.Line + u"\r\nz=1"), 0);
  ASSERT_EQ(ini.Sections.Count(), 1);
  const TQxIniVal& line = *ini.Sections[0]->Values[0];
  EXPECT_EQ(line.LineKind, row.Kind);
  EXPECT_EQ(line.Key, row.Key);
  EXPECT_EQ(line.Value, row.Value);
  EXPECT_EQ(line.Comment, row.Comment);
  EXPECT_EQ(ini.SaveToText(), u"[S]\r\n" + row.Written + u"\r\nz=1\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IniLineTest,
    ::testing::Values(
        TLineCase{u"a = b ;note", lkKeyValue, u"a", u"b", u"note", u"a=b ;note"},
        TLineCase{u"path=C:\\x\\;y", lkKeyValue, u"path", u"C:\\x\\;y", u"", u"path=C:\\x\\;y"},
        TLineCase{u"path=C:\\x\\;y;z", lkKeyValue, u"path", u"C:\\x\\;y", u"z", u"path=C:\\x\\;y ;z"},
        // Written back so that reading gives the same line again: no blank that would read as the value, the
        // "=" of an empty key, the ";" of an empty comment.
        TLineCase{u"k=;only comment", lkKeyValue, u"k", u"", u"only comment", u"k=;only comment"},
        TLineCase{u"=v", lkKeyValue, u"", u"v", u"", u"=v"}, TLineCase{u";", lkComment, u"", u"", u"", u";"},
        TLineCase{u"\tk\t=\tv w\t", lkKeyValue, u"k", u"v w", u"", u"k=v w"},
        TLineCase{u"k=a=b", lkKeyValue, u"k", u"a=b", u"", u"k=a=b"},
        TLineCase{u"  ;  a note\t", lkComment, u"", u"", u"a note", u";a note"},
        TLineCase{u"free text ;x", lkText, u"", u"free text ;x", u"", u"free text ;x"},
        TLineCase{u"   ", lkEmpty, u"", u"", u"", u""}));

TEST_F(IniTest, SectionHeadersKeepNameAndComment) {
  TQxMemIni ini(Services());
  ASSERT_EQ(ini.LoadFromText(u"top=1\r\n[ Main ] ;c\r\nx=1\r\n[Two]junk\\;no;yes\r\n[Three]"), 0);
  ASSERT_EQ(ini.Sections.Count(), 4);
  EXPECT_EQ(ini.Sections[0]->Name, u"");
  EXPECT_EQ(ini.Sections[1]->Name, u"Main");
  EXPECT_EQ(ini.Sections[1]->Comment, u"c");
  EXPECT_EQ(ini.Sections[2]->Comment, u"yes");
  EXPECT_EQ(ini.Sections[3]->Name, u"Three");
  EXPECT_EQ(ini.SaveToText(), u"top=1\r\n\r\n[Main] ;c\r\nx=1\r\n\r\n[Two] ;yes\r\n[Three]\r\n");
}

TEST_F(IniTest, AnUnnamedSectionAfterTheFirstKeepsItsHeader) {
  TQxMemIni ini(Services());
  ASSERT_EQ(ini.LoadFromText(u"a=1\r\n[]\r\nb=2"), 0);
  ASSERT_EQ(ini.Sections.Count(), 2);
  EXPECT_EQ(ini.SaveToText(), u"a=1\r\n\r\n[]\r\nb=2\r\n\r\n");
}

TEST_F(IniTest, LineBreaksOfEveryKindSeparateLines) {
  for (const std::u16string_view text : {u"[S]\r\na=1\r\n\r\nb=2", u"[S]\na=1\n\nb=2", u"[S]\ra=1\r\rb=2"}) {
    TQxMemIni ini(Services());
    ASSERT_EQ(ini.LoadFromText(text), 0);
    const TQxIniSection& section = *ini.Sections[0];
    ASSERT_EQ(section.Values.Count(), 3) << Utf16ToUtf8(text);
    EXPECT_EQ(section.ReadString(u"a", u""), u"1");
    EXPECT_EQ(section.Values[1]->LineKind, lkEmpty);
    EXPECT_EQ(section.ReadString(u"b", u""), u"2");
  }
}

TEST_F(IniTest, BrokenHeaderStopsLoadingAndKeepsEarlierSections) {
  TQxMemIni ini(Services());
  EXPECT_EQ(Load(ini, "[A]\r\na=1\r\n[B\r\nb=2\r\n"), IniParseStopped);
  ASSERT_EQ(ini.Sections.Count(), 1);
  EXPECT_EQ(ini.Sections[0]->ReadString(u"a", u""), u"1");

  TQxMemIni nearEnd(Services());
  EXPECT_EQ(nearEnd.LoadFromText(u"[A]\r\na=1\r\n[B"), 0);
}

TEST_F(IniTest, DetectsEncodings) {
  struct TRow {
    std::string Bytes;
    int Result;
  };
  const std::u16string text = u"[Form]\r\nName=K\u00E6r";
  const std::vector<TRow> rows{
      {"\xEF\xBB\xBF" + Utf16ToUtf8(text), 65001},
      {"\xFF\xFE" + Utf16Bytes(text, false), 1200},
      {"\xFE\xFF" + Utf16Bytes(text, true), 1201},
      {Utf16Bytes(text, false), 1200},  // 5B 00 46 00 6F 00 …: no mark
      {Utf16Bytes(text, true), 1201},
      {"; utf-8\r\n" + Utf16ToUtf8(text), 65001},
      {"[Form]\r\nName=K\xE6r", 0},
  };
  for (const TRow& row : rows) {
    TQxMemIni ini(Services());
    ASSERT_EQ(Load(ini, row.Bytes), row.Result);
    EXPECT_EQ(ini.CodePage, row.Result);
    EXPECT_EQ(ini.GetSection(u"Form").ReadString(u"Name", u""), u"K\u00E6r") << row.Result;
  }
}

TEST_F(IniTest, RefusesUtf32WithAMessage) {
  for (const std::string& bytes : {"\xFF\xFE\0\0[\0\0\0"s, "\0\0\xFE\xFF\0\0\0["s}) {
    TQxMemIni ini(Services());
    EXPECT_EQ(Load(ini, bytes), 0);
    EXPECT_TRUE(ini.Sections.Empty());
  }
  ASSERT_EQ(MessageBox.Requests().size(), 2u);
  EXPECT_EQ(MessageBox.Requests()[0].Text, u"32bit File Types are not supported.");
}

TEST_F(IniTest, MissingAndUnreadableFiles) {
  TQxMemIni missing(Services(), IniPath);
  EXPECT_EQ(missing.LoadResult, IniFileMissing);
  EXPECT_EQ(missing.CodePage, IniNothingLoaded);

  Files.AddFile(IniPath, "[A]");
  Files.FailCall(TFileOperation::Read, 1, {5, u"Access is denied."});
  TQxMemIni ini(Services());
  EXPECT_EQ(ini.LoadIniFile(IniPath), IniReadFailed);
  EXPECT_EQ(ini.LastError().Message, u"Access is denied.");
}

TEST_F(IniTest, TrailingPaddingAtTheEndIsIgnored) {
  TQxMemIni ini(Services());
  ASSERT_EQ(Load(ini, "\xEF\xBB\xBF[A]\r\nk=v\r\n\0\0 \t"s), 65001);
  ASSERT_EQ(ini.Sections[0]->Values.Count(), 1);
  EXPECT_EQ(ini.Sections[0]->ReadString(u"k", u""), u"v");
}

TEST_F(IniTest, WritesTheCallersEncodingWithOrWithoutMark) {
  struct TRow {
    int CodePage;
    bool Mark;
    std::string Bytes;
    int ReadsBackAs;  // UTF-8 without mark and without "utf-8" in it reads as ANSI
  };
  const std::u16string body = u"[A]\r\nk=\u00E9\r\n\r\n";
  const std::vector<TRow> rows{
      {65001, true, "\xEF\xBB\xBF" + Utf16ToUtf8(body), 65001},
      {65001, false, Utf16ToUtf8(body), -1},
      {1200, true, "\xFF\xFE" + Utf16Bytes(body, false), 1200},
      {1201, true, "\xFE\xFF" + Utf16Bytes(body, true), 1201},
      {1201, false, Utf16Bytes(body, true), 1201},
      {1252, true, "[A]\r\nk=\xE9\r\n\r\n", 0},
  };
  for (const TRow& row : rows) {
    TQxMemIni ini(Services());
    ini.WriteBom = row.Mark;
    ini.GetSection(u"A").WriteString(u"k", u"\u00E9");
    ASSERT_TRUE(ini.SaveIniFile(IniPath, row.CodePage));
    EXPECT_EQ(Files.Content(IniPath), row.Bytes) << row.CodePage;
    if (row.ReadsBackAs < 0)
      continue;
    TQxMemIni back(Services());
    EXPECT_EQ(back.LoadIniFile(IniPath), row.ReadsBackAs);
    EXPECT_EQ(back.SaveToText(), body);
  }
}

TEST_F(IniTest, EmptyStoreWritesOnlyTheMarkOfTheRequestedEncoding) {
  TQxMemIni ini(Services());
  ASSERT_TRUE(ini.SaveIniFile(IniPath, 1200));
  EXPECT_EQ(Files.Content(IniPath), "\xFF\xFE");
}

TEST_F(IniTest, FailedSaveKeepsTheOldFile) {
  Files.AddFile(IniPath, "[Old]\r\n");
  Files.FailCall(TFileOperation::Write, 1, {112, u"There is not enough space on the disk."});
  TQxMemIni ini(Services());
  ini.GetSection(u"New").WriteInteger(u"k", 1);
  EXPECT_FALSE(ini.SaveIniFile(IniPath, 65001));
  EXPECT_EQ(ini.LastError().Message, u"There is not enough space on the disk.");
  EXPECT_EQ(Files.Content(IniPath), "[Old]\r\n");
  EXPECT_EQ(Files.FilePaths(), std::vector<std::u16string>{std::u16string(IniPath)});
}

TEST_F(IniTest, SectionsAreSeparatedByOneEmptyLine) {
  TQxMemIni ini(Services());
  ini.GetSection(u"A").WriteInteger(u"x", 1);
  ini.GetSection(u"B").WriteBool(u"y", true);
  ini.GetSection(u"C");
  EXPECT_EQ(ini.SaveToText(), u"[A]\r\nx=1\r\n\r\n[B]\r\ny=true\r\n\r\n[C]\r\n");

  TQxMemIni endsEmpty(Services());
  ASSERT_EQ(endsEmpty.LoadFromText(u"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"), 0);
  EXPECT_EQ(endsEmpty.SaveToText(), u"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n");
}

TEST_F(IniTest, TypedReads) {
  TQxMemIni ini(Services());
  ASSERT_EQ(ini.LoadFromText(u"[S]\r\nLeft=1\r\nleft=2\r\nneg=-2147483648\r\nbig=2147483648\r\nabc=abc\r\n"
                             u"empty=\r\nt=true\r\nT=True\r\ngreen=00FF00\r\nzz=zz\r\nmixed=#0x1f\r\n"
                             u"long=123456789\r\n"),
            0);
  const TQxIniSection& s = *ini.Sections[0];
  EXPECT_EQ(s.ReadInteger(u"Left", 0).Value, 1);
  EXPECT_EQ(s.ReadInteger(u"left", 0).Value, 2);
  EXPECT_EQ(s.ReadInteger(u"neg", 0).Value, -2147483647 - 1);
  EXPECT_EQ(s.ReadInteger(u"missing", 7).Value, 7);
  EXPECT_EQ(s.ReadInteger(u"big", 0).Error, u"'2147483648' is not a valid integer value");
  EXPECT_EQ(s.ReadInteger(u"abc", 0).Error, u"'abc' is not a valid integer value");
  EXPECT_FALSE(s.ReadInteger(u"empty", 0).Ok());
  EXPECT_TRUE(s.ReadBool(u"t", false));
  EXPECT_FALSE(s.ReadBool(u"T", true));
  EXPECT_TRUE(s.ReadBool(u"missing", true));
  EXPECT_EQ(s.ReadHex(u"green", 1), 65280u);
  EXPECT_EQ(s.ReadHex(u"zz", 1), 0u);
  EXPECT_EQ(s.ReadHex(u"empty", 9), 9u);
  EXPECT_EQ(s.ReadHex(u"missing", 9), 9u);
  EXPECT_EQ(s.ReadHex(u"mixed", 0), 0x01Fu);
  EXPECT_EQ(s.ReadHex(u"long", 0), 0x23456789u);
}

TEST_F(IniTest, WritesCleanValuesAndRecomputeKinds) {
  TQxMemIni ini(Services());
  ASSERT_EQ(ini.LoadFromText(u"[S]\r\nk=old ;keep\r\n"), 0);
  TQxIniSection& s = *ini.Sections[0];
  s.WriteString(u"k", u"  two\r\nlines\t\x01");
  s.WriteString(u"n", u"a\r\n[Injected]");
  s.WriteHex(u"h", 0xD8B4A3);
  TQxIniVal& text = *s.Values.Add(std::make_unique<TQxIniVal>());
  TQxIniSection::SetComment(text, u" note ");
  EXPECT_EQ(text.LineKind, lkComment);
  EXPECT_EQ(ini.SaveToText(),
            u"[S]\r\nk=\"  two lines\t\";keep\r\nn=a [Injected]\r\nh=00D8B4A3\r\n;note\r\n\r\n");
}

// Every prefix of a file parses, and what is written from it reads back to the same text.
TEST_F(IniTest, EveryPrefixParsesAndWritesStably) {
  const std::u16string file =
      u"; head\r\n[A] ;c\r\nk = v ;n\r\n\r\npath=C:\\x\\;y\r\n[B]\nfree text\n;note\rz=1\r\n";
  for (std::size_t length = 0; length <= file.size(); ++length) {
    TQxMemIni ini(Services());
    const int result = ini.LoadFromText(std::u16string_view(file).substr(0, length));
    EXPECT_TRUE(result == 0 || result == IniParseStopped) << length;
    const std::u16string written = ini.SaveToText();
    TQxMemIni again(Services());
    ASSERT_EQ(again.LoadFromText(written), result) << length;
    EXPECT_EQ(again.SaveToText(), written) << length;
  }
}

// Values that a plain line would change are quoted, and read back exactly; plain values keep their form.
TEST_F(IniTest, ValuesReadBackExactlyWhateverTheyHold) {
  const std::u16string values[] = {
      u"C:\\Menus\\Work;old.TvXml",
      u"C:\\x\\;y",
      u"C:\\dir\\",
      u"a=b",
      u" lead",
      u"trail ",
      u";",
      u"\"",
      u"\"quoted\"",
      u"a \";\" b",
      u"\\",
      u"\t",
      u"x\\",
      u"",
      u"\u00E9;\U0001F600",
  };
  TQxMemIni ini(Services());
  TQxIniSection& section = ini.GetSection(u"S");
  for (std::size_t i = 0; i < std::size(values); ++i) {
    TQxIniVal& line =
        section.WriteString(u"k" + std::u16string(1, static_cast<char16_t>(u'a' + i)), values[i]);
    if (i % 2 == 0)
      TQxIniSection::SetComment(line, u"path;with=more");
  }
  TQxMemIni again(Services());
  ASSERT_EQ(again.LoadFromText(ini.SaveToText()), 0);
  for (std::size_t i = 0; i < std::size(values); ++i) {
    const TQxIniVal* line =
        again.GetSection(u"S").FindKey(u"k" + std::u16string(1, static_cast<char16_t>(u'a' + i)));
    ASSERT_NE(line, nullptr) << i;
    EXPECT_EQ(line->Value, values[i]) << i;
    EXPECT_EQ(line->Comment, i % 2 == 0 ? u"path;with=more" : u"") << i;
  }
  EXPECT_EQ(QuotedIniValue(u"C:\\Program Files\\x"), u"C:\\Program Files\\x");
  EXPECT_EQ(QuotedIniValue(u"C:\\x\\;y"), u"C:\\x\\;y");
  EXPECT_EQ(QuotedIniValue(u"a;\"b"), u"\"a;\"\"b\"");
}

// Lines as earlier files have them read as they always did; only a value opening with a well-formed quote
// reads as quoted.
TEST_F(IniTest, QuotedAndPlainValuesAreTold) {
  TQxMemIni ini(Services());
  ASSERT_EQ(ini.LoadFromText(u"a = \"x;y\" ;c\r\nb=\"\"\"\"\r\nc=\"open;rest\r\nd=\"x\" tail\r\n"
                             u"e=path\\;y ;n\r\nf=\"\"\r\ng= \t\"sp \"\t\r\n"),
            0);
  const TQxIniSection& s = *ini.Sections[0];
  const std::u16string expected[][2] = {{u"x;y", u"c"},       {u"\"", u""},        {u"\"open", u"rest"},
                                        {u"\"x\" tail", u""}, {u"path\\;y", u"n"}, {u"", u""},
                                        {u"sp ", u""}};
  ASSERT_EQ(s.Values.Count(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(s.Values[i]->Value, expected[i][0]) << i;
    EXPECT_EQ(s.Values[i]->Comment, expected[i][1]) << i;
  }
}

// The rest of a file behind a broken header is not parsed, but kept and written back as it was.
TEST_F(IniTest, TextBehindABrokenHeaderIsKept) {
  TQxMemIni ini(Services());
  const std::u16string tail = u"[Fonts\r\nMenuFontName=Tahoma\r\n[Paths]\r\nA=b\r\n";
  ASSERT_EQ(ini.LoadFromText(u"[Form]\r\nWidth=900\r\n\r\n" + tail), IniParseStopped);
  EXPECT_EQ(ini.UnparsedText, tail);
  EXPECT_EQ(ini.UnparsedLine, 4);
  EXPECT_EQ(ini.FindSection(u"Fonts"), nullptr);
  ini.GetSection(u"Form").WriteInteger(u"Width", 1000);
  EXPECT_EQ(ini.SaveToText(), u"[Form]\r\nWidth=1000\r\n\r\n" + tail);
  TQxMemIni lf(Services());
  ASSERT_EQ(lf.LoadFromText(u"a=1\n\rb=2\r[x\ny"), IniParseStopped);
  EXPECT_EQ(lf.UnparsedLine, 4);
}

TEST(CleanTextTest, KeepsPrintableAndTabs) {
  EXPECT_EQ(CleanText(u" \t a\tb\nc\rd\x7 \t"), u"a\tb cd");
  EXPECT_EQ(CleanText(u"\t\t"), u"");
  EXPECT_EQ(TrimIni(u" "), u" ");
  EXPECT_EQ(TrimIni(u"\x01 a \x1F"), u"a");
}

}  // namespace
}  // namespace tolvane::storage
