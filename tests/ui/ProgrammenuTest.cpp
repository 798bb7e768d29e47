#include "uimodel/Programmenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::uimodel {
namespace {

std::vector<std::string> Rows(const storage::TItem& parent) {
  std::vector<std::string> rows;
  for (const storage::TItem& item : parent.Children)
    rows.push_back(Utf16ToUtf8(item.Name) + "|" + Utf16ToUtf8(item.ShortCutText) + "|" +
                   static_cast<char>(item.ItemType) + "|" + std::to_string(item.ImageIndex));
  return rows;
}

TEST(ProgramMenuTest, TheCommandTableInItsOrder) {
  const std::unique_ptr<storage::TItem> program = NewProgramItem();
  EXPECT_EQ(program->ItemType, 50);
  EXPECT_EQ(program->Name, u"Tolvane");
  BuildProgramCommands(*program);
  BuildProgramCommands(*program);  // building again replaces, it does not add
  EXPECT_EQ(Rows(*program),
            (std::vector<std::string>{
                "New Menu File|Ctrl+N|5|0", "Open Menu File|Ctrl+O|6|3", "Append Menu File|Ctrl+B|?|16",
                "Menu Files||4|5", "Save |Ctrl+S|7|2", "Save As|F6|8|6", "Reload Menu File|F5|9|1",
                "Settings||;|10", "Activate Editor|F12|>|20", "Search All Items|Ctrl+F|@|18",
                "Create Shortcut||A|21", "Help|F1|B|22", "About||Z|23", "Exit|Alt+F4|[|7"}));
  EXPECT_EQ(Rows(*program->Children[7]),
            (std::vector<std::string>{"Menu Settings|F7|<|10", "Program Settings|F3|=|10"}));
  const std::vector<std::string> help = Rows(*program->Children[11]);
  ASSERT_EQ(help.size(), 6u);
  EXPECT_EQ(help[0], "Help General|F1|C|22");
  EXPECT_EQ(help[1], "Help Clipboard Modifier||E|22");
  EXPECT_EQ(help[2], "Help Keystroke Macro||D|22");
  for (const storage::TItem& item : program->Children) {
    EXPECT_GE(item.ItemType, storage::ItemTypeProgramOwn);
    EXPECT_LE(item.ItemType, command::LastCommand);
  }
  EXPECT_EQ(MenuFilesItem(*program), program->Children[3]);
}

TEST(ProgramMenuTest, MenuFilesListsTheRecentFilesAndRefreshesFromTheWorkingFolder) {
  native::TNativeLocale locale{"en_US"};
  native::TNativeCodePages codePages;
  recording::TRecordingServices doubles{locale, codePages};
  doubles.Files.AddFile(u"C:\\m\\Work.TvXml", "");
  doubles.Files.AddFile(u"C:\\m\\Home.TvXml", "");
  doubles.Files.AddFile(u"C:\\m\\notes.txt", "");
  storage::TSettings settings;
  settings.WorkingDir = u"C:\\m\\";
  settings.ActiveFile = u"C:\\m\\Work.TvXml";
  settings.MruList.Add(u"Gone", u"C:\\old\\Gone.TvXml");
  settings.MruList.Add(u"Work", u"C:\\m\\Work.TvXml");

  const std::unique_ptr<storage::TItem> program = NewProgramItem();
  BuildProgramCommands(*program);
  storage::TItem& menuFiles = *MenuFilesItem(*program);
  FillMenuFiles(menuFiles, settings.MruList);
  ASSERT_EQ(menuFiles.Children.Count(), 2);
  EXPECT_EQ(menuFiles.Children[0]->File, u"C:\\old\\Gone.TvXml");

  RefreshMenuFiles(menuFiles, settings, doubles.Files, locale);
  std::vector<std::u16string> files;
  for (const storage::TItem& item : menuFiles.Children) {
    EXPECT_EQ(item.ItemType, command::RecentFile);
    EXPECT_EQ(item.ImageIndex, -1);
    files.push_back(item.File.Str());
  }
  EXPECT_EQ(files, (std::vector<std::u16string>{u"C:\\m\\Work.TvXml", u"C:\\m\\Home.TvXml"}));
  EXPECT_EQ(menuFiles.Children[1]->Name, u"Home");
}

}  // namespace
}  // namespace tolvane::uimodel
