#include <gtest/gtest.h>

#include "common/Unicode.h"
#include "common/Version.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::recording {
namespace {

using platform::TMsgResult;
namespace mb = platform::msgbutton;

class RecordingDoublesTest : public ::testing::Test {
 protected:
  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  TRecordingServices Doubles{Locale, CodePages};
  platform::TServices Services = Doubles.Services();
};

TEST_F(RecordingDoublesTest, ServicesAreTheOwnedDoubles) {
  EXPECT_EQ(&Services.Clipboard, &Doubles.Clipboard);
  EXPECT_EQ(&Services.Files, &Doubles.Files);
  EXPECT_EQ(&Services.Locale, &Locale);
  EXPECT_EQ(&Services.CodePages, &CodePages);
  EXPECT_EQ(&Services.Program, &Doubles.Program);
}

TEST_F(RecordingDoublesTest, ClipboardOpensFailAsScriptedThenRecover) {
  int changes = 0;
  ASSERT_TRUE(Services.Clipboard.SetChangeHandler([&] { ++changes; }));
  EXPECT_FALSE(Services.Clipboard.HasText());
  EXPECT_EQ(Services.Clipboard.GetText(), u"");
  Doubles.Clipboard.FailNextOpens(2, {5, u"Access is denied."});
  EXPECT_EQ(Services.Clipboard.GetText(), std::nullopt);
  EXPECT_FALSE(Services.Clipboard.SetText(u"x"));
  EXPECT_EQ(Services.Clipboard.LastError().Code, 5u);
  EXPECT_TRUE(Services.Clipboard.SetText(u""));
  EXPECT_TRUE(Services.Clipboard.HasText());
  EXPECT_EQ(changes, 1);
  Doubles.Clipboard.ChangeExternally(u"copied");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Services.Clipboard.GetText(), u"copied");
  EXPECT_EQ(Doubles.Clipboard.OpenCount(), 5u);
  EXPECT_EQ(Doubles.Recorder.TraceLines(), std::vector<std::string>{"clipboard \"\""});
}

TEST_F(RecordingDoublesTest, ClipboardHoldsASharedTextOnlyWhenTheWriteSucceeds) {
  Doubles.Clipboard.FailNextOpens(1, {5, u"Access is denied."});
  const platform::TSharedText text = std::make_shared<const std::u16string>(1000, u'x');
  EXPECT_FALSE(Services.Clipboard.SetSharedText(text));
  EXPECT_FALSE(Doubles.Clipboard.Text());
  EXPECT_TRUE(Services.Clipboard.SetSharedText(text));
  ASSERT_TRUE(Doubles.Clipboard.Text());
  EXPECT_EQ(Doubles.Clipboard.Text()->data(), text->data());
  EXPECT_EQ(Doubles.Recorder.TraceLines().back(), "clipboard \"" + std::string(1000, 'x') + "\"");
}

// Pressing one key many times is one log entry, and the trace still shows every press; a run not kept
// records nothing, but the doubles go on working.
TEST_F(RecordingDoublesTest, RepeatedKeyBatchesAreCountedAndANotKeptRunLogsNothing) {
  const platform::TKeyRecord left[] = {{0x25, 0, 0}, {0x25, 0, platform::KeyFlagUp}};
  const platform::TKeyRecord down[] = {{0x28, 0, 0}, {0x28, 0, platform::KeyFlagUp}};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Doubles.Keyboard.SendBatch(left), 2u);
  EXPECT_EQ(Doubles.Keyboard.SendBatch(down), 2u);
  EXPECT_EQ(Doubles.Keyboard.SendBatch(left), 2u);
  Doubles.Keyboard.LimitInjection(1);
  EXPECT_EQ(Doubles.Keyboard.SendBatch(left), 1u);  // injected only in part: not the same batch
  const std::vector<std::string> lines = {"keys +25 -25", "keys +25 -25", "keys +25 -25",
                                          "keys +28 -28", "keys +25 -25", "keys +25"};
  EXPECT_EQ(Doubles.Recorder.TraceLines(), lines);
  EXPECT_EQ(Doubles.Recorder.Actions().size(), 4u);
  EXPECT_EQ(std::get<TKeyBatchAction>(Doubles.Recorder.Actions().front()).Times, 3u);
  // What was asked for is counted the same way: the cut-off batch asked for the whole press.
  ASSERT_EQ(Doubles.Keyboard.Batches().size(), 3u);
  EXPECT_EQ(Doubles.Keyboard.Batches()[2].Times, 2u);

  Doubles.Recorder.Clear();
  Doubles.Recorder.SetKeeping(false);
  EXPECT_EQ(Doubles.Keyboard.SendBatch(down), 1u);
  EXPECT_TRUE(Services.Clipboard.SetText(u"not logged"));
  Services.Time.Sleep(5);
  EXPECT_TRUE(Doubles.Recorder.Actions().empty());
  EXPECT_EQ(Doubles.Keyboard.Batches().size(), 3u);
  EXPECT_EQ(Doubles.Clipboard.Text(), u"not logged");
  EXPECT_EQ(Services.Time.TickCount(), 5u);
}

