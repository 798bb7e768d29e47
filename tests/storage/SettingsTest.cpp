#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Globals.h"
#include "storage/Settingsread.h"
#include "storage/Settingswrite.h"

namespace tolvane::storage {
namespace {

using recording::TFileOperation;

constexpr std::u16string_view IniPath = u"C:\\Users\\Test\\cfg\\Tolvane.ini";
constexpr std::u16string_view IniFolder = u"C:\\Users\\Test\\cfg\\";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    Settings.IniFileName = IniPath;
    EXPECT_TRUE(Doubles.Files.CreateFolder(IniFolder));
  }

  TSettingsServices Services() { return TSettingsServices::From(Doubles.Services()); }
  bool Read() { return ReadSettings(Settings, Services(), Environment, State); }
  bool Write(const TSettings& settings) { return WriteSettings(settings, Services(), State); }
  bool ReadFile(std::u16string_view text) {
    Doubles.Files.AddFile(IniPath, "\xEF\xBB\xBF" + Utf16ToUtf8(text));
    return Read();
  }

  // The settings as the file would hold them: a readable account of a difference.
  std::string Text(const TSettings& settings) {
    TQxMemIni ini({Doubles.Files, CodePages, Doubles.MessageBox});
    FillSettingsIni(settings, ini);
    return Utf16ToUtf8(ini.SaveToText());
  }

