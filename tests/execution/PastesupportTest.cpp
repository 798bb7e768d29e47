#include <gtest/gtest.h>

#include <map>
#include <string>

#include "execution/Heldmodifiers.h"
#include "execution/Pasteclipboard.h"
#include "execution/Pastekeys.h"
#include "platform/recording/Recordingclipboard.h"
#include "platform/recording/Recordingkeyboard.h"
#include "platform/recording/Recordingtime.h"

namespace tolvane::execution {
namespace {

constexpr int LeftShift = 0xA0, RightCtrl = 0xA3, LeftAlt = 0xA4;

// A user who lets go of some keys after they have been looked at a number of times.
class TReleasingKeyboard final : public platform::IKeyboard {
 public:
  explicit TReleasingKeyboard(recording::TRecordingKeyboard& keyboard) : Keyboard(keyboard) {}

  std::size_t SendBatch(std::span<const platform::TKeyRecord> records) override {
    return Keyboard.SendBatch(records);
  }
  bool IsKeyDown(int virtualKey) override {
    const auto found = ReleaseAfter.find(virtualKey);
    if (found != ReleaseAfter.end() && found->second-- == 0)
      Keyboard.SetKeyDown(virtualKey, false);
    return Keyboard.IsKeyDown(virtualKey);
  }

  std::map<int, int> ReleaseAfter;

 private:
  recording::TRecordingKeyboard& Keyboard;
};

class PasteSupportTest : public ::testing::Test {
 protected:
  std::string Trace() const { return Recorder.Trace(); }
  static std::string Sleeps(int count, int ms) {
    std::string sleeps;
    for (int i = 0; i < count; ++i)
      sleeps += "sleep " + std::to_string(ms) + "\n";
    return sleeps;
  }

