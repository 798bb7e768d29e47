#include <gtest/gtest.h>

#include <vector>

#include "Testsupport.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/Keyboard.h"

namespace tolvane::win32 {
namespace {

using platform::KeyFlagUnicode;
using platform::KeyFlagUp;
using platform::TKeyRecord;
using testing::PumpUntil;

std::vector<TKeyRecord> Press(std::initializer_list<std::uint16_t> keys) {
  std::vector<TKeyRecord> records;
  for (const std::uint16_t key : keys) {
    records.push_back({key, 0, 0});
    records.push_back({key, 0, KeyFlagUp});
  }
  return records;
}

TEST(KeyboardInput, TypesUnicodeCharactersIntoTheFocusedEdit) {
  testing::TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  const std::u16string text = u"Añ€\U0001F600";
  std::vector<TKeyRecord> records;
  for (const char16_t unit : text) {
    records.push_back({0, unit, KeyFlagUnicode});
    records.push_back({0, unit, KeyFlagUnicode | KeyFlagUp});
  }
  EXPECT_EQ(TKeyboard().SendBatch(records), records.size());
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == text; }));
}

TEST(KeyboardInput, PastesTheClipboardWithControlV) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"pasted text"));
  testing::TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  const std::vector<TKeyRecord> records = {
      {VK_CONTROL, 0, 0}, {'V', 0, 0}, {'V', 0, KeyFlagUp}, {VK_CONTROL, 0, KeyFlagUp}};
  EXPECT_EQ(TKeyboard().SendBatch(records), records.size());
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == u"pasted text"; }));
}

TEST(KeyboardInput, EnterStartsANewLineInAMultiLineEdit) {
  testing::TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  const auto records = Press({'A', VK_RETURN, 'B'});
  EXPECT_EQ(TKeyboard().SendBatch(records), records.size());
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == u"a\r\nb"; }));
}

TEST(KeyboardInput, ReportsAKeyAsDownUntilItIsReleased) {
  // No window of ours: Wine resynchronises its key state with the X server's whenever focus moves, which can
  // wipe out an injected key-down that the X server never saw.
  TKeyboard keyboard;
  const TKeyRecord down{VK_SHIFT, 0, 0};
  const TKeyRecord up{VK_SHIFT, 0, KeyFlagUp};
  ASSERT_EQ(keyboard.SendBatch({&down, 1}), 1U);
  EXPECT_TRUE(PumpUntil([&] { return keyboard.IsKeyDown(VK_SHIFT); }));
  ASSERT_EQ(keyboard.SendBatch({&up, 1}), 1U);
  EXPECT_TRUE(PumpUntil([&] { return !keyboard.IsKeyDown(VK_SHIFT); }));
}

}  // namespace
}  // namespace tolvane::win32
