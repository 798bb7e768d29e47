#include "uimodel/Shortcutdialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::uimodel {
namespace {

using platform::TKnownFolder;
using platform::TShellLink;

constexpr std::u16string_view kProgram = u"C:\\Program Files\\Tolvane\\tolvane.exe";
constexpr std::u16string_view kDesktop = u"C:\\Users\\Test\\Desktop";
constexpr std::u16string_view kStartup =
    u"C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
constexpr std::u16string_view kStartMenuTolvane =
    u"C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Tolvane";

// The arguments behind the program name as the system's command-line splitting (CommandLineToArgvW, the C
// runtime) hands them to a program: 2n backslashes before a quote give n and the quote delimits, 2n+1 give n
// and a literal quote, backslashes elsewhere are literal.
std::vector<std::u16string> SplitArguments(std::u16string_view line) {
  std::vector<std::u16string> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t'))
      ++i;
    if (i == line.size())
      return arguments;
    std::u16string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != u' ' && line[i] != u'\t'))) {
      if (line[i] == u'\\') {
        std::size_t count = 0;
        while (i < line.size() && line[i] == u'\\') {
          ++count;
          ++i;
        }
        if (i < line.size() && line[i] == u'"') {
          argument.append(count / 2, u'\\');
          if (count % 2 == 1) {
            argument += u'"';
            ++i;
          }
        } else {
          argument.append(count, u'\\');
        }
      } else if (line[i] == u'"') {
        quoted = !quoted;
        ++i;
      } else {
        argument += line[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

class ShortcutDialogTest : public ::testing::Test {
 protected:
  ShortcutDialogTest() { Doubles.Program.SetExecutablePath(std::u16string(kProgram)); }

  TShortcutRun Create() { return CreateShortcuts(Fields, Doubles.Services(), 7); }

  TShellLink LinkWith(std::u16string arguments) const {
    return TShellLink{std::u16string(kProgram), std::move(arguments), u"Shortcut to Work",
                      std::u16string(kProgram), 0};
  }

  const std::vector<platform::TMsgRequest>& Boxes() { return Doubles.MessageBox.Requests(); }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TShortcutFields Fields{u"Work", u"", u"C:\\Menus\\work.ini", u"C:\\Menus\\Work.TvXml", false, false, false};
};

TEST_F(ShortcutDialogTest, OpensOnTheFilesInUse) {
  storage::TSettings settings;
  settings.IniFileName = u"C:\\Cfg\\tolvane.ini";
  settings.ActiveFile = u"C:\\Menus\\My Work.v2.TvXml";
  const TShortcutFields fields = InitialShortcutFields(settings);
  EXPECT_EQ(fields, (TShortcutFields{u"My Work.v2", u"", u"C:\\Cfg\\tolvane.ini",
                                     u"C:\\Menus\\My Work.v2.TvXml", false, false, false}));
}

TEST_F(ShortcutDialogTest, CreateNeedsANameAndADestination) {
  platform::IFiles& files = Doubles.Files;
  EXPECT_FALSE(CanCreateShortcut(Fields, files));
  Fields.StartMenu = true;
  EXPECT_TRUE(CanCreateShortcut(Fields, files));
  Fields.Name.clear();
  EXPECT_FALSE(CanCreateShortcut(Fields, files)) << "no name, whatever the destinations";
  Fields.Name = u"Work";
  Fields.StartMenu = false;
  Fields.CustomFolder = u"C:\\Links";
  EXPECT_FALSE(CanCreateShortcut(Fields, files)) << "a custom folder that does not exist";
  ASSERT_TRUE(Doubles.Files.CreateFolder(u"C:\\Links"));
  EXPECT_TRUE(CanCreateShortcut(Fields, files));
  Doubles.Files.AddFile(u"C:\\file", "");
  Fields.CustomFolder = u"C:\\file";
  EXPECT_FALSE(CanCreateShortcut(Fields, files)) << "a file is no folder";
}

TEST_F(ShortcutDialogTest, ArgumentsReachTheProgramAsTheSamePaths) {
  EXPECT_EQ(ShortcutArguments(u"C:\\x\\a.ini", u"C:\\x\\a.TvXml"),
            u"\"-iC:\\x\\a.ini\" \"-mC:\\x\\a.TvXml\"");
  EXPECT_EQ(ShortcutArguments(u"", u"C:\\x\\a.TvXml"), u"\"-mC:\\x\\a.TvXml\"");
  EXPECT_EQ(ShortcutArguments(u"C:\\x\\a.ini", u""), u"\"-iC:\\x\\a.ini\"");
  EXPECT_EQ(ShortcutArguments(u"", u""), u"");
  // A trailing backslash would otherwise escape the closing quote and swallow the next argument.
  EXPECT_EQ(QuoteArgument(u"-iC:\\x\\"), u"\"-iC:\\x\\\\\"");

  const std::u16string paths[] = {
      u"C:\\x\\a.ini",           u"C:\\My Menus\\work menu.TvXml",
      u"C:\\ends in a folder\\", u"\\\\server\\share\\",
      u"C:\\odd\"name\\a.ini",   u"C:\\before\\\\\"quote\\x",
      u"C:\\tab\there",          u"",
  };
  for (const std::u16string& ini : paths) {
    for (const std::u16string& menu : {std::u16string(u"D:\\m\\\\"), std::u16string(u"D:\\m n\\w.TvXml")}) {
      const std::u16string line = ShortcutArguments(ini, menu);
      std::vector<std::u16string> expected;
      if (!ini.empty())
        expected.push_back(u"-i" + ini);
      expected.push_back(u"-m" + menu);
      EXPECT_EQ(SplitArguments(line), expected) << Utf16ToUtf8(line);
    }
  }
}

TEST_F(ShortcutDialogTest, ANewLinkTakesTheFirstFreeNumber) {
  platform::IFiles& files = Doubles.Files;
  EXPECT_EQ(FreeLinkFile(files, kDesktop, u"Work"), u"C:\\Users\\Test\\Desktop\\Work.lnk");
  Doubles.Files.AddFile(u"C:\\Users\\Test\\Desktop\\work.LNK", "");
  EXPECT_EQ(FreeLinkFile(files, kDesktop, u"Work"), u"C:\\Users\\Test\\Desktop\\Work(1).lnk");
  Doubles.Files.AddFile(u"C:\\Users\\Test\\Desktop\\Work(1).lnk", "");
  ASSERT_TRUE(Doubles.Files.CreateFolder(u"C:\\Users\\Test\\Desktop\\Work(2).lnk"));
  EXPECT_EQ(FreeLinkFile(files, u"C:\\Users\\Test\\Desktop\\", u"Work"),
            u"C:\\Users\\Test\\Desktop\\Work(3).lnk")
      << "a folder of the name is taken too, and the folder's own separator is kept";
}

TEST_F(ShortcutDialogTest, EveryDestinationGetsItsLinkAndTheStartMenuFolderIsMadeOnce) {
  Doubles.Files.AddFile(u"C:\\Users\\Test\\Desktop\\Work.lnk", "");
  ASSERT_TRUE(Doubles.Files.CreateFolder(u"D:\\Links"));
  Fields.Desktop = Fields.Startup = Fields.StartMenu = true;
  Fields.CustomFolder = u"D:\\Links";
  EXPECT_FALSE(Doubles.Files.FolderExists(kStartMenuTolvane));

  const TShortcutRun run = Create();
  EXPECT_EQ(run.End, TShortcutEnd::Ok);
  EXPECT_TRUE(run.Failures.empty());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(Doubles.Files.FolderExists(kStartMenuTolvane));
  const TShellLink link = LinkWith(u"\"-iC:\\Menus\\work.ini\" \"-mC:\\Menus\\Work.TvXml\"");
  const std::vector<recording::TRecordingShellLinks::TWritten> expected{
      {link, u"C:\\Users\\Test\\Desktop\\Work(1).lnk"},
      {link, std::u16string(kStartup) + u"\\Work.lnk"},
      {link, std::u16string(kStartMenuTolvane) + u"\\Work.lnk"},
      {link, u"D:\\Links\\Work.lnk"},
  };
  EXPECT_EQ(Doubles.ShellLinks.Written(), expected);
  EXPECT_EQ(run.Written.size(), 4u);

  // The folder is there now and is used as it is.
  Fields = TShortcutFields{u"Work", u"", u"", u"C:\\Menus\\Work.TvXml", false, false, true};
  const std::size_t folderCalls = Doubles.Files.Calls(recording::TFileOperation::Create);
  EXPECT_EQ(Create().End, TShortcutEnd::Ok);
  EXPECT_EQ(Doubles.Files.Calls(recording::TFileOperation::Create), folderCalls);
  EXPECT_EQ(Doubles.ShellLinks.Written().back(),
            (recording::TRecordingShellLinks::TWritten{LinkWith(u"\"-mC:\\Menus\\Work.TvXml\""),
                                                       std::u16string(kStartMenuTolvane) + u"\\Work.lnk"}));
}

TEST_F(ShortcutDialogTest, WithoutFilesEveryLinkFailsAndTheDialogCancels) {
  Fields.IniFile.clear();
  Fields.MenuFile.clear();
  Fields.Desktop = Fields.StartMenu = true;
  const TShortcutRun run = Create();
  EXPECT_EQ(run.End, TShortcutEnd::Cancel);
  EXPECT_TRUE(Doubles.ShellLinks.Written().empty());
  EXPECT_FALSE(Doubles.Files.FolderExists(kStartMenuTolvane))
      << "no folder for a link that cannot be written";
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].Caption, u"File Error");
  EXPECT_EQ(Boxes()[0].Text,
            u"Could Not Create these ShortcutFiles\r\n\r\nC:\\Users\\Test\\Desktop\\Work.lnk\r\n" +
                std::u16string(kStartMenuTolvane) + u"\\Work.lnk");
  EXPECT_EQ(Boxes()[0].Kind, platform::TMsgKind::Error);
  EXPECT_EQ(Boxes()[0].Owner, 7u);
}

TEST_F(ShortcutDialogTest, OneFailureAmongSeveralIsReportedAndTheDialogStillEndsWithOk) {
  Fields.Desktop = Fields.Startup = true;
  Doubles.KnownFolders.Set(TKnownFolder::Startup, std::nullopt);
  TShortcutRun run = Create();
  EXPECT_EQ(run.End, TShortcutEnd::Ok);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].Text, u"Could Not Create this ShortcutFile\r\n\r\n(no Startup folder)\\Work.lnk");
  ASSERT_EQ(Doubles.ShellLinks.Written().size(), 1u) << "nothing is written where the working folder is";
  EXPECT_EQ(Doubles.ShellLinks.Written()[0].File, u"C:\\Users\\Test\\Desktop\\Work.lnk");

  // The shell refusing the desktop link.
  Doubles.KnownFolders.Set(TKnownFolder::Startup, std::u16string(kStartup));
  Doubles.ShellLinks.FailNextCreate({5, u"Access is denied."});
  run = Create();
  EXPECT_EQ(run.End, TShortcutEnd::Ok);
  EXPECT_EQ(run.Failures, std::vector<std::u16string>{u"C:\\Users\\Test\\Desktop\\Work.lnk"});
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[1].Text, u"Could Not Create this ShortcutFile\r\n\r\nC:\\Users\\Test\\Desktop\\Work.lnk");
}

