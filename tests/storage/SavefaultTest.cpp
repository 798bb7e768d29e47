// Every file operation of a save made to fail in turn: the old file must survive byte for byte, no temporary
// file may stay behind, and the failure must be reported.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Globals.h"
#include "storage/Itemfile.h"
#include "storage/Settingswrite.h"

namespace tolvane::storage {
namespace {

using recording::TFileOperation;

const platform::TSystemError InjectedError{112, u"There is not enough space on the disk."};

const char* OperationName(TFileOperation operation) {
  switch (operation) {
    case TFileOperation::Create:
      return "Create";
    case TFileOperation::Write:
      return "Write";
    case TFileOperation::Flush:
      return "Flush";
    case TFileOperation::Close:
      return "Close";
    case TFileOperation::Replace:
      return "Replace";
    case TFileOperation::Delete:
      return "Delete";
    case TFileOperation::Read:
      return "Read";
    case TFileOperation::Recycle:
      return "Recycle";
  }
  return "?";
}

// One file operation of a save: its kind and which call of that kind it is within the save.
struct TStep {
  TFileOperation Operation;
  std::size_t Nth;
};

// The steps of the log from its first'th entry on, each counted among all calls of its kind in the log.
std::vector<TStep> StepsOf(const std::vector<TFileOperation>& log, std::size_t first) {
  std::vector<TStep> steps;
  for (std::size_t i = first; i < log.size(); ++i)
    steps.push_back({log[i], static_cast<std::size_t>(std::count(log.begin(), log.begin() + i + 1, log[i]))});
  return steps;
}

// What a save reports, whether it said it succeeded, and where in the file log it began.
struct TOutcome {
  bool Succeeded = false;
  std::vector<std::u16string> Messages;  // "caption | text"
  std::size_t FirstCall = 0;
};

// One save scenario: a world with an existing file and unsaved changes, and the save itself.
struct TSaveCase {
  std::u16string Path;
  std::string Original;
  std::function<TOutcome(recording::TRecordingServices&)> Save;
};

// The messages shown since the first'th.
std::vector<std::u16string> MessagesFrom(const recording::TRecordingServices& doubles, std::size_t first) {
  std::vector<std::u16string> shown;
  const std::vector<platform::TMsgRequest>& requests = doubles.MessageBox.Requests();
  for (std::size_t i = first; i < requests.size(); ++i)
    shown.push_back(requests[i].Caption + u" | " + requests[i].Text);
  return shown;
}

class SaveFaultTest : public ::testing::Test {
 protected:
  // A fresh world holding the case's original file.
  std::unique_ptr<recording::TRecordingServices> World(const TSaveCase& save) {
    auto doubles = std::make_unique<recording::TRecordingServices>(Locale, CodePages);
    doubles->Files.AddFile(save.Path, save.Original);
    return doubles;
  }

  // The operations of a save that nothing disturbs, which must write a different file than the original.
  std::vector<TStep> CleanRun(const TSaveCase& save) {
    const auto doubles = World(save);
    const TOutcome outcome = save.Save(*doubles);
    EXPECT_TRUE(outcome.Succeeded);
    EXPECT_TRUE(outcome.Messages.empty());
    EXPECT_NE(doubles->Files.Content(save.Path), save.Original);
    EXPECT_EQ(doubles->Files.FilePaths(), std::vector<std::u16string>{save.Path});
    return StepsOf(doubles->Files.CallLog(), outcome.FirstCall);
  }

