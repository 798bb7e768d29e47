#include "storage/Commandline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Pathnames.h"
#include "storage/Settingsread.h"

namespace tolvane::storage {
namespace {

using recording::TFileOperation;

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineTest() {
    Doubles.KnownFolders.Set(platform::TKnownFolder::RoamingAppData, u"C:\\Users\\Test\\AppData\\Roaming\\");
  }

  TSettingsServices Services() { return TSettingsServices::From(Doubles.Services()); }
  void Run(std::vector<std::u16string> arguments) { ReadCommandLine(Settings, Services(), arguments); }

  std::vector<std::u16string> Messages() const {
    std::vector<std::u16string> shown;
    for (const platform::TMsgRequest& request : Doubles.MessageBox.Requests())
      shown.push_back(request.Caption + u" | " + request.Text);
    return shown;
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TSettings Settings;
  const std::u16string AppData = u"C:\\Users\\Test\\AppData\\Roaming\\" + std::u16string(AppDataSubfolder);
};

TEST_F(CommandLineTest, WithoutOptionsBothFilesLiveInTheApplicationDataFolder) {
  Run({});
  FindIniFile(Settings, Services());
  EXPECT_EQ(Settings.IniFileName, AppData + u"Tolvane.ini");
  EXPECT_TRUE(Doubles.Files.FolderExists(AppData));
  const TSettingsEnvironment environment{1920, 1080, 96, {}, {}, 16};
  TSettingsFileState state;
  ASSERT_TRUE(ReadSettings(Settings, Services(), environment, state));
  FindActiveFile(Settings, Services());
  EXPECT_EQ(Settings.ActiveFile, AppData + u"Tolvane.TvXml");
  EXPECT_EQ(Settings.WorkingDir, AppData);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CommandLineTest, ApplicationDataFolderFollowsTheSystemsSeparator) {
  Doubles.KnownFolders.Set(platform::TKnownFolder::RoamingAppData, u"/home/me/.config");
  EXPECT_EQ(AppDataFolder(Doubles.KnownFolders),
            u"/home/me/.config" + std::u16string(1, PathDelimiter) + std::u16string(AppDataSubfolder));
#ifdef _WIN32
  EXPECT_EQ(AppDataSubfolder, u"Quaddix\\Tolvane\\");
#endif
}

TEST_F(CommandLineTest, BaseNameLosesCharactersFileNamesCannotHold) {
  for (const auto& [argument, expected] : std::vector<std::pair<std::u16string, std::u16string>>{
           {u"-nMy:Menu", u"MyMenu"},
           {u"-N  a<b>c\x01|d\"e*f?g/h\\i ", u"abcdefghi"},
       }) {
    Run({argument});
    EXPECT_EQ(Settings.BaseName, expected);
  }
}

TEST_F(CommandLineTest, BareMenuNameIsProvedWritableInTheApplicationDataFolder) {
  Run({u"-mwork"});
  EXPECT_EQ(Settings.ActiveFile, AppData + u"work.TvXml");
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Create), 1u);
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Delete), 1u);
  EXPECT_FALSE(Doubles.Files.FileExists(Settings.ActiveFile));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CommandLineTest, ExistingFilesAreUsedAsGivenAndNeverEmptied) {
  Doubles.Files.AddFile(u"C:\\cfg\\a.INI", "[Form]");
  Doubles.Files.AddFile(u"C:\\cfg\\m.tvxml", "<x/>");
  Doubles.Files.AddFile(AppData + u"w.TvXml", "<w/>");
  Run({u"-iC:\\cfg\\a.INI", u"-MC:\\cfg\\m"});
  EXPECT_EQ(Settings.IniFileName, u"C:\\cfg\\a.INI");
  EXPECT_EQ(Settings.ActiveFile, u"C:\\cfg\\m.TvXml");
  Run({u"-m w "});
  EXPECT_EQ(Settings.ActiveFile, AppData + u"w.TvXml");
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Create), 0u);
  EXPECT_EQ(Doubles.Files.Content(u"C:\\cfg\\m.tvxml"), "<x/>");
  FindIniFile(Settings, Services());
  EXPECT_EQ(Settings.BaseName, u"");
  EXPECT_EQ(Settings.WorkingDir, u"");
}