  std::vector<std::u16string> Messages() const {
    std::vector<std::u16string> shown;
    for (const platform::TMsgRequest& request : Doubles.MessageBox.Requests())
      shown.push_back(request.Caption + u" | " + request.Text);
    return shown;
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TSettingsEnvironment Environment{1920, 1080, 96, {u"Courier New", 10, false}, {u"Arial", 9, true}, 16};
  TSettings Settings = StartSettings(Environment);
  TSettingsFileState State;
};

// Every key away from its default; "Top" survives only while the bar does not hide itself.
TSettings ChangedSettings(const TSettingsEnvironment& environment) {
  TSettings s = DefaultSettings(environment);
  s.FormHeight = 501, s.Left = -7, s.PnlLeft = 226, s.Top = 33, s.Width = 1001;
  TSettingsColor next = 0x000101;
  for (TSettingsColor* color :
       {&s.FormBottomColor, &s.ButDimmedLight, &s.ButDimmedDark,      &s.ButHotLight,     &s.ButHotDark,
        &s.ButDisabLight,   &s.ButDisabDark,   &s.DisabledColor,      &s.FrameColor,      &s.MainMenuBottom,
        &s.MenuBottomColor, &s.MenuTopColor,   &s.InActiveFrameColor, &s.PopupFrameColor, &s.SelBottomColor,
        &s.SelTextColor,    &s.SelTopColor,    &s.SplitterColor,      &s.MenuTextColor,   &s.FormTopColor,
        &s.HslMenuBkg,      &s.HslSelMenu,     &s.HslWinBkg}) {
    *color = next;
    next += 0x010203;
  }
  s.PipeShadow = 51;
  s.AutoHide = false, s.AutoPaste = false, s.DrawIconsOnMain = false, s.StayOnTop = true;
  s.PipeOnMain = false, s.ShowOnTaskbar = false, s.RestoreClipboard = false;
  s.CodeTabSize = 4, s.EdgeSize = 2, s.ItemHeight = 31, s.SearchSplit = 120;
  s.ClipComposerPos = TRect{-1800, -5, 20, 400};
  s.MacroComposerPos = TRect{1, 2, 3, 4};
  s.SearchPos = TRect{100, 200, 900, 700};
  s.ArrowImageIndex = 2, s.AutoHidePause = 1500, s.HintHidePause = 3000;
  s.CodeFixedFontBold = true, s.CodeFixedFontSize = 12, s.CodeFixedFontName = u"Consolas";
  s.MenuFontBold = false, s.MenuFontSize = 11, s.MenuFontName = u"Segoe UI";
  s.CodeFontBold = false, s.CodeFontSize = 13, s.CodeFontName = u"Tahoma";
  s.MenuTextTop = -3;
  s.WorkingDir = u"C:\\Work\\", s.SaveAsDir = u"C:\\Saved\\", s.OpenTvXmlFileDir = u"C:\\Opened\\";
  s.OpenActionFileDir = u"C:\\Programs\\", s.ActiveFile = u"C:\\Work\\Ab\u00E6.TvXml";
  s.MruList.Add(u"Ab\u00E6", u"C:\\Work\\Ab\u00E6.TvXml");
  s.MruList.Add(u"Old", u"D:\\Old.TvXml");
  return s;
}

TEST_F(SettingsTest, RoundTripKeepsEveryKey) {
  TSettings original = ChangedSettings(Environment);
  original.IniFileName = IniPath;
  ASSERT_TRUE(Write(original));
  ASSERT_TRUE(Read());
  EXPECT_EQ(Text(Settings), Text(original));
  EXPECT_TRUE(Settings == original);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
  ASSERT_TRUE(Read());
  TSettings expected = DefaultSettings(Environment);
  expected.IniFileName = IniPath;
  expected.WorkingDir = expected.SaveAsDir = expected.OpenTvXmlFileDir = IniFolder;
  EXPECT_EQ(Text(Settings), Text(expected));
  EXPECT_TRUE(Settings == expected);
  EXPECT_EQ(Settings.FormHeight, 720);
  EXPECT_EQ(Settings.Left, 560);
  EXPECT_EQ(Settings.ItemHeight, 20);
  EXPECT_EQ(Settings.SplitterColor, 0x008030u);
}

TEST(SettingsDefaultsTest, DependOnScreenAndFonts) {
  const TSettingsEnvironment wide{2560, 1440, 144, {u"Courier New", 10, true}, {u"Arial", 9, false}, 23};
  const TSettings start = StartSettings(wide);
  EXPECT_EQ(start.FormHeight, 1080);
  EXPECT_EQ(start.SplitterColor, 0x800030u);
  EXPECT_EQ(start.FormTopColor, 0xFFE9DCu);
  const TSettings defaults = DefaultSettings(wide);
  EXPECT_EQ(defaults.FormHeight, 960);
  EXPECT_EQ(defaults.Width, 1000);
  EXPECT_EQ(defaults.Left, 780);
  EXPECT_EQ(defaults.ItemHeight, 28);
  EXPECT_TRUE(defaults.CodeFixedFontBold);
  EXPECT_EQ(defaults.CodeFontName, u"Arial");
}

TEST_F(SettingsTest, WrittenLayout) {
  TSettings s = DefaultSettings(Environment);
  s.IniFileName = IniPath;
  s.Top = 5;  // written as -2 while AutoHide is on
  s.SearchPos = TRect{-10, 20, 830, 640};
  s.WorkingDir = u"C:\\Users\\me\\";
  s.ActiveFile = u"C:\\Users\\me\\Work.TvXml";
  s.MruList.Add(u"Work", u"C:\\Users\\me\\Work.TvXml");
  s.MruList.Add(u"Old", u"D:\\Old.TvXml");
  ASSERT_TRUE(Write(s));
  const std::string expected =
      "\xEF\xBB\xBF"
      "[Form]\r\nFormHeight=720\r\nLeft=560\r\nPnlLeft=225\r\nTop=-2\r\nWidth=800\r\n\r\n"
      "[Colors]\r\nFormBottomColor=00D8B4A3\r\nButDimmedLight=00F2F1E3\r\nButDimmedDark=00E2C7C1\r\n"
      "ButHotLight=00FDF6BA\r\nButHotDark=00F5A997\r\nButDisabLight=00E4E4E4\r\nButDisabDark=00ACACAC\r\n"
      "DisabledColor=00E2E7E7\r\nFrameColor=0090006F\r\nMainMenuBottom=00C8C8C8\r\nMenuBottomColor="
      "00B1B1B1\r\n"
      "MenuTopColor=00F0F0F0\r\nInActiveFrameColor=00047B52\r\nPopupFrameColor=000096FF\r\n"
      "SelBottomColor=007F7F7F\r\nSelTextColor=00B40000\r\nSelTopColor=00FCFCFC\r\nSplitterColor=00008030\r\n"
      "MenuTextColor=00000001\r\nFormTopColor=00FFEBDE\r\nHslMenuBkg=00C400A0\r\nHslSelMenu=00B220A0\r\n"
      "HslWinBkg=00C9D991\r\nPipeShadow=50\r\n\r\n"
      "[Switchs]\r\nAutoHide=true\r\nAutoPaste=true\r\nRestoreClipboard=true\r\nDrawIconsOnMain=true\r\n"
      "StayOnTop=false\r\n"
      "PipeOnMain=true\r\nShowOnTaskbar=true\r\n\r\n"
      "[Sizes]\r\nCodeTabSize=3\r\nEdgeSize=1\r\nItemHeight=20\r\nSearchSplit=0\r\nSearchPos=-10,20,830,"
      "640\r\n\r\n"
      "[Counts]\r\nArrowImageIndex=1\r\nAutoHidePause=1000\r\nHintHidePause=5000\r\n\r\n"
      "[Fonts]\r\nCodeFixedFontBold=false\r\nCodeFixedFontSize=10\r\nCodeFixedFontName=Courier New\r\n"
      "MenuFontBold=true\r\nMenuFontSize=9\r\nMenuFontName=Arial\r\nCodeFontBold=true\r\nCodeFontSize=9\r\n"
      "CodeFontName=Arial\r\nMenuTextTop=0\r\n\r\n"
      "[Paths]\r\nWorkingDir=C:\\Users\\me\\\r\nActiveFileTvXml=C:\\Users\\me\\Work.TvXml\r\n\r\n"
      "[Mrus]\r\nFile_0=Work ;C:\\Users\\me\\Work.TvXml\r\nFile_1=Old ;D:\\Old.TvXml\r\n\r\n";
  EXPECT_EQ(Doubles.Files.Content(IniPath), expected);
}

TEST_F(SettingsTest, MalformedIntegerStopsReadingAtThatKey) {
  const TSettings start = Settings;
  EXPECT_FALSE(ReadFile(
      u"[Colors]\r\nFormTopColor=00112233\r\n[Sizes]\r\nEdgeSize=4\r\nItemHeight=abc\r\nSearchSplit=9\r\n"
      u"[Counts]\r\nArrowImageIndex=3\r\n[Fonts]\r\nMenuFontName=Tahoma\r\n[Paths]\r\nWorkingDir=C:\\w\\\r\n"
      u"[Mrus]\r\nFile_0=A ;C:\\a.TvXml\r\n"));
  EXPECT_EQ(Messages(),
            std::vector<std::u16string>{
                u"Error Loading Settings | The message is:\r\n'abc' is not a valid integer value\r\n"
                u"The settings from \"ItemHeight\" on are not used; the file keeps them as they are."});
  EXPECT_EQ(Settings.FormTopColor, 0x112233u);
  EXPECT_EQ(Settings.EdgeSize, 4);
  EXPECT_EQ(Settings.SplitterColor, 0x008030u);  // read before the failure: its default, not its start value
  EXPECT_EQ(Settings.FormHeight, 720);
  EXPECT_EQ(Settings.ItemHeight, start.ItemHeight);
  EXPECT_EQ(Settings.SearchSplit, 0);
  EXPECT_EQ(Settings.ArrowImageIndex, 1);
  EXPECT_EQ(Settings.MenuFontName, u"Arial");
  EXPECT_EQ(Settings.WorkingDir, u"");
  EXPECT_EQ(Settings.MruList.Count(), 0);
}

// What could not be read stays in the file as it was; what was read is written with its new value.
TEST_F(SettingsTest, AFailedReadKeepsTheUnreadKeysWhenWriting) {
  const std::u16string file =
      u"[Colors]\r\nFormTopColor=00112233\r\n[Sizes]\r\nEdgeSize=4\r\nItemHeight=abc ;hand-edited\r\n"
      u"SearchSplit=9\r\n[Fonts]\r\nMenuFontName=Tahoma\r\n[Mrus]\r\nFile_0=A ;C:\\a.TvXml\r\n";
  EXPECT_FALSE(ReadFile(file));
  EXPECT_EQ(State.Read, TSettingsRead::Partial);
  Settings.EdgeSize = 5;
  Settings.FrameColor = 0x000102;       // read (its default) before the failure
  Settings.MenuFontName = u"Segoe UI";  // not read: the file's value stays
  Settings.MruList.Add(u"B", u"C:\\b.TvXml");
  ASSERT_TRUE(Write(Settings));
  const std::string written = *Doubles.Files.Content(IniPath);
  EXPECT_NE(written.find("EdgeSize=5\r\nItemHeight=abc ;hand-edited\r\nSearchSplit=9\r\n"),
            std::string::npos);
  EXPECT_NE(written.find("FrameColor=00000102\r\n"), std::string::npos);
  EXPECT_NE(written.find("[Fonts]\r\nMenuFontName=Tahoma\r\n"), std::string::npos);
  EXPECT_NE(written.find("[Mrus]\r\nFile_0=A ;C:\\a.TvXml\r\n"), std::string::npos);
  EXPECT_EQ(written.find("Segoe"), std::string::npos);
  EXPECT_EQ(written.find("File_1"), std::string::npos);
}

// A header without "]" hides the rest of the file from reading; it is reported, and the rest survives the
// write untouched, so mending the header brings every setting back.
TEST_F(SettingsTest, ABrokenSectionHeaderIsReportedAndTheRestOfTheFileSurvives) {
  const std::u16string tail =
      u"[Colors\r\nFrameColor=00FF00\r\n[Fonts]\r\nMenuFontName=Tahoma\r\n[Paths]\r\n"
      u"ActiveFileTvXml=C:\\m\\Work.TvXml\r\n[Mrus]\r\nFile_0=Work ;C:\\m\\Work.TvXml\r\n";
  EXPECT_FALSE(ReadFile(u"[Form]\r\nWidth=900\r\n" + tail));
  EXPECT_EQ(Messages(),
            std::vector<std::u16string>{
                u"Error Loading Settings | The message is:\r\nThe section header in line 3 cannot be "
                u"read; a header is a name between \"[\" and \"]\" on one line: [Colors\r\nThe settings from "
                u"there on are not used; the file keeps them as "
                u"they are."});
  EXPECT_EQ(Settings.Width, 900);
  EXPECT_EQ(Settings.ActiveFile, u"");
  Settings.Width = 1000;
  Settings.MenuFontName = u"Segoe UI";
  Settings.ActiveFile = u"C:\\default.TvXml";
  Settings.MruList.Add(u"default", u"C:\\default.TvXml");
  ASSERT_TRUE(Write(Settings));
  const std::string written = *Doubles.Files.Content(IniPath);
  EXPECT_TRUE(written.starts_with("\xEF\xBB\xBF[Form]\r\nWidth=1000\r\n")) << written;
  EXPECT_TRUE(written.ends_with("\r\n\r\n" + Utf16ToUtf8(tail))) << written;

  std::string mended = written;
  mended.replace(mended.find("[Colors"), 7, "[Colors]");
  Doubles.Files.AddFile(IniPath, mended);
  Settings = StartSettings(Environment);
  Settings.IniFileName = IniPath;
  ASSERT_TRUE(Read());
  EXPECT_EQ(State.Read, TSettingsRead::Complete);
  EXPECT_EQ(Settings.Width, 1000);
  EXPECT_EQ(Settings.FrameColor, 0x00FF00u);
  EXPECT_EQ(Settings.MenuFontName, u"Tahoma");
  EXPECT_EQ(Settings.ActiveFile, u"C:\\m\\Work.TvXml");
  ASSERT_EQ(Settings.MruList.Count(), 1);
  EXPECT_EQ(Settings.MruList.getItem(0).Name, u"Work");
}

// A file that could not be read at all is never replaced by the write at close.
TEST_F(SettingsTest, AnUnreadableFileIsNotReplaced) {
  const std::string utf32 = std::string("\xFF\xFE\0\0[\0\0\0", 8);
  Doubles.Files.AddFile(IniPath, utf32);
  EXPECT_FALSE(Read());
  EXPECT_EQ(State.Read, TSettingsRead::Unreadable);
  EXPECT_FALSE(Write(Settings));
  EXPECT_EQ(Doubles.Files.Content(IniPath), utf32);
  EXPECT_EQ(Messages().back(),
            u"Error Saving Settings | The message is:\r\nThe settings file could not be read when Tolvane "
            u"started, so it is left as it is:\r\n" +
                std::u16string(IniPath));
}

// Paths and names with the characters an INI line treats specially read back exactly; files of earlier
// versions, which never quoted, read as they always did.
TEST_F(SettingsTest, PathsAndNamesReadBackExactly) {
  TSettings s = ChangedSettings(Environment);
  s.IniFileName = IniPath;
  s.ActiveFile = u"C:\\Menus\\Work;old.TvXml";
  s.WorkingDir = u"C:\\a=b\\ lead\\";
  s.SaveAsDir = u"C:\\x\\;y\\";
  s.OpenTvXmlFileDir = u" C:\\spaced ";
  s.OpenActionFileDir = u"\\\\server\\share;1\\";
  s.MenuFontName = u" Font; Name ";
  s.CodeFontName = u"\"Quoted\"";
  s.MruList.Clear();
  s.MruList.Add(u"Work;old", u"C:\\Menus\\Work;old.TvXml");
  s.MruList.Add(u" lead", u"C:\\Menus\\ lead.TvXml");
  s.MruList.Add(u"trail\\", u"C:\\Menus\\x=y;z.TvXml");
  ASSERT_TRUE(Write(s));
  ASSERT_TRUE(Read());
  EXPECT_EQ(Text(Settings), Text(s));
  EXPECT_TRUE(Settings == s);

  Settings = StartSettings(Environment);
  Settings.IniFileName = IniPath;
  ASSERT_TRUE(
      ReadFile(u"[Fonts]\r\nMenuFontName=Segoe UI ;note\r\n[Paths]\r\nWorkingDir=C:\\x\\;y\\\r\n"
               u"SaveAsDir=C:\\s\\\r\n[Mrus]\r\nFile_0=Work ;C:\\m\\Work.TvXml\r\n"));
  EXPECT_EQ(Settings.MenuFontName, u"Segoe UI");
  EXPECT_EQ(Settings.WorkingDir, u"C:\\x\\;y\\");
  EXPECT_EQ(Settings.SaveAsDir, u"C:\\s\\");
  EXPECT_EQ(Settings.MruList.getItem(0), (TMruItem{u"Work", u"C:\\m\\Work.TvXml"}));
}

TEST_F(SettingsTest, ValuesAsStored) {
  Doubles.SystemColors.SetColor(15, 0x123456);
  ASSERT_TRUE(ReadFile(
      u"[Form]\r\nWidth=1000\r\n[Colors]\r\nFormBottomColor=8000000F\r\nFrameColor=zz\r\nMenuTextColor=\r\n"
      u"HslWinBkg=7F00C8A0\r\n[Switchs]\r\nStayOnTop=True\r\nAutoHide=false\r\n"
      u"[Sizes]\r\nClipComposerPos=-10, -20, 300, 400\r\nSearchPos=1,2,3\r\n"
      u"[Fonts]\r\nMenuFontName=Segoe UI ;note\r\nMenuFontSize=11\r\n"));
  EXPECT_EQ(Settings.Left, 460);
  EXPECT_EQ(Settings.FormBottomColor, 0x123456u);
  EXPECT_EQ(Settings.FrameColor, 0u);
  EXPECT_EQ(Settings.MenuTextColor, 1u);
  EXPECT_EQ(Settings.HslWinBkg, 0x7F00C8A0u);
  EXPECT_FALSE(Settings.StayOnTop);
  EXPECT_FALSE(Settings.AutoHide);
  EXPECT_EQ(Settings.ClipComposerPos, (TRect{-10, -20, 300, 400}));
  EXPECT_EQ(Settings.SearchPos, std::nullopt);
  EXPECT_EQ(Settings.MenuFontName, u"Segoe UI");
  EXPECT_EQ(Settings.MenuFontSize, 11);
}

TEST_F(SettingsTest, OnlyKeysStartingWithCapitalFAreRecentFiles) {
  ASSERT_TRUE(
      ReadFile(u"[Mrus]\r\nFile_0=Work ;C:\\w.TvXml\r\nFoo=Name ;C:\\m.TvXml\r\nfile_2=x ;C:\\x.TvXml\r\n"
               u";File_3=y ;C:\\y.TvXml\r\nBar=z ;C:\\z.TvXml\r\n"));
  ASSERT_EQ(Settings.MruList.Count(), 2);
  EXPECT_EQ(Settings.MruList.getItem(0), (TMruItem{u"Work", u"C:\\w.TvXml"}));
  EXPECT_EQ(Settings.MruList.getItem(1), (TMruItem{u"Name", u"C:\\m.TvXml"}));
}

TEST_F(SettingsTest, CommandLineFoldersWinOverStoredOnes) {
  Settings.WorkingDir = u"D:\\cmd\\";
  Settings.ActiveFile = u"D:\\cmd\\m.TvXml";
  ASSERT_TRUE(ReadFile(u"[Paths]\r\nWorkingDir=C:\\w\\\r\nActiveFileTvXml=C:\\w\\a.TvXml\r\n"));
  EXPECT_EQ(Settings.WorkingDir, u"D:\\cmd\\");
  EXPECT_EQ(Settings.ActiveFile, u"D:\\cmd\\m.TvXml");
  EXPECT_EQ(Settings.SaveAsDir, u"D:\\cmd\\");
  EXPECT_EQ(Settings.OpenTvXmlFileDir, u"D:\\cmd\\");
  EXPECT_EQ(Settings.OpenActionFileDir, u"");
}

TEST_F(SettingsTest, WorkingDirFallsBackToTheMenuFilesFolder) {
  ASSERT_TRUE(ReadFile(u"[Paths]\r\nActiveFileTvXml=E:\\menus\\a.TvXml\r\nSaveAsDir=F:\\s\\\r\n"));
  EXPECT_EQ(Settings.WorkingDir, u"E:\\menus\\");
  EXPECT_EQ(Settings.SaveAsDir, u"F:\\s\\");
  EXPECT_EQ(Settings.OpenTvXmlFileDir, u"E:\\menus\\");
}

TEST_F(SettingsTest, UnreadableFileIsReportedAndChangesNothing) {
  Doubles.Files.AddFile(IniPath, "[Form]\r\nWidth=1000\r\n");
  Doubles.Files.FailCall(TFileOperation::Read, 1, {32, u"The file is in use."});
  const TSettings start = Settings;
  EXPECT_FALSE(Read());
  EXPECT_EQ(Messages(),
            std::vector<std::u16string>{u"Error Loading Settings | The message is:\r\nThe file is in use."});
  EXPECT_TRUE(Settings == start);
  EXPECT_FALSE(Write(Settings));
  EXPECT_EQ(Doubles.Files.Content(IniPath), "[Form]\r\nWidth=1000\r\n");
}

TEST_F(SettingsTest, NoSettingsFileReadsNothing) {
  Settings.IniFileName.clear();
  const TSettings start = Settings;
  EXPECT_TRUE(Read());
  EXPECT_TRUE(Settings == start);
}

TEST_F(SettingsTest, FailedWriteIsReportedAndKeepsTheOldFile) {
  Doubles.Files.AddFile(IniPath, "[Form]\r\nWidth=1000\r\n");
  Doubles.Files.FailCall(TFileOperation::Replace, 1, {5, u"Access is denied."});
  EXPECT_FALSE(Write(Settings));
  EXPECT_EQ(Messages(),
            std::vector<std::u16string>{u"Error Saving Settings | The message is:\r\nAccess is denied."});
  EXPECT_EQ(Doubles.Files.Content(IniPath), "[Form]\r\nWidth=1000\r\n");
}

TEST_F(SettingsTest, WritingWithoutSettingsFileFails) {
  Settings.IniFileName.clear();
  EXPECT_FALSE(Write(Settings));
  EXPECT_EQ(Messages(),
            std::vector<std::u16string>{
                u"Error Saving Settings | The message is:\r\nThe system cannot find the path specified."});
  EXPECT_TRUE(Doubles.Files.FilePaths().empty());
}

TEST(WindowBoundsTest, FourNumbersInOrder) {
  EXPECT_EQ(ParseWindowBounds(u"10,20,300,400"), (TRect{10, 20, 300, 400}));
  EXPECT_EQ(ParseWindowBounds(u"-5,-6,7,8"), (TRect{-5, -6, 7, 8}));
  EXPECT_EQ(ParseWindowBounds(u"1 - 2,3,4,5,6"), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(ParseWindowBounds(u"1,2,3"), std::nullopt);
  EXPECT_EQ(ParseWindowBounds(u""), std::nullopt);
  EXPECT_EQ(FormatWindowBounds({-1, 0, 2, 3}), u"-1,0,2,3");
}

}  // namespace
}  // namespace tolvane::storage