TEST_F(RecordingDoublesTest, ClipboardCanLackNotifications) {
  Doubles.Clipboard.SetNotificationsAvailable(false);
  EXPECT_FALSE(Services.Clipboard.SetChangeHandler([] {}));
}

TEST_F(RecordingDoublesTest, KeyStateIsWhatTheTestSets) {
  EXPECT_FALSE(Services.Keyboard.IsKeyDown(0x11));
  Doubles.Keyboard.SetKeyDown(0x11, true);
  EXPECT_TRUE(Services.Keyboard.IsKeyDown(0x11));
  Doubles.Keyboard.SetKeyDown(0x11, false);
  EXPECT_FALSE(Services.Keyboard.IsKeyDown(0x11));
}

TEST_F(RecordingDoublesTest, VirtualTimeAdvancesOnlyBySleepsAndWaits) {
  Doubles.Time.SetTickCount(0xFFFFFFF0u);
  int waits = 0;
  Doubles.Time.SetWaitCallback([&] {
    ++waits;
    if (Services.Time.TickCount() == 0x0000000Cu)
      Doubles.Clipboard.ChangeExternally(u"copied");
  });
  Services.Time.Sleep(8);
  Services.Time.WaitProcessingMessages(20);
  EXPECT_EQ(Services.Time.TickCount(), 0x0000000Cu);  // wrapped like timeGetTime
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(Doubles.Clipboard.Text(), u"copied");
  Doubles.Time.Advance(100);
  EXPECT_EQ(Services.Time.TickCount(), 0x00000070u);
  EXPECT_EQ(Doubles.Recorder.Actions(), (std::vector<TAction>{TSleepAction{8}, TWaitAction{20}}));
  const platform::TDateTime fixed{2023, 5, 17, 9, 4, 3, 2, 3};
  Doubles.Time.SetNow(fixed);
  EXPECT_EQ(Services.Time.Now(), fixed);
}

TEST_F(RecordingDoublesTest, MessageBoxAnswersFromItsScriptFirst) {
  Doubles.MessageBox.QueueAnswer(TMsgResult::No);
  const platform::TMsgRequest question{u"Save", u"Save changes?", platform::TMsgKind::Question,
                                       mb::Yes | mb::No};
  EXPECT_EQ(Services.MessageBox.Show(question), TMsgResult::No);
  EXPECT_EQ(Services.MessageBox.Show(question), TMsgResult::Yes);
  ASSERT_EQ(Doubles.MessageBox.Requests().size(), 2u);
  EXPECT_EQ(
      Doubles.Recorder.Actions().front(),
      TAction(TMessageAction{u"Save", u"Save changes?", platform::TMsgKind::Question, mb::Yes | mb::No}));
}

TEST_F(RecordingDoublesTest, ForegroundFollowsTheScriptedDesktop) {
  Doubles.Foreground.AddWindow(10, u"Notepad");
  Doubles.Foreground.AddWindow(20, u"TTolvaneMenu", true);
  Doubles.Foreground.BringToFront(10);
  EXPECT_EQ(Services.Foreground.Get(), 10u);
  EXPECT_EQ(Services.Foreground.ClassName(20), u"TTolvaneMenu");
  EXPECT_TRUE(Services.Foreground.IsOwnWindow(20));
  EXPECT_FALSE(Services.Foreground.IsOwnWindow(10));
  Doubles.Foreground.FailNextSets(1);
  EXPECT_FALSE(Services.Foreground.Set(20));
  EXPECT_TRUE(Services.Foreground.Set(20));
  EXPECT_EQ(Services.Foreground.Get(), 20u);
  Doubles.Foreground.RemoveWindow(20);
  EXPECT_EQ(Services.Foreground.Get(), 0u);
  EXPECT_FALSE(Services.Foreground.IsWindow(20));
  EXPECT_EQ(Services.Foreground.ClassName(20), u"");
  EXPECT_EQ(Doubles.Foreground.SetCalls(), 2u);
  EXPECT_EQ(Doubles.Recorder.TraceLines(), std::vector<std::string>{"foreground 20"});
}