TEST_F(ShortcutDialogTest, AStartMenuFolderThatCannotBeMadeIsListed) {
  Doubles.Files.AddFile(kStartMenuTolvane, "a file where the folder would go");
  Fields.StartMenu = true;
  const TShortcutRun run = Create();
  EXPECT_EQ(run.End, TShortcutEnd::Cancel);
  EXPECT_EQ(run.Failures, std::vector<std::u16string>{std::u16string(kStartMenuTolvane)});
  EXPECT_TRUE(Doubles.ShellLinks.Written().empty());
}

TEST_F(ShortcutDialogTest, ACustomFolderGoneMeanwhileLeavesTheDialogOpen) {
  Fields.CustomFolder = u"D:\\Gone";
  const TShortcutRun run = Create();
  EXPECT_EQ(run.End, TShortcutEnd::StayOpen);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(Doubles.ShellLinks.Written().empty());
}

TEST_F(ShortcutDialogTest, FileChoicesStartAtTheBoxAndGetTheirExtension) {
  const platform::TFileDialogRequest menu =
      ShortcutFileRequest(TShortcutFileKind::Menu, u"C:\\Menus\\Work.TvXml", 3);
  EXPECT_EQ(menu.Filters, (std::vector<platform::TFileFilter>{{u"Tolvane files (*.TvXml)", u"*.tvxml"}}));
  EXPECT_EQ(menu.InitialFolder, u"C:\\Menus\\");
  EXPECT_EQ(menu.InitialFileName, u"Work.TvXml");
  EXPECT_TRUE(menu.FileMustExist);
  EXPECT_EQ(menu.Owner, 3u);
  EXPECT_EQ(ShortcutFileRequest(TShortcutFileKind::Settings, u"", 0).Filters,
            (std::vector<platform::TFileFilter>{{u"Tolvane settings files (*.Ini)", u"*.ini"}}));

  EXPECT_EQ(ShortcutFileChosen(TShortcutFileKind::Menu, u"C:\\m\\a.TVXML"), u"C:\\m\\a.TVXML");
  EXPECT_EQ(ShortcutFileChosen(TShortcutFileKind::Menu, u"C:\\m\\a.xml"), u"C:\\m\\a.xml.TvXml");
  EXPECT_EQ(ShortcutFileChosen(TShortcutFileKind::Menu, u"C:\\m.d\\a"), u"C:\\m.d\\a.TvXml");
  EXPECT_EQ(ShortcutFileChosen(TShortcutFileKind::Settings, u"C:\\m\\a.INI"), u"C:\\m\\a.INI");
  EXPECT_EQ(ShortcutFileChosen(TShortcutFileKind::Settings, u"C:\\m\\a.TvXml"), u"C:\\m\\a.TvXml.Ini");
}

