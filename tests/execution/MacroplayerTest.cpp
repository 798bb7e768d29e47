#include <gtest/gtest.h>

#include <string>

#include "common/Unicode.h"
#include "execution/Macroplayer.h"
#include "execution/Pastekeys.h"
#include "platform/recording/Recordingkeyboard.h"
#include "platform/recording/Recordingtime.h"
#include "storage/Item.h"

namespace tolvane::execution {
namespace {

class MacroPlayerTest : public ::testing::Test {
 protected:
  // The trace of one successful play.
  std::string Played(const std::u16string& macro, int repeatCount = 1) {
    Recorder.Clear();
    TQxInputList list(macro);
    EXPECT_TRUE(PlayInputList(list, repeatCount, Keyboard, Time)) << Utf16ToUtf8(macro);
    return Recorder.Trace();
  }

  recording::TRecorder Recorder;
  recording::TRecordingKeyboard Keyboard{Recorder};
  recording::TRecordingTime Time{Recorder};
};

TEST_F(MacroPlayerTest, BatchesSplitAtKindSwitchesEnterReleasesAndPauses) {
  struct TRow {
    const char16_t* Macro;
    const char* Trace;
  };
  const TRow rows[] = {
      {u"ab\\0D\\0vcd",
       "keys +U+0061 -U+0061 +U+0062 -U+0062\nsleep 10\nkeys +0D -0D\nsleep 10\n"
       "keys +U+0063 -U+0063 +U+0064 -U+0064\nsleep 10\n"},
      {u"a\\FFb", "keys +U+0061 -U+0061\nsleep 10\nsleep 100\nkeys +U+0062 -U+0062\nsleep 10\n"},
      {u"\\FF\\FF", "sleep 100\nsleep 100\n"},
      // Downs and ups of virtual keys share a call; only the Enter release ends one.
      {u"\\10\\41\\4c\\1b", "keys +10 +41 -41 -10\nsleep 10\n"},
      {u"\\0D\\0v\\0D\\0v", "keys +0D -0D\nsleep 10\nkeys +0D -0D\nsleep 10\n"},
      {u"\\0v\\24\\2f", "keys -0D\nsleep 10\nkeys +24e -24e\nsleep 10\n"},
      {u"\\24\\FF\\2f", "keys +24e\nsleep 10\nsleep 100\nkeys -24e\nsleep 10\n"},
      {u"", ""},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(Played(row.Macro), row.Trace) << Utf16ToUtf8(row.Macro);
}

TEST_F(MacroPlayerTest, ReleasesTheKeysLeftPressedAfterEveryRepetition) {
  EXPECT_EQ(Played(u"\\11"), "keys +11\nsleep 10\nkeys -11\n");
  // Lowest code first; a navigation key is released as the extended key it was pressed as.
  EXPECT_EQ(Played(u"\\24\\11\\10"), "keys +24e +11 +10\nsleep 10\nkeys -10 -11 -24e\n");
  const std::string once = "keys +11\nsleep 10\nkeys +U+0061 -U+0061\nsleep 10\nkeys -11\n";
  EXPECT_EQ(Played(u"\\11a", 3), once + once + once);
  EXPECT_EQ(Played(u"\\11a", 0), "");
  EXPECT_EQ(Played(u"\\11a", -1), "");
}

TEST_F(MacroPlayerTest, PlaysTheStoredFormOfEditedLines) {
  storage::TItem item;
  item.NewLineHome = true;
  item.SetMacroLines(u"ab\r\nc\r\n");
  EXPECT_EQ(
      Played(item.KeyMacro.Str()),
      "keys +U+0061 -U+0061 +U+0062 -U+0062\nsleep 10\nkeys +0D -0D\nsleep 10\nkeys +24e -24e\nsleep 10\n"
      "keys +U+0063 -U+0063\nsleep 10\nkeys +0D -0D\nsleep 10\nkeys +24e -24e\nsleep 10\n");
}

TEST_F(MacroPlayerTest, StopsAtAPartlyInjectedCallAndReleasesWhatItPressed) {
  // Ctrl goes in, the text only half: Ctrl must not stay down although the macro would release it later.
  TQxInputList list(u"\\11ab\\1c");
  Keyboard.LimitInjection(3);
  EXPECT_FALSE(PlayInputList(list, 2, Keyboard, Time));
  EXPECT_EQ(Recorder.Trace(), "keys +11\nsleep 10\nkeys +U+0061 -U+0061 +U+0062\nkeys -11\n");

  Recorder.Clear();
  Keyboard.LimitInjection(0);
  EXPECT_FALSE(PlayInputList(list, 1, Keyboard, Time));
  EXPECT_EQ(Recorder.Trace(), "");
}

TEST_F(MacroPlayerTest, PasteKeysFollowTheAutoPasteSetting) {
  EXPECT_TRUE(SendPasteKeys(true, Keyboard));
  EXPECT_TRUE(SendPasteKeys(false, Keyboard));
  EXPECT_EQ(Recorder.Trace(), "keys +11 +56 -56 -11\n");

  Recorder.Clear();
  Keyboard.LimitInjection(2);
  EXPECT_FALSE(SendPasteKeys(true, Keyboard));
  EXPECT_EQ(Recorder.Trace(), "keys +11 +56\nkeys -11 -56\n");
}

}  // namespace
}  // namespace tolvane::execution
