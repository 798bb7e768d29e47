// The menu save of a menu whose folder refuses new files, as the save command and the save at close run it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Itemfile.h"

namespace tolvane::storage {
namespace {

using recording::TFileOperation;

constexpr char16_t MenuPath[] = u"C:\\Program Files\\Tolvane\\Work.TvXml";
constexpr char16_t MenuFolder[] = u"C:\\Program Files\\Tolvane";

const std::string OldMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<TolvaneDataFile ver=\"1.0.0.0\">\r\n"
    "  <Name>Work</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\">\r\n"
    "    <Name>Greeting</Name>\r\n"
    "    <Code>Hello</Code>\r\n"
    "  </Item>\r\n"
    "</TolvaneDataFile>";

class MenuSaveInRefusingFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Doubles.Files.AddFile(MenuPath, OldMenu);
    Doubles.Files.SetRefusesNewFiles(MenuFolder, true);
    auto program = std::make_unique<TItem>();
    program->ItemType = ItemTypeProgramOwn;
    Menu.SetProgramItem(std::move(program));
    ASSERT_TRUE(Menu.OpenMenuFile(MenuPath, false));
    ASSERT_EQ(Menu.RootItem->Children.Count(), 2);
  }

  // Changes the greeting, as an edit would.
  void Edit() {
    Menu.RootItem->Children[1]->Code = u"Hello again";
    Menu.MenuModified = true;
  }

  std::vector<std::u16string> Shown() const {
    std::vector<std::u16string> shown;
    for (const platform::TMsgRequest& request : Doubles.MessageBox.Requests())
      shown.push_back(request.Caption + u" | " + request.Text);
    return shown;
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  TMenuFile Menu{TMenuFileServices::From(Doubles.Services())};
};

TEST_F(MenuSaveInRefusingFolderTest, TheMenuIsEditableAndSaves) {
  EXPECT_FALSE(Menu.MenuFileReadOnly);
  Edit();
  EXPECT_EQ(Menu.SaveMenuFile(MenuPath), TMenuSaveResult::Saved);
  EXPECT_FALSE(Menu.MenuModified);
  EXPECT_EQ(Shown(), std::vector<std::u16string>{});
  EXPECT_EQ(Doubles.Files.FilePaths(), std::vector<std::u16string>{MenuPath});

  TMenuFile reloaded(TMenuFileServices::From(Doubles.Services()));
  ASSERT_EQ(reloaded.LoadMenuFile(MenuPath, false), u"");
  ASSERT_EQ(reloaded.RootItem->Children.Count(), 1);
  EXPECT_EQ(reloaded.RootItem->Children[0]->Code, u"Hello again");
}

TEST_F(MenuSaveInRefusingFolderTest, AFailedRewriteRestoresTheOldMenuAndIsReported) {
  Edit();
  // Flushing the rewritten menu file, whose new content is in place by then; the backup's flush came first.
  Doubles.Files.FailCall(TFileOperation::Flush, 2, {112, u"There is not enough space on the disk."});
  EXPECT_EQ(Menu.SaveMenuFile(MenuPath), TMenuSaveResult::Failed);
  EXPECT_TRUE(Menu.MenuModified);
  EXPECT_EQ(Doubles.Files.Content(MenuPath), OldMenu);
  EXPECT_EQ(Doubles.Files.FilePaths(), std::vector<std::u16string>{MenuPath});
  EXPECT_EQ(Shown(), std::vector<std::u16string>{
                         u"Save File Error | The error message is\r\n\r\n:Could not Write File\r\n"
                         u"There is not enough space on the disk."});
}

}  // namespace
}  // namespace tolvane::storage