  recording::TRecorder Recorder;
  recording::TRecordingKeyboard Keyboard{Recorder};
  recording::TRecordingTime Time{Recorder};
  recording::TRecordingClipboard Clipboard{Recorder};
};

TEST_F(PasteSupportTest, HeldModifiersAreWaitedForThenLiftedAndPressedAgain) {
  TReleasingKeyboard user(Keyboard);
  {
    const THeldModifiers held(user, Time);
    EXPECT_TRUE(held.Lifted().empty());
  }
  EXPECT_EQ(Trace(), "") << "nothing held: no wait, no keys";

  Recorder.Clear();
  Keyboard.SetKeyDown(LeftShift, true);
  user.ReleaseAfter[LeftShift] = 3;
  { const THeldModifiers held(user, Time); }
  EXPECT_EQ(Trace(), Sleeps(3, 25)) << "released in time: nothing sent";

  Recorder.Clear();
  Keyboard.SetKeyDown(RightCtrl, true);
  Keyboard.SetKeyDown(LeftAlt, true);
  {
    const THeldModifiers held(user, Time);
    EXPECT_TRUE(SendPasteKeys(true, user));
  }
  // Right Ctrl is an extended key: lifted and pressed as one, or its numeric-pad twin would move.
  EXPECT_EQ(Trace(), Sleeps(20, 25) + "keys -A3e -A4\nkeys +11 +56 -56 -11\nkeys +A3e +A4\n");
}

TEST_F(PasteSupportTest, OnlyTheModifiersActuallyLiftedArePressedAgain) {
  Keyboard.SetKeyDown(LeftShift, true);
  Keyboard.SetKeyDown(LeftAlt, true);
  Keyboard.LimitInjection(1);
  { const THeldModifiers held(Keyboard, Time); }
  EXPECT_EQ(Trace(), Sleeps(20, 25) + "keys -A0\nkeys +A0\n");
}

TEST_F(PasteSupportTest, ThePastedTextIsMarkedAndTheUsersContentGoesBackOnceTaken) {
  Clipboard.ChangeExternally(u"copied by the user");
  TPasteClipboard paste(Clipboard, Time, true);
  ASSERT_TRUE(paste.Put(u"clip"));
  EXPECT_TRUE(Clipboard.HoldsPasteText());
  EXPECT_TRUE(Clipboard.IsMarked());
  EXPECT_TRUE(paste.Finish());
  EXPECT_EQ(Trace(), "clipboard-paste \"clip\"\nclipboard-restore 1\n");
  EXPECT_EQ(Clipboard.Text(), u"copied by the user");
  EXPECT_TRUE(Clipboard.IsMarked()) << "the content put back is not recorded again";
  EXPECT_TRUE(paste.Finish());
  EXPECT_EQ(Trace(), "clipboard-paste \"clip\"\nclipboard-restore 1\n") << "put back once";
}

TEST_F(PasteSupportTest, AnEmptyClipboardIsEmptyAgainAfterThePaste) {
  {
    TPasteClipboard paste(Clipboard, Time, true);
    ASSERT_TRUE(paste.Put(u"clip"));
  }  // finished when it goes
  EXPECT_EQ(Trace(), "clipboard-paste \"clip\"\nclipboard-restore 0\n");
  EXPECT_FALSE(Clipboard.HasText());
}

TEST_F(PasteSupportTest, TheTextStaysWhenRestoringIsOffOrTheResultIsMeantToStay) {
  Clipboard.ChangeExternally(u"before");
  {
    TPasteClipboard paste(Clipboard, Time, false);
    ASSERT_TRUE(paste.Put(u"off"));
  }
  EXPECT_EQ(Clipboard.Text(), u"off");
  {
    TPasteClipboard paste(Clipboard, Time, true);
    ASSERT_TRUE(paste.Put(u"kept"));
    paste.Keep();
    EXPECT_TRUE(paste.Finish());
  }
  EXPECT_EQ(Clipboard.Text(), u"kept");
  EXPECT_EQ(Trace(), "clipboard-paste \"off\"\nclipboard-paste \"kept\"\n");
}

TEST_F(PasteSupportTest, ATargetThatNeverReadsIsWaitedForABoundedTime) {
  Clipboard.ChangeExternally(u"before");
  Clipboard.SetTargetReadsPastes(false);
  TPasteClipboard paste(Clipboard, Time, true);
  ASSERT_TRUE(paste.Put(u"clip"));
  EXPECT_TRUE(paste.Finish());
  EXPECT_EQ(Trace(), "clipboard-paste \"clip\"\n" + Sleeps(50, 20) + "clipboard-restore 1\n");
  EXPECT_EQ(Clipboard.Text(), u"before");
}

TEST_F(PasteSupportTest, PuttingBackRetriesWhileTheTargetHoldsTheClipboard) {
  Clipboard.ChangeExternally(u"before");
  TPasteClipboard paste(Clipboard, Time, true);
  ASSERT_TRUE(paste.Put(u"clip"));
  Clipboard.FailNextOpens(2, {5, u"Access is denied."});
  EXPECT_TRUE(paste.Finish());
  EXPECT_EQ(Trace(), "clipboard-paste \"clip\"\nsleep 50\nsleep 50\nclipboard-restore 1\n");

  TPasteClipboard busy(Clipboard, Time, true);
  ASSERT_TRUE(busy.Put(u"again"));
  Clipboard.FailNextOpens(RestoreAttempts, {5, u"Access is denied."});
  EXPECT_FALSE(busy.Finish()) << "a failure to put back is told";
  EXPECT_EQ(Clipboard.Text(), u"again");
}

TEST_F(PasteSupportTest, ACopyMadeWhileThePasteWaitsIsNotOverwritten) {
  Clipboard.ChangeExternally(u"before");
  Clipboard.SetTargetReadsPastes(false);
  Time.SetWaitCallback([&] { Clipboard.ChangeExternally(u"copied meanwhile"); });
  TPasteClipboard paste(Clipboard, Time, true);
  ASSERT_TRUE(paste.Put(u"clip"));
  EXPECT_TRUE(paste.Finish());
  EXPECT_EQ(Clipboard.Text(), u"copied meanwhile");
  EXPECT_EQ(Trace().find("clipboard-restore"), std::string::npos);
}

TEST_F(PasteSupportTest, TheUsersContentIsCopiedBeforeTheFirstChangeOnly) {
  Clipboard.ChangeExternally(u"user");
  TPasteClipboard paste(Clipboard, Time, true);
  paste.KeepUserContent();
  Clipboard.ChangeExternally(u"copied from the target");
  ASSERT_TRUE(paste.Put(u"one"));
  ASSERT_TRUE(paste.Put(u"two"));
  EXPECT_TRUE(paste.Finish());
  EXPECT_EQ(Clipboard.Text(), u"user");
}

}  // namespace
}  // namespace tolvane::execution