  // Fails each operation of the clean run in turn and checks what is left; then a second save must work.
  void FailEachStep(const TSaveCase& save, const std::u16string& reportPrefix) {
    const std::vector<TStep> steps = CleanRun(save);
    const std::vector<TFileOperation> protocol{TFileOperation::Create, TFileOperation::Write,
                                               TFileOperation::Flush, TFileOperation::Close,
                                               TFileOperation::Replace};
    std::vector<TFileOperation> kinds;
    for (const TStep& step : steps)
      kinds.push_back(step.Operation);
    EXPECT_EQ(kinds, protocol);
    for (const TStep& step : steps) {
      SCOPED_TRACE(std::string(OperationName(step.Operation)) + " #" + std::to_string(step.Nth));
      const auto doubles = World(save);
      doubles->Files.FailCall(step.Operation, step.Nth, InjectedError);
      const TOutcome failed = save.Save(*doubles);
      EXPECT_FALSE(failed.Succeeded);
      EXPECT_EQ(doubles->Files.Content(save.Path), save.Original);
      EXPECT_EQ(doubles->Files.FilePaths(), std::vector<std::u16string>{save.Path});
      EXPECT_EQ(failed.Messages, std::vector<std::u16string>{reportPrefix + InjectedError.Message});

      const TOutcome retried = save.Save(*doubles);
      EXPECT_TRUE(retried.Succeeded);
      EXPECT_NE(doubles->Files.Content(save.Path), save.Original);
      EXPECT_EQ(doubles->Files.FilePaths(), std::vector<std::u16string>{save.Path});
    }
  }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
};

const std::string OldMenu =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<TolvaneDataFile ver=\"1.0.0.0\">\r\n"
    "  <Name>Work</Name>\r\n"
    "  <Item Type=\"0\" Img=\"-1\">\r\n"
    "    <Name>Greeting</Name>\r\n"
    "    <Code>Hello</Code>\r\n"
    "  </Item>\r\n"
    "</TolvaneDataFile>";

// The menu loaded from the old file, changed, and saved over it, as the save command does.
TOutcome SaveChangedMenu(recording::TRecordingServices& doubles, const std::u16string& path) {
  TMenuFile menu(TMenuFileServices::From(doubles.Services()));
  menu.SetProgramItem(std::make_unique<TItem>());
  menu.ProgramItem->ItemType = ItemTypeProgramOwn;
  if (!menu.OpenMenuFile(path, false) || menu.RootItem->Children.Count() != 2) {
    ADD_FAILURE() << "the old menu does not load";
    return {};
  }
  menu.RootItem->Children[1]->Code = u"Hello again";
  menu.MenuModified = true;
  const std::size_t shownBefore = doubles.MessageBox.Requests().size();
  const std::size_t firstCall = doubles.Files.CallLog().size();
  const TMenuSaveResult result = menu.SaveMenuFile(path);
  EXPECT_EQ(menu.MenuModified, result != TMenuSaveResult::Saved);
  return {result == TMenuSaveResult::Saved, MessagesFrom(doubles, shownBefore), firstCall};
}

TEST_F(SaveFaultTest, MenuSaveSurvivesAFailureOfEveryFileOperation) {
  const std::u16string path = u"C:\\Menus\\Work.TvXml";
  FailEachStep({path, OldMenu, [&](recording::TRecordingServices& d) { return SaveChangedMenu(d, path); }},
               u"Save File Error | The error message is\r\n\r\n:Could not Write File\r\n");
}

TEST_F(SaveFaultTest, SettingsSaveSurvivesAFailureOfEveryFileOperation) {
  const std::u16string path = u"C:\\Users\\Test\\cfg\\Tolvane.ini";
  const auto save = [&](recording::TRecordingServices& doubles) {
    const TSettingsEnvironment environment{1920, 1080, 96, {u"Courier New", 10, false}, {u"Arial", 9, true},
                                           16};
    TSettings settings = StartSettings(environment);
    settings.IniFileName = path;
    settings.MenuFontName = u"Segoe UI";
    const std::size_t shownBefore = doubles.MessageBox.Requests().size();
    const std::size_t firstCall = doubles.Files.CallLog().size();
    TSettingsFileState state;
    const bool saved = WriteSettings(settings, TSettingsServices::From(doubles.Services()), state);
    return TOutcome{saved, MessagesFrom(doubles, shownBefore), firstCall};
  };
  FailEachStep({path, "\xEF\xBB\xBF[Fonts]\r\nMenuFontName=Arial\r\n", save},
               u"Error Saving Settings | The message is:\r\n");
}

}  // namespace
}  // namespace tolvane::storage
