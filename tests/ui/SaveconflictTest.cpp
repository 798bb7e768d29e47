#include "uimodel/Saveconflict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::uimodel {
namespace {

using platform::TMsgResult;

std::string MenuText(const std::string& name) {
  return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>M</Name>\r\n"
         "<Item Type=\"0\" Img=\"-1\"><Name>" +
         name + "</Name><Code>x</Code></Item>\r\n</TolvaneDataFile>\r\n";
}

class SaveConflictTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Doubles.Files.AddFile(Path, MenuText("Loaded"));
    ASSERT_EQ(Menu.LoadMenuFile(Path, false), u"");
    Menu.RootItem->NewChild()->Name = u"Mine";
    Menu.MenuModified = true;
  }

  TActiveSaveResult Save() {
    const TActiveSaveActions actions{[this] {
                                       ++Reloads;
                                       return ReloadSucceeds;
                                     },
                                     [this] {
                                       ++SavesAs;
                                       return SaveAsSucceeds;
                                     }};
    return SaveActiveMenu(Menu, Path, Doubles.MessageBox, Owner, actions);
  }

  bool FileHas(const std::string& name) const {
    return Doubles.Files.Content(Path)->find("<Name>" + name + "</Name>") != std::string::npos;
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  storage::TMenuFile Menu{storage::TMenuFileServices::From(Doubles.Services())};
  const std::u16string Path = u"C:\\Synced\\Menu.TvXml";
  const platform::TWindowHandle Owner = 0x1234;
  int Reloads = 0;
  int SavesAs = 0;
  bool ReloadSucceeds = true;
  bool SaveAsSucceeds = true;
};

TEST_F(SaveConflictTest, AFileNobodyElseChangedIsSavedWithoutAQuestion) {
  EXPECT_EQ(Save(), TActiveSaveResult::Saved);
  EXPECT_TRUE(FileHas("Mine"));
  EXPECT_FALSE(Menu.MenuModified);
  // Saving again over our own save asks nothing either.
  Menu.MenuModified = true;
  EXPECT_EQ(Save(), TActiveSaveResult::Saved);
  EXPECT_TRUE(Doubles.MessageBox.Requests().empty());
}

TEST_F(SaveConflictTest, AFileDeletedMeanwhileIsWrittenAgainWithoutAQuestion) {
  ASSERT_TRUE(Doubles.Files.Delete(Path));
  EXPECT_EQ(Save(), TActiveSaveResult::Saved);
  EXPECT_TRUE(FileHas("Mine"));
  EXPECT_TRUE(Doubles.MessageBox.Requests().empty());
}

TEST_F(SaveConflictTest, TheQuestionNamesTheFileAndItsButtonsSayWhatTheyDo) {
  Doubles.Files.AddFile(Path, MenuText("Theirs"));
  (void)Save();
  ASSERT_EQ(Doubles.MessageBox.Requests().size(), 1U);
  const platform::TMsgRequest& asked = Doubles.MessageBox.Requests()[0];
  EXPECT_EQ(asked.Caption, SaveConflictCaption);
  EXPECT_NE(asked.Text.find(Path), std::u16string::npos);
  EXPECT_NE(asked.Text.find(u"your unsaved changes are lost"), std::u16string::npos);
  EXPECT_EQ(asked.Owner, Owner);
  namespace button = platform::msgbutton;
  EXPECT_EQ(asked.Buttons, button::Yes | button::No | button::Retry | button::Cancel);
  EXPECT_EQ(asked.ButtonCaptions,
            (std::vector<platform::TMsgButtonCaption>{
                {button::Yes, u"Save &As..."}, {button::No, u"&Overwrite"}, {button::Retry, u"&Reload"}}));
}

TEST_F(SaveConflictTest, EachAnswerDoesWhatItSays) {
  struct TRow {
    const char* Name;
    TMsgResult Answer;
    bool ActionSucceeds;
    TActiveSaveResult Expected;
    bool FileHasMine;
    bool StillModified;
    int Reloads;
    int SavesAs;
  };
  const std::vector<TRow> rows = {
      {"overwrite", TMsgResult::No, true, TActiveSaveResult::Saved, true, false, 0, 0},
      {"reload", TMsgResult::Retry, true, TActiveSaveResult::Reloaded, false, true, 1, 0},
      {"reload that fails", TMsgResult::Retry, false, TActiveSaveResult::Kept, false, true, 1, 0},
      {"save as", TMsgResult::Yes, true, TActiveSaveResult::SavedElsewhere, false, true, 0, 1},
      {"save as, dialog cancelled", TMsgResult::Yes, false, TActiveSaveResult::Kept, false, true, 0, 1},
      {"cancel", TMsgResult::Cancel, true, TActiveSaveResult::Kept, false, true, 0, 0},
      {"box closed", TMsgResult::None, true, TActiveSaveResult::Kept, false, true, 0, 0},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    Doubles.Files.AddFile(Path, MenuText("Theirs"));
    Menu.MenuModified = true;
    Reloads = SavesAs = 0;
    ReloadSucceeds = SaveAsSucceeds = row.ActionSucceeds;
    Doubles.MessageBox.QueueAnswer(row.Answer);
    EXPECT_EQ(Save(), row.Expected);
    EXPECT_EQ(FileHas("Mine"), row.FileHasMine);
    EXPECT_EQ(FileHas("Theirs"), !row.FileHasMine);
    // The doubles stand in for the window's reload and Save As, which would clear the flag themselves.
    EXPECT_EQ(Menu.MenuModified, row.StillModified);
    EXPECT_EQ(Reloads, row.Reloads);
    EXPECT_EQ(SavesAs, row.SavesAs);
    EXPECT_EQ(ChangesSettled(row.Expected), row.Expected != TActiveSaveResult::Kept);
  }
}

TEST_F(SaveConflictTest, AReadOnlyFileIsNotQuestionedButRefusedAsBefore) {
  Doubles.Files.AddFile(Path, MenuText("Theirs"));
  Menu.MenuFileReadOnly = true;
  EXPECT_EQ(Save(), TActiveSaveResult::Failed);
  ASSERT_EQ(Doubles.MessageBox.Requests().size(), 1U);
  EXPECT_NE(Doubles.MessageBox.Requests()[0].Caption, SaveConflictCaption);
  EXPECT_TRUE(FileHas("Theirs"));
}

}  // namespace
}  // namespace tolvane::uimodel