TEST(ShortcutDialogBoundsTest, CentredOnTheEditorAndBelowTheBarNotOverIt) {
  const TRect work{0, 0, 1280, 1000};
  const TSize size{560, 420};
  EXPECT_EQ(ShortcutDialogBounds(TRect{100, 100, 1100, 900}, size, work), (TRect{320, 290, 880, 710}));
  EXPECT_EQ(ShortcutDialogBounds(TRect{240, 0, 1040, 34}, size, work), (TRect{360, 290, 920, 710}));
  EXPECT_EQ(ShortcutDialogBounds(TRect{1000, 0, 1800, 34}, size, work), (TRect{720, 290, 1280, 710}))
      << "kept on the work area";
  EXPECT_EQ(ShortcutDialogBounds(TRect{}, size, work), (TRect{360, 290, 920, 710}));
}

TEST_F(ShortcutDialogTest, ControlsFitTheClientWithoutOverlapping) {
  const TLayout layout = ShortcutDialogLayout();
  for (const int ppi : {96, 144, 192}) {
    const TScale scale(ppi);
    const TSize client{scale(layout.DesignClient.Width), scale(layout.DesignClient.Height)};
    const std::vector<TPlacement> placements = ArrangeLayout(layout, client, scale);
    for (std::size_t i = 0; i < placements.size(); ++i) {
      const TRect& a = placements[i].InRoot;
      EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Right <= client.Width && a.Bottom <= client.Height)
          << placements[i].Id << " at " << ppi;
      for (std::size_t j = i + 1; j < placements.size(); ++j) {
        const TRect& b = placements[j].InRoot;
        EXPECT_FALSE(a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom)
            << placements[i].Id << " and " << placements[j].Id << " at " << ppi;
      }
    }
  }
}

}  // namespace
}  // namespace tolvane::uimodel