TEST_F(CommandLineTest, NewSettingsFileNamesBaseNameAndFolder) {
  Run({u"-iC:\\cfg\\a.INI"});
  EXPECT_EQ(Settings.IniFileName, u"C:\\cfg\\a.INI");
  FindIniFile(Settings, Services());
  EXPECT_EQ(Settings.IniFileName, u"C:\\cfg\\a.INI");
  EXPECT_EQ(Settings.BaseName, u"a");
  EXPECT_EQ(Settings.WorkingDir, u"C:\\cfg\\");
  EXPECT_TRUE(Doubles.Files.FolderExists(u"C:\\cfg"));
}

TEST_F(CommandLineTest, BaseNameAndFolderFromTheCommandLineWin) {
  Run({u"-pD:\\data", u"-nOwn", u"-iC:\\cfg\\a"});
  FindIniFile(Settings, Services());
  EXPECT_EQ(Settings.IniFileName, u"C:\\cfg\\a.ini");
  EXPECT_EQ(Settings.BaseName, u"Own");
  EXPECT_EQ(Settings.WorkingDir, u"D:\\data" + std::u16string(1, PathDelimiter));
  EXPECT_TRUE(Doubles.Files.FolderExists(u"D:\\data"));
}

TEST_F(CommandLineTest, FileThatCannotBeCreatedIsReportedAndNotUsed) {
  Doubles.Files.FailCall(TFileOperation::Create, 1, {5, u"Access is denied."});
  Run({u"-mC:\\ro\\m"});
  EXPECT_EQ(Settings.ActiveFile, u"");
  EXPECT_EQ(Messages(), std::vector<std::u16string>{
                            u"Error creating ini file | The System say:\r\nAccess is denied.\r\n"});
}

TEST_F(CommandLineTest, FolderThatCannotBeMadeIsReportedAndNotUsed) {
  Doubles.Files.AddFile(u"C:\\blocker", "");
  Run({u"-iC:\\blocker\\x.ini"});
  EXPECT_EQ(Settings.IniFileName, u"");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Messages()[0].starts_with(
      u"Error Loading Settings | The File is:\r\nC:\\blocker\\x.ini\r\nThe message is:\r\n"));
}

TEST_F(CommandLineTest, OtherArgumentsAreIgnored) {
  Run({u"-i", u"menu.TvXml", u"--", u"-q123", u"-i   ", u"/iC:\\x.ini"});
  EXPECT_TRUE(Settings == TSettings{});
  EXPECT_EQ(Doubles.Files.Calls(TFileOperation::Create), 0u);
}

TEST_F(CommandLineTest, MissingApplicationDataFolderLeavesNoSettingsFile) {
  Doubles.KnownFolders.Set(platform::TKnownFolder::RoamingAppData, std::nullopt);
  FindIniFile(Settings, Services());
  EXPECT_EQ(Settings.IniFileName, u"");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Messages()[0].starts_with(u"Error !! | The message is:\r\n"));
}

TEST_F(CommandLineTest, DefaultMenuFileJoinsFolderAndBaseName) {
  Settings.WorkingDir = u"C:\\w";
  Settings.BaseName = u"B";
  FindActiveFile(Settings, Services());
  EXPECT_EQ(Settings.ActiveFile, u"C:\\w" + std::u16string(1, PathDelimiter) + u"B.TvXml");
  Settings.WorkingDir = u"E:\\";
  FindActiveFile(Settings, Services());
  EXPECT_EQ(Settings.ActiveFile, u"C:\\w" + std::u16string(1, PathDelimiter) + u"B.TvXml");
}

}  // namespace
}  // namespace tolvane::storage