TEST_F(RecordingDoublesTest, RegistryReadsTheFilledTree) {
  using platform::TRegistryRoot;
  const std::u16string browsers = u"Software\\Clients\\StartMenuInternet";
  Doubles.Registry.SetString(TRegistryRoot::LocalMachine, browsers + u"\\WebBrowserA.exe", u"",
                             u"Web Browser A");
  Doubles.Registry.AddKey(TRegistryRoot::LocalMachine, browsers + u"\\WebBrowserB.exe\\shell");
  Doubles.Registry.SetNonString(TRegistryRoot::LocalMachine, browsers + u"\\WebBrowserB.exe", u"Flags");
  EXPECT_EQ(
      Services.Registry.SubKeyNames(TRegistryRoot::LocalMachine, u"software\\CLIENTS\\StartMenuInternet\\"),
      (std::vector<std::u16string>{u"WebBrowserA.exe", u"WebBrowserB.exe"}));
  EXPECT_EQ(Services.Registry.ReadString(TRegistryRoot::LocalMachine, browsers + u"\\WEBBROWSERA.EXE", u""),
            u"Web Browser A");
  EXPECT_EQ(
      Services.Registry.ReadString(TRegistryRoot::LocalMachine, browsers + u"\\WebBrowserB.exe", u"Flags"),
      std::nullopt);
  EXPECT_EQ(Services.Registry.LastError().Code, 1630u);
  EXPECT_EQ(Services.Registry.SubKeyNames(TRegistryRoot::CurrentUser, browsers), std::nullopt);
  EXPECT_EQ(Services.Registry.LastError().Code, 2u);
}

TEST_F(RecordingDoublesTest, KnownFoldersAndProgramInfoAreFixed) {
  using platform::TKnownFolder;
  EXPECT_EQ(Services.KnownFolders.Path(TKnownFolder::Desktop), u"C:\\Users\\Test\\Desktop");
  Doubles.KnownFolders.Set(TKnownFolder::Desktop, std::nullopt);
  EXPECT_EQ(Services.KnownFolders.Path(TKnownFolder::Desktop), std::nullopt);
  const std::u16string exe = Services.Program.ExecutablePath();
  EXPECT_EQ(Services.Program.FileVersion(exe), U16(TOLVANE_VERSION_TEXT));
  EXPECT_EQ(Services.Program.FileVersion(u"c:\\program files\\TOLVANE\\tolvane.exe"),
            U16(TOLVANE_VERSION_TEXT));
  EXPECT_EQ(Services.Program.FileVersion(u"C:\\Windows\\notepad.exe"), std::nullopt);
  Doubles.Program.SetWow64(true);
  EXPECT_TRUE(Services.Program.IsWow64());
}

TEST_F(RecordingDoublesTest, FileDialogsAnswerFromTheScriptThenCancel) {
  using platform::TFileDialogResult;
  platform::TFileDialogRequest open;
  open.Title = u"Open menu";
  open.Filters = {{u"Tolvane menu files", u"*.TvXml"}};
  open.DefaultExtension = u"TvXml";
  open.InitialFolder = u"C:\\Menus";
  platform::TFileDialogRequest save = open;
  save.Title = u"Save menu as";
  save.InitialFileName = u"Work.TvXml";
  Doubles.FileDialogs.QueueChosen(u"C:\\Menus\\Home.TvXml");
  Doubles.FileDialogs.QueueAnswer(
      TFileDialogResult::Failed({0xFFFF, u"The file dialog could not be shown."}));

  const TFileDialogResult chosen = Services.FileDialogs.OpenFile(open);
  EXPECT_EQ(chosen.Chosen(), u"C:\\Menus\\Home.TvXml");
  const TFileDialogResult failed = Services.FileDialogs.SaveFile(save);
  EXPECT_EQ(failed.Outcome, platform::TFileDialogOutcome::Failed);
  EXPECT_EQ(failed.Chosen(), std::nullopt);  // a failure is no choice, and no cancel either
  EXPECT_EQ(failed.Error.Code, 0xFFFFu);
  EXPECT_EQ(Services.FileDialogs.SaveFile(save), TFileDialogResult::Cancelled());

  const std::vector<TFileDialogAction> expected{
      {TFileDialogKind::Open, open}, {TFileDialogKind::Save, save}, {TFileDialogKind::Save, save}};
  EXPECT_EQ(Doubles.FileDialogs.Shown(), expected);
  EXPECT_EQ(Doubles.Recorder.TraceLines(), (std::vector<std::string>{
                                               "file-dialog open \"Open menu\" \"\"",
                                               "file-dialog save \"Save menu as\" \"Work.TvXml\"",
                                               "file-dialog save \"Save menu as\" \"Work.TvXml\"",
                                           }));
}

}  // namespace
}  // namespace tolvane::recording
