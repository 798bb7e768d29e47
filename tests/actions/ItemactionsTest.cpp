#include <gtest/gtest.h>

#include <string>

#include "actions/Itemactions.h"
#include "common/Unicode.h"
#include "execution/Browser.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"
#include "platform/recording/Recordingservices.h"

namespace tolvane::actions {
namespace {

using platform::TShellOpenRequest;
using platform::TShowCommand;
using storage::TItem;

constexpr platform::TWindowHandle Target = 1, Bar = 2;
constexpr int ControlKey = 0x11;
const std::string PasteKeys = "keys +11 +56 -56 -11\n";
// The clipboard of the doubles starts empty, and is empty again after a paste.
const std::string Restored = "clipboard-restore 0\n";

class ItemActionsTest : public ::testing::Test {
 protected:
  ItemActionsTest() {
    Doubles.Foreground.AddWindow(Target, u"Notepad");
    Doubles.Foreground.SetTitle(Target, u"notes.txt - Notepad");
    Doubles.Foreground.AddWindow(Bar, u"TolvaneMain", true);
    Doubles.Foreground.BringToFront(Target);
    History.RecordForeground(Doubles.Foreground, Locale);
    Doubles.Foreground.BringToFront(Bar);
  }

  TActionHost Host() {
    return {.Services = Doubles.Services(),
            .History = History,
            .FocusTimeForeground = Bar,
            .AutoPaste = AutoPaste,
            .MainWindow = Bar,
            .BringBarToFront = [this] { ++BarBroughtToFront; }};
  }

  // The trace of one pick.
  std::string Perform(TItem& item, int modifierMask = 0) {
    Doubles.Recorder.Clear();
    PerformItem(item, modifierMask, Host());
    return Doubles.Recorder.Trace();
  }

  static std::unique_ptr<TItem> Item(int type) {
    auto item = std::make_unique<TItem>();
    item->ItemType = type;
    return item;
  }

  const std::vector<TShellOpenRequest>& Opened() const { return Doubles.Shell.Requests(); }

