#include <gtest/gtest.h>

#include "Testsupport.h"
#include "common/Unicode.h"
#include "execution/Macroplayer.h"
#include "execution/Pastekeys.h"
#include "execution/Targetwindow.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/Foreground.h"
#include "platform/win32/Keyboard.h"
#include "platform/win32/Locale.h"
#include "platform/win32/Time.h"

namespace tolvane::win32 {
namespace {

using execution::TQxInputList;
using testing::PumpUntil;
using testing::TTestWindow;

platform::TWindowHandle HandleOf(HWND window) {
  return reinterpret_cast<platform::TWindowHandle>(window);
}

TEST(MacroPlayback, TypesTextCodeUnitsAndNavigationKeysIntoTheFocusedEdit) {
  TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  // Line one with two escaped characters, Enter, then "cd" with "X" put before it by Home and "!" after it by
  // End, across a pause.
  TQxInputList list(u"ab\\!00E9\\!20AC\\0D\\0vcd\\24\\2fX\\FF\\23\\2e!");
  TKeyboard keyboard;
  TTime time;
  ASSERT_TRUE(execution::PlayInputList(list, 1, keyboard, time));
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == u"ab\u00E9\u20AC\r\nXcd!"; }))
      << Utf16ToUtf8(window.EditText());
}

TEST(MacroPlayback, ReleasesTheKeysTheMacroLeftDownAfterEachRepetition) {
  TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  // The K key, then Shift left down: a second "K" shows that Shift was not released in between.
  TQxInputList list(u"\\4B\\4u\\10");
  TKeyboard keyboard;
  TTime time;
  ASSERT_TRUE(execution::PlayInputList(list, 2, keyboard, time));
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == u"kk"; })) << Utf16ToUtf8(window.EditText());
}

TEST(MacroPlayback, PasteKeysInsertTheClipboardText) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"pasted\r\nlines"));
  TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  TKeyboard keyboard;
  ASSERT_TRUE(execution::SendPasteKeys(true, keyboard));
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == u"pasted\r\nlines"; }));
}

TEST(MacroPlayback, RestoresTheWindowThatWasInFrontBefore) {
  TTestWindow target;
  TTestWindow focusTime;
  testing::TForeignWindows desktop;
  TLocale locale;
  execution::TForegroundHistory history;
  ASSERT_TRUE(target.BringToFront());
  history.RecordForeground(desktop, locale);
  ASSERT_TRUE(focusTime.BringToFront());
  history.RecordForeground(desktop, locale);
  TTime time;
  EXPECT_EQ(execution::RestoreTargetWindow(history, HandleOf(focusTime.Handle()), false, desktop, time),
            execution::TRestoreResult::Restored);
  EXPECT_EQ(::GetForegroundWindow(), target.Handle());
}

}  // namespace
}  // namespace tolvane::win32
