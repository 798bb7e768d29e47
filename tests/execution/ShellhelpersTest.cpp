#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Unicode.h"
#include "execution/Qxfunctions.h"
#include "execution/Qxknownfolders.h"
#include "execution/Shellhlpr.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/native/Nativeshelllinks.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::execution {
namespace {

TEST(TextHelpers, FileNameCharacters) {
  for (const char16_t c : std::u16string_view(u"\"*/:<>?\\|\x01\x1F\t"))
    EXPECT_FALSE(IsFileNameChar(c)) << int(c);
  for (const char16_t c : std::u16string_view(u" aZ09._-()[]{}~#%&'+,;=@!\u00E9\u20AC"))
    EXPECT_TRUE(IsFileNameChar(c)) << int(c);
}

TEST(TextHelpers, NumbersFromText) {
  const struct {
    const char16_t* Text;
    char16_t Stop;
    int Value;
  } decimals[] = {
      {u"-12", 0, -12},
      {u"1a2,34", u',', 12},
      {u"x-5", 0, 5},
      {u"--3", 0, -3},
      {u"", 0, 0},
      {u"-", 0, 0},
      {u",9", u',', 0},
      {u"99999999999", 0, INT_MAX},
      {u"-99999999999", 0, INT_MIN},
      {u"2147483647", 0, INT_MAX},
      {u"-2147483648", 0, INT_MIN},
  };
  for (const auto& row : decimals)
    EXPECT_EQ(ParseDecimal(row.Text, row.Stop), row.Value) << Utf16ToUtf8(row.Text);
  const struct {
    const char16_t* Text;
    std::uint32_t Value;
  } hexes[] = {{u"1F", 0x1F}, {u"0xff", 0xFF}, {u"ab-CD", 0xABCD},
               {u"", 0},      {u"zz", 0},      {u"123456789", 0x23456789}};
  for (const auto& row : hexes)
    EXPECT_EQ(ParseHex(row.Text), row.Value) << Utf16ToUtf8(row.Text);
}

TEST(TextHelpers, FileNamesAndExtensions) {
  const struct {
    const char16_t *Name, *Extension;
  } extensions[] = {{u"menu.TvXml", u".TvXml"},  {u"C:\\a.b\\menu", u""}, {u"C:/dir.d/file.txt", u".txt"},
                    {u"archive.tar.gz", u".gz"}, {u"trailing.", u"."},    {u"plain", u""}};
  for (const auto& row : extensions)
    EXPECT_EQ(FileExtension(row.Name), row.Extension) << Utf16ToUtf8(row.Name);
  const struct {
    const char16_t *Name, *Extension, *Result;
  } ensured[] = {{u"menu", u".TvXml", u"menu.TvXml"},
                 {u"menu", u"TvXml", u"menu.TvXml"},
                 {u"menu.TVXML", u".TvXml", u"menu.TVXML"},
                 {u"menu.txt", u".TvXml", u"menu.txt.TvXml"},
                 {u"C:\\x.tvxml\\menu", u".TvXml", u"C:\\x.tvxml\\menu.TvXml"},
                 {u"", u".TvXml", u""},
                 {u"menu", u"", u"menu"}};
  for (const auto& row : ensured)
    EXPECT_EQ(EnsureExtension(row.Name, row.Extension), row.Result) << Utf16ToUtf8(row.Name);
  EXPECT_EQ(WithTrailingBackslash(u"C:\\Users"), u"C:\\Users\\");
  EXPECT_EQ(WithTrailingBackslash(u"C:\\"), u"C:\\");
  EXPECT_EQ(WithTrailingBackslash(u""), u"");
}

TEST(TextHelpers, ReplaceAllScansLeftToRightWithoutOverlaps) {
  const struct {
    const char16_t *Text, *Find, *Replacement, *Result;
  } rows[] = {{u"aaa", u"aa", u"b", u"ba"},
              {u"a.b.c", u".", u"-->", u"a-->b-->c"},
              {u"abc", u"", u"x", u"abc"},
              {u"", u"a", u"b", u""},
              {u"xyxy", u"xy", u"", u""},
              {u"ab", u"b", u"bb", u"abb"},
              {u"no match", u"zz", u"y", u"no match"}};
  for (const auto& row : rows)
    EXPECT_EQ(ReplaceAll(row.Text, row.Find, row.Replacement), row.Result) << Utf16ToUtf8(row.Text);
}

TEST(TextHelpers, RectanglesAsText) {
  EXPECT_EQ(RectToText(-1, 2, 300, 4000, u','), u"-1,2,300,4000");
  EXPECT_EQ(TextToRect(u"-1,2,300,4000"), (TRect{1, 2, 300, 4000}));
  EXPECT_EQ(TextToRect(u"-10;-20;-30;-40"), (TRect{10, 20, 30, 40}));
  EXPECT_EQ(TextToRect(u"a1b22c333d4444e5"), (TRect{1, 22, 333, 4444}));
  EXPECT_EQ(TextToRect(u"7 8"), (TRect{7, 8, 0, 0}));
  EXPECT_EQ(TextToRect(u""), TRect{});
  EXPECT_EQ(TextToRect(u"99999999999,1,2,3"), (TRect{INT_MAX, 1, 2, 3}));
}

class ServiceHelpersTest : public ::testing::Test {
 protected:
  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
};

TEST_F(ServiceHelpersTest, ClipboardText) {
  EXPECT_EQ(GetClipboardText(Doubles.Clipboard), u"");
  EXPECT_EQ(Doubles.Clipboard.OpenCount(), 0u) << "no text, no opening";
  ASSERT_TRUE(SetClipboardText(Doubles.Clipboard, u""));
  EXPECT_EQ(Doubles.Clipboard.Text(), u"") << "an empty text is still text";
  Doubles.Clipboard.FailNextOpens(1, {5, u"Access is denied."});
  EXPECT_EQ(GetClipboardText(Doubles.Clipboard), std::nullopt);
}

TEST_F(ServiceHelpersTest, UserRegistryStringsAndLockedFiles) {
  Doubles.Registry.SetString(platform::TRegistryRoot::CurrentUser, u"Software\\T", u"V", u"text");
  Doubles.Registry.SetString(platform::TRegistryRoot::LocalMachine, u"Software\\T", u"M", u"machine");
  Doubles.Registry.SetNonString(platform::TRegistryRoot::CurrentUser, u"Software\\T", u"N");
  EXPECT_EQ(ReadUserRegString(Doubles.Registry, u"Software\\T", u"V"), u"text");
  EXPECT_EQ(ReadUserRegString(Doubles.Registry, u"Software\\T", u"M"), u"");
  EXPECT_EQ(ReadUserRegString(Doubles.Registry, u"Software\\T", u"N"), u"");

  Doubles.Files.AddFile(u"C:\\menu.TvXml", "");
  EXPECT_FALSE(IsFileLocked(Doubles.Files, u"C:\\menu.TvXml"));
  Doubles.Files.SetLockedByOtherProgram(u"C:\\menu.TvXml", true);
  EXPECT_TRUE(IsFileLocked(Doubles.Files, u"C:\\menu.TvXml"));
  EXPECT_TRUE(IsFileLocked(Doubles.Files, u"C:\\missing.TvXml"));
}

TEST_F(ServiceHelpersTest, KnownFoldersEndInASeparator) {
  Doubles.KnownFolders.Set(platform::TKnownFolder::Desktop, u"/home/test/Desktop");
  Doubles.KnownFolders.Set(platform::TKnownFolder::Startup, u"C:\\Startup\\");
  Doubles.KnownFolders.Set(platform::TKnownFolder::StartMenu, std::nullopt);
  EXPECT_EQ(GetKnownFolder(Doubles.KnownFolders, platform::TKnownFolder::Desktop), u"/home/test/Desktop/");
  EXPECT_EQ(GetKnownFolder(Doubles.KnownFolders, platform::TKnownFolder::Startup), u"C:\\Startup\\");
  EXPECT_EQ(GetKnownFolder(Doubles.KnownFolders, platform::TKnownFolder::StartMenu), u"");
}

TEST_F(ServiceHelpersTest, FontListsDropVerticalVariantsAndDuplicates) {
  Doubles.Fonts.SetFamilies({{u"Courier New", true},
                             {u"Arial", false},
                             {u"@MS Gothic", true},
                             {u"Courier New", true},
                             {u"Arial", false},
                             {u"Consolas", true}});
  EXPECT_EQ(ListTrueTypeFonts(Doubles.Fonts),
            (std::vector<std::u16string>{u"Courier New", u"Arial", u"Consolas"}));
  EXPECT_EQ(ListFixedPitchFonts(Doubles.Fonts), (std::vector<std::u16string>{u"Courier New", u"Consolas"}));
}

TEST_F(ServiceHelpersTest, MessageHelpers) {
  ShowErrorMessage(Doubles.MessageBox, u"C1", u"T1");
  ShowInformationMessage(Doubles.MessageBox, u"C2", u"T2", 7);
  Doubles.MessageBox.QueueAnswer(platform::TMsgResult::No);
  EXPECT_FALSE(AskYesNo(Doubles.MessageBox, u"C3", u"T3"));
  Doubles.MessageBox.QueueAnswer(platform::TMsgResult::Yes);
  EXPECT_TRUE(AskYesNo(Doubles.MessageBox, u"C3", u"T3"));
  EXPECT_EQ(ReportSystemError(Doubles.MessageBox, {5, u"Access is denied."}, u"C4", u"Before", u"After"),
            u"Before\r\nAccess is denied.\r\nAfter");
  const auto& shown = Doubles.MessageBox.Requests();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].Kind, platform::TMsgKind::Error);
  EXPECT_EQ(shown[0].Buttons, platform::msgbutton::Ok);
  EXPECT_EQ(shown[1].Kind, platform::TMsgKind::Information);
  EXPECT_EQ(shown[1].Owner, 7u);
  EXPECT_EQ(shown[2].Kind, platform::TMsgKind::Question);
  EXPECT_EQ(shown[2].Buttons, platform::msgbutton::Yes | platform::msgbutton::No);
  EXPECT_EQ(shown[4].Caption, u"C4");
  EXPECT_EQ(shown[4].Text, u"Before\r\nAccess is denied.\r\nAfter");
  EXPECT_EQ(shown[4].Kind, platform::TMsgKind::Error);
}