  native::TNativeLocale Locale{"en_US"};
  native::TNativeCodePages CodePages;
  recording::TRecordingServices Doubles{Locale, CodePages};
  execution::TForegroundHistory History;
  bool AutoPaste = true;
  int BarBroughtToFront = 0;
};

TEST_F(ItemActionsTest, ClipTextFollowsTheRecordedModifiers) {
  struct TRow {
    int Mask;
    const char16_t *Name, *Tip, *Code;
    const char* Pasted;
  };
  const TRow rows[] = {
      {0, u"n", u"t", u"c", "c"},
      {0, u"n", u"t", u"", "t"},
      {0, u"n", u"", u"", "n"},
      {ModifierCtrl, u"n", u"t", u"c", "t"},
      {ModifierCtrl, u"n", u"", u"c", ""},  // empties the clipboard text and still pastes
      {ModifierShift, u"n", u"t", u"c", "n\\r\\nt\\r\\nc"},
      {ModifierShift, u"n", u"", u"", "n\\r\\n\\r\\n"},
      {ModifierCtrl | ModifierShift, u"n", u"t", u"c", "c"},
      {ModifierAlt, u"n", u"t", u"", "t"},
      {ModifierCtrl | ModifierAlt, u"n", u"t", u"c", "c"},
  };
  for (const int type : {storage::ItemTypeClip, storage::ItemTypeFolderClip}) {
    for (const TRow& row : rows) {
      auto item = Item(type);
      item->Name = row.Name;
      item->Tip = row.Tip;
      item->Code = row.Code;
      EXPECT_EQ(Perform(*item, row.Mask),
                "clipboard-paste \"" + std::string(row.Pasted) + "\"\nforeground 1\n" + PasteKeys + Restored)
          << "type " << type << ", mask " << row.Mask;
    }
  }
}

TEST_F(ItemActionsTest, WithoutAutoPasteTheClipWaitsOnTheClipboard) {
  AutoPaste = false;
  auto item = Item(storage::ItemTypeClip);
  item->Code = u"text";
  EXPECT_EQ(Perform(*item), "clipboard-paste \"text\"\nforeground 1\n");
  EXPECT_EQ(Doubles.Clipboard.Text(), u"text");
}

TEST_F(ItemActionsTest, CtrlHeldWhileAnActionRunsPastesItsMainTextInstead) {
  struct TRow {
    int Type;
    const char* Trace;
  };
  auto item = Item(0);
  item->Program = u"C:\\Tools\\edit.exe";
  item->Url = u"https://example.com/";
  item->Email = u"a@example.com";
  item->KeyMacro = u"ab\\0D\\0v";
  item->XClip = u"Upper()";
  const TRow rows[] = {
      {storage::ItemTypeProgram, "clipboard-paste \"C:\\\\Tools\\\\edit.exe \"\nforeground 1\n"},
      {storage::ItemTypeWebSite, "clipboard-paste \"https://example.com/\"\nforeground 1\n"},
      {storage::ItemTypeMail, "clipboard-paste \"a@example.com\"\nforeground 1\n"},
      {storage::ItemTypeKeyMacro, "clipboard-paste \"ab\\\\0D\\\\0v\"\nforeground 1\n"},
      // The modifier restores the target before touching the clipboard.
      {storage::ItemTypeClipModifier, "foreground 1\nclipboard-paste \"Upper()\"\n"},
  };
  Doubles.Keyboard.SetKeyDown(ControlKey, true);
  for (const TRow& row : rows) {
    item->ItemType = row.Type;
    EXPECT_EQ(Perform(*item), row.Trace + PasteKeys + Restored) << "type " << row.Type;
  }
  EXPECT_TRUE(Opened().empty());
}

TEST_F(ItemActionsTest, OnlyTheLiveCtrlKeyCountsForActions) {
  auto item = Item(storage::ItemTypeProgram);
  item->Program = u"calc.exe";
  EXPECT_EQ(Perform(*item, ModifierCtrl), "shell-open \"calc.exe\" \"\"\n");
}

TEST_F(ItemActionsTest, ActionOpensProgramOrParametersWithTheShellDefaults) {
  struct TRow {
    const char16_t *Program, *Params, *File, *Parameters;
  };
  const TRow rows[] = {
      {u"C:\\Tools\\edit.exe", u"", u"C:\\Tools\\edit.exe", u""},
      {u"", u"C:\\Docs\\notes.txt", u"C:\\Docs\\notes.txt", u""},
      {u"C:\\Tools\\edit.exe", u"-n \"%TEMP%\\a.txt\"", u"C:\\Tools\\edit.exe", u"-n \"%TEMP%\\a.txt\""},
  };
  for (const TRow& row : rows) {
    auto item = Item(storage::ItemTypeProgram);
    item->Program = row.Program;
    item->QParams = row.Params;
    (void)Perform(*item);
    TShellOpenRequest expected;
    expected.File = row.File;
    expected.Parameters = row.Parameters;
    expected.Owner = Bar;
    expected.Show = TShowCommand::ShowDefault;
    ASSERT_FALSE(Opened().empty());
    EXPECT_EQ(Opened().back(), expected) << Utf16ToUtf8(row.File);
  }
  const std::size_t opened = Opened().size();
  auto empty = Item(storage::ItemTypeProgram);
  EXPECT_EQ(Perform(*empty), "");
  EXPECT_EQ(Opened().size(), opened);
}

TEST_F(ItemActionsTest, AFailingOpenNamesTheFileAndTheSystemsReason) {
  auto item = Item(storage::ItemTypeProgram);
  item->Program = u"C:\\Moved\\tool.exe";
  Doubles.Shell.FailNextOpen({2, u"The system cannot find the file specified."});
  EXPECT_EQ(Perform(*item),
            "message \"Error Starting Program\" \"Could not open:\\r\\nC:\\\\Moved\\\\tool.exe\\r\\n"
            "The system cannot find the file specified.\\r\\n\"\n");
}

TEST_F(ItemActionsTest, WebsiteOpensInItsBrowserOrFallsBackToTheDefault) {
  Doubles.Files.AddFile(u"C:\\Browsers\\surf.exe", "");
  auto item = Item(storage::ItemTypeWebSite);
  item->Url = u"https://example.com/";
  item->WebBrowser = u"C:\\Browsers\\surf.exe";
  EXPECT_EQ(Perform(*item), "shell-open \"C:\\\\Browsers\\\\surf.exe\" \"https://example.com/\"\n");
  EXPECT_EQ(Opened().back().Owner, 0u);
  EXPECT_EQ(Opened().back().Show, TShowCommand::ShowDefault);

  item->WebBrowser = u"C:\\Gone\\old.exe";
  EXPECT_EQ(Perform(*item), "shell-open \"https://example.com/\" \"\"\n");
  EXPECT_EQ(item->WebBrowser, u"");
}

TEST_F(ItemActionsTest, WebsiteOpensInTheInstalledBrowserItsNameChooses) {
  const std::u16string key = std::u16string(execution::BrowsersKey) + u"\\Surf";
  Doubles.Registry.AddKey(platform::TRegistryRoot::LocalMachine, key);
  Doubles.Registry.SetString(platform::TRegistryRoot::LocalMachine, key + u"\\shell\\open\\command", u"",
                             u"\"C:\\Browsers\\surf.exe\" -osint %1");
  Doubles.Files.AddFile(u"C:\\Browsers\\surf.exe", "");
  auto item = Item(storage::ItemTypeWebSite);
  item->Url = u"https://example.com/";
  item->WebBrowser = u"Surf";
  EXPECT_EQ(Perform(*item), "shell-open \"C:\\\\Browsers\\\\surf.exe\" \"https://example.com/\"\n");
  // A browser not installed here opens the default one and stays chosen for the machines that have it.
  item->WebBrowser = u"Elsewhere";
  EXPECT_EQ(Perform(*item), "shell-open \"https://example.com/\" \"\"\n");
  EXPECT_EQ(item->WebBrowser, u"Elsewhere");
}

TEST_F(ItemActionsTest, WebsiteWithoutUrlOnlyTellsSoEvenWithCtrlHeld) {
  auto item = Item(storage::ItemTypeWebSite);
  Doubles.Keyboard.SetKeyDown(ControlKey, true);
  EXPECT_EQ(Perform(*item), "message \"Information to you\" \"There is no URL to open\"\n");
}

TEST_F(ItemActionsTest, MailOpensItsMailtoUrl) {
  auto item = Item(storage::ItemTypeMail);
  item->Email = u"a@example.com";
  item->Subject = u"Hi there";
  EXPECT_EQ(Perform(*item), "shell-open \"mailto:a@example.com?subject=Hi%20there\" \"\"\n");
  EXPECT_EQ(Opened().back().Show, TShowCommand::Normal);
  EXPECT_EQ(Opened().back().Owner, 0u);
}

TEST_F(ItemActionsTest, MailFailuresShowTheirMessage) {
  auto item = Item(storage::ItemTypeMail);
  EXPECT_EQ(Perform(*item),
            "message \"Error Activating Mailprogram\" \"The message is:\\r\\nThe TO field is "
            "empty!\\r\\nYou must provide a recipient\"\n");
  item->Email = u"a@example.com";
  Doubles.Shell.FailNextOpen({1155, u"No application is associated with the specified file."});
  EXPECT_EQ(Perform(*item),
            "message \"Error Activating Mailprogram\" \"The message is:\\r\\nNo application is "
            "associated with the specified file.\"\n");
}

TEST_F(ItemActionsTest, MacroRestoresTheTargetAndPlaysRepeatCountTimes) {
  auto item = Item(storage::ItemTypeKeyMacro);
  item->KeyMacro = u"ab";
  item->RepeatCount = 2;
  const std::string once = "keys +U+0061 -U+0061 +U+0062 -U+0062\nsleep 10\n";
  EXPECT_EQ(Perform(*item), "foreground 1\n" + once + once);
}

TEST_F(ItemActionsTest, ModifierScriptRunsAfterTheRestoreAndAFailureBringsTheBarForward) {
  auto item = Item(storage::ItemTypeClipModifier);
  EXPECT_EQ(Perform(*item), "");

  item->XClip = u"\r\n\n";
  EXPECT_EQ(Perform(*item), "foreground 1\n");
  EXPECT_EQ(BarBroughtToFront, 0);

  item->XClip = u"NoSuchFunction()\r\n";
  const std::string trace = Perform(*item);
  EXPECT_EQ(trace.rfind("foreground 1\nmessage ", 0), 0u) << trace;
  EXPECT_NE(trace.find("NoSuchFunction()"), std::string::npos) << trace;
  EXPECT_EQ(BarBroughtToFront, 1);
}

TEST_F(ItemActionsTest, FoldersAndUnknownTypesDoNothing) {
  for (const int type : {storage::ItemTypeFolder, 8, 49}) {
    auto item = Item(type);
    item->Code = u"c";
    item->Program = u"p";
    EXPECT_EQ(Perform(*item), "") << type;
  }
}

TEST_F(ItemActionsTest, PasteRetriesABusyClipboardAndNeverPastesStaleText) {
  Doubles.Clipboard.ChangeExternally(u"user");
  // Each attempt opens the clipboard twice: to copy the user's content, and to put the text there.
  Doubles.Clipboard.FailNextOpens(4, {5, u"Access is denied."});
  EXPECT_TRUE(PasteText(u"new", Host()));
  EXPECT_EQ(Doubles.Recorder.Trace(), "sleep 50\nsleep 50\nclipboard-paste \"new\"\nforeground 1\n" +
                                          PasteKeys + "clipboard-restore 1\n");

  Doubles.Recorder.Clear();
  Doubles.Clipboard.FailNextOpens(10, {5, u"Access is denied."});
  EXPECT_FALSE(PasteText(u"newer", Host()));
  EXPECT_EQ(
      Doubles.Recorder.Trace(),
      "sleep 50\nsleep 50\nsleep 50\nsleep 50\nmessage \"Error Writing Clipboard\" \"The text could not be "
      "put on the clipboard, so nothing was pasted.\\r\\nAccess is denied.\\r\\n\"\n");
  EXPECT_EQ(Doubles.Clipboard.Text(), u"user");
}

TEST_F(ItemActionsTest, ABlockedPasteKeystrokeIsReported) {
  Doubles.Keyboard.LimitInjection(1);
  EXPECT_FALSE(PasteText(u"x", Host()));
  ASSERT_EQ(Doubles.MessageBox.Requests().size(), 1u);
  EXPECT_EQ(Doubles.MessageBox.Requests()[0].Caption, u"Error Pasting Text");
}

TEST_F(ItemActionsTest, ATargetThatRefusesInputIsNamedAndNothingIsSent) {
  Doubles.Foreground.SetElevated(Target, true);
  auto clip = Item(storage::ItemTypeClip);
  clip->Code = u"c";
  const std::string refused =
      "message \"Target Window Refuses Input\" \"The window \\\"notes.txt - Notepad\\\" belongs to a program "
      "that runs with higher rights than Tolvane (as administrator), and Windows does not let Tolvane send "
      "keys "
      "to it.\\r\\n";
  EXPECT_EQ(Perform(*clip),
            "clipboard-paste \"c\"\nforeground 1\n" + refused + "The text is on the clipboard.\"\n");
  EXPECT_EQ(Doubles.Clipboard.Text(), u"c") << "the text waits for the user";

  auto macro = Item(storage::ItemTypeKeyMacro);
  macro->KeyMacro = u"ab";
  macro->RepeatCount = 1;
  EXPECT_EQ(Perform(*macro), "foreground 1\n" + refused + "The macro was not played.\"\n");
}

TEST_F(ItemActionsTest, ATargetClosedSinceItWasInFrontIsNamedAndNothingIsSent) {
  Doubles.Foreground.RemoveWindow(Target);
  auto clip = Item(storage::ItemTypeClip);
  clip->Code = u"c";
  EXPECT_EQ(
      Perform(*clip),
      "clipboard-paste \"c\"\nmessage \"Target Window Closed\" \"The window \\\"notes.txt - Notepad\\\" "
      "has been closed.\\r\\nThe text is on the clipboard.\"\n");
  EXPECT_TRUE(Doubles.Keyboard.Batches().empty());
  EXPECT_EQ(Doubles.Clipboard.Text(), u"c");
}

TEST_F(ItemActionsTest, HeldModifiersAreLiftedAroundThePasteAndTheMacro) {
  constexpr int LeftShift = 0xA0, LeftAlt = 0xA4;
  const std::string waited = [] {
    std::string sleeps;
    for (int i = 0; i < 20; ++i)
      sleeps += "sleep 25\n";
    return sleeps;
  }();
  Doubles.Keyboard.SetKeyDown(LeftShift, true);
  auto clip = Item(storage::ItemTypeClip);
  clip->Code = u"c";
  EXPECT_EQ(Perform(*clip), "clipboard-paste \"c\"\nforeground 1\n" + waited + "keys -A0\n" + PasteKeys +
                                "keys +A0\n" + Restored);

  // A macro cut short by the system still gives the user's key back.
  Doubles.Keyboard.SetKeyDown(LeftShift, false);
  Doubles.Keyboard.SetKeyDown(LeftAlt, true);
  Doubles.Keyboard.LimitInjection(1);
  auto macro = Item(storage::ItemTypeKeyMacro);
  macro->KeyMacro = u"ab";
  macro->RepeatCount = 1;
  const std::string trace = Perform(*macro);
  EXPECT_EQ(trace.substr(0, trace.find("message")),
            "foreground 1\n" + waited + "keys -A4\nkeys +U+0061\nkeys +A4\n");
  EXPECT_NE(trace.find("Error Playing Macro"), std::string::npos) << trace;
}

TEST_F(ItemActionsTest, AModifierScriptsPasteGivesTheUserContentBackButItsSavedResultStays) {
  auto item = Item(storage::ItemTypeClipModifier);
  item->XClip = u"UpperCaseAll()\r\nPaste()";
  Doubles.Clipboard.ChangeExternally(u"user");
  EXPECT_EQ(Perform(*item),
            "foreground 1\nsleep 50\nclipboard-paste \"USER\"\n" + PasteKeys + "clipboard-restore 1\n");
  EXPECT_EQ(Doubles.Clipboard.Text(), u"user");

  item->XClip = u"UpperCaseAll()\r\nSaveToClipboard()\r\nPaste()";
  EXPECT_EQ(Perform(*item),
            "foreground 1\nclipboard \"USER\"\nsleep 50\nclipboard-paste \"USER\"\n" + PasteKeys);
  EXPECT_EQ(Doubles.Clipboard.Text(), u"USER");
}

}  // namespace
}  // namespace tolvane::actions
