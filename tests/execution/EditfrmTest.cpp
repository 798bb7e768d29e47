#include "execution/Editfrm.h"

#include <gtest/gtest.h>

#include "execution/Macroparser.h"
#include "platform/recording/Recordingclipboard.h"
#include "platform/recording/Recordingtime.h"

namespace tolvane::execution {
namespace {

TEST(MacroComposerTest, CodesAndButtonsWriteTheNotationThePlayerReads) {
  EXPECT_EQ(KeyCodeText(0x24, false), u"\\24");
  EXPECT_EQ(KeyCodeText(0x24, true), u"\\2f");
  EXPECT_EQ(KeyCodeText(0x1B, true), u"\\1t");
  EXPECT_EQ(KeyButtonText(0x24), u"\\24\\2f");
  EXPECT_EQ(KeyButtonText(SleepCode), u"\\FF");
  EXPECT_EQ(KeyButtonHint(0x11), u" Down = \\11  Up = \\1c  ");
  // Every button's text parses back into its own key down and up (or the pause).
  for (const TKeyButton& button : KeyButtons()) {
    const std::vector<TInputItem> items = ParseMacro(KeyButtonText(button.Code));
    ASSERT_EQ(items.size(), 2u) << static_cast<int>(button.Code);
    EXPECT_EQ(items[0].Code, button.Code);
    EXPECT_EQ(items[1].Code, button.Code);
    EXPECT_NE(items[0].Kind, items[1].Kind);
  }
}

TEST(MacroComposerTest, LinesRoundTripWithEitherLineBreak) {
  EXPECT_EQ(MacroFromEditor(u"a\r\nb", true), u"a\\0D\\0v\\24\\2fb");
  EXPECT_EQ(MacroFromEditor(u"a\r\nb\r\n", true), u"a\\0D\\0v\\24\\2fb\\0D\\0v\\24\\2f");
  EXPECT_EQ(MacroFromEditor(u"a\nb", false), u"a\\0D\\0vb");
  EXPECT_EQ(MacroFromEditor(u"", false), u"");
  // Both stored forms open as lines, whatever the option.
  EXPECT_EQ(MacroForEditing(u"a\\0D\\0vb"), u"a\r\nb");
  EXPECT_EQ(MacroForEditing(u"a\\0D\\0v\\24\\2fb\\0D\\0vc"), u"a\r\nb\r\nc");
  EXPECT_EQ(MacroForEditing(MacroFromEditor(u"one\r\ntwo\r\n", true)), u"one\r\ntwo\r\n");
}

TEST(MacroComposerTest, KeyboardModeWritesModifiersOnceAndNamedKeysAlways) {
  TKeyboardMode mode;
  using R = TKeyboardMode::TResult;
  // Shift held: written once however long the key repeats; its release clears it.
  EXPECT_EQ(mode.KeyDown(0x10), (R{u"\\10", true}));
  EXPECT_EQ(mode.KeyDown(0x10), (R{u"", true}));
  EXPECT_EQ(mode.KeyDown(0xA0), (R{u"", true}));  // the left Shift is Shift
  EXPECT_EQ(mode.KeyDown('A'), (R{u"\\41", true}));
  EXPECT_EQ(mode.KeyUp('A'), (R{u"\\4c", true}));
  EXPECT_EQ(mode.KeyDown('C'), (R{u"", true}));  // C needs Ctrl
  EXPECT_EQ(mode.KeyUp(0x10), (R{u"\\1b", true}));
  EXPECT_FALSE(mode.Shift());
  // Without a modifier, letters go to the editor (whose characters are dropped), named keys are written.
  EXPECT_EQ(mode.KeyDown('A'), (R{u"", false}));
  EXPECT_EQ(mode.KeyDown(0x0D), (R{u"\\0D", true}));
  EXPECT_EQ(mode.KeyUp(0x0D), (R{u"\\0v", true}));
  EXPECT_EQ(mode.KeyDown(0x7B), (R{u"\\7B", true}));
  // Ctrl+C: down and up at once on the press.
  EXPECT_EQ(mode.KeyDown(0x11).Insert, u"\\11");
  EXPECT_EQ(mode.KeyDown('C'), (R{u"\\43\\4e", true}));
  EXPECT_EQ(mode.KeyUp('C').Insert, u"");
  // Print Screen: both codes on its release.
  EXPECT_EQ(mode.KeyUp(0x2C), (R{u"\\2C\\2u", true}));
  mode.Reset();
  EXPECT_FALSE(mode.Ctrl());
}

TEST(MacroComposerTest, KeyboardModeEmptiesAClipboardHeldOpenForAMoment) {
  recording::TRecorder recorder;
  recording::TRecordingTime time{recorder};
  recording::TRecordingClipboard clipboard{recorder};
  ASSERT_TRUE(clipboard.SetText(u"copied before"));
  recorder.Clear();
  clipboard.FailNextOpens(ClearClipboardAttempts - 1, {5, u"Access is denied."});
  EXPECT_TRUE(ClearClipboardForKeyboardMode(clipboard, time));
  EXPECT_EQ(clipboard.Text(), std::nullopt);
  EXPECT_EQ(recorder.Trace(), "sleep 50\nsleep 50\nsleep 50\nsleep 50\nclipboard-clear\n");

  // Held open for longer: the text stays and the caller learns it, after the last try without a wait.
  ASSERT_TRUE(clipboard.SetText(u"copied before"));
  recorder.Clear();
  clipboard.FailNextOpens(ClearClipboardAttempts, {5, u"Access is denied."});
  EXPECT_FALSE(ClearClipboardForKeyboardMode(clipboard, time));
  EXPECT_EQ(clipboard.Text(), u"copied before");
  EXPECT_EQ(recorder.Trace(), "sleep 50\nsleep 50\nsleep 50\nsleep 50\n");
}

}  // namespace
}  // namespace tolvane::execution