TEST_F(ServiceHelpersTest, ShellLinkGivesTheLinkFileOrNothing) {
  EXPECT_EQ(CreateShellLink(Doubles.ShellLinks, u"C:\\T\\tolvane.exe", u"C:\\D\\Work.lnk",
                            u"Shortcut to Work", u"\"-mC:\\Work.TvXml\"", u"C:\\T\\tolvane.exe", 0),
            u"C:\\D\\Work.lnk");
  const platform::TShellLink expected{u"C:\\T\\tolvane.exe", u"\"-mC:\\Work.TvXml\"", u"Shortcut to Work",
                                      u"C:\\T\\tolvane.exe", 0};
  ASSERT_EQ(Doubles.ShellLinks.Written().size(), 1u);
  EXPECT_EQ(Doubles.ShellLinks.Written()[0].Link, expected);
  Doubles.ShellLinks.FailNextCreate({5, u"Access is denied."});
  EXPECT_EQ(CreateShellLink(Doubles.ShellLinks, u"C:\\T\\tolvane.exe", u"C:\\D\\Other.lnk", u"", u"", u"", 0),
            u"");
  EXPECT_EQ(Doubles.ShellLinks.LastError().Code, 5u);
}

TEST(NativeShellLink, WritesADesktopEntry) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tolvane-shelllink-test";
  std::filesystem::create_directories(folder);
  const std::u16string file = Utf8ToUtf16((folder / "Work 100%.desktop").string());
  native::TNativeShellLinks links;
  ASSERT_EQ(CreateShellLink(links, u"/opt/tol vane/tolvane", file, u"Shortcut to Work",
                            u"\"-m/home/a\\b 5%.TvXml\"  -x", u"/opt/tolvane/icon.png", 0),
            file);
  std::ifstream written(Utf16ToUtf8(file));
  std::stringstream text;
  text << written.rdbuf();
  EXPECT_EQ(text.str(),
            "[Desktop Entry]\nType=Application\nName=Work 100%\nComment=Shortcut to Work\n"
            "Exec=\"/opt/tol vane/tolvane\" \"-m/home/a\\\\\\\\b 5%%.TvXml\" \"-x\"\n"
            "Icon=/opt/tolvane/icon.png\n");
  std::filesystem::remove_all(folder);
  EXPECT_EQ(CreateShellLink(links, u"/x", u"/nonexistent-folder/x.desktop", u"", u"", u"", 0), u"");
  EXPECT_NE(links.LastError().Code, 0u);
}

}  // namespace
}  // namespace tolvane::execution
