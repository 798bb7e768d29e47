#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "Testsupport.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/Time.h"

namespace tolvane::win32 {
namespace {

using testing::PumpUntil;

TEST(Clipboard, GivesBackTheTextItStored) {
  const std::u16string texts[] = {u"plain ASCII text", u"Grüße \U0001F600 and \U00010348", u""};
  TClipboard clipboard;
  for (const std::u16string& text : texts) {
    SCOPED_TRACE(text.size());
    ASSERT_TRUE(clipboard.SetText(text));
    EXPECT_TRUE(clipboard.HasText());
    EXPECT_EQ(clipboard.GetText(), text);
  }
}

TEST(Clipboard, InteroperatesWithOtherPrograms) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"written by us"));
  EXPECT_EQ(testing::ReadRawClipboardText(), L"written by us");
  ASSERT_TRUE(testing::WriteRawClipboardText(L"from elsewhere"));
  EXPECT_EQ(clipboard.GetText(), u"from elsewhere");
}

TEST(Clipboard, ClearLeavesNoText) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"something"));
  ASSERT_TRUE(clipboard.Clear());
  EXPECT_FALSE(clipboard.HasText());
  EXPECT_EQ(clipboard.GetText(), u"");
}

TEST(Clipboard, FailsWithAnErrorWhileAnotherThreadHoldsItOpen) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"held"));
  std::promise<bool> opened;
  std::promise<void> release;
  std::thread holder([&] {
    opened.set_value(::OpenClipboard(nullptr) != FALSE);
    release.get_future().wait();
    ::CloseClipboard();
  });
  const bool holding = opened.get_future().get();
  const bool written = holding && clipboard.SetText(u"blocked");
  const platform::TSystemError error = clipboard.LastError();
  release.set_value();
  holder.join();
  ASSERT_TRUE(holding);
  EXPECT_FALSE(written);
  EXPECT_NE(error.Code, 0U);
  EXPECT_FALSE(error.Message.empty());
  EXPECT_EQ(clipboard.GetText(), u"held");
}

TEST(ClipboardChanges, CallTheHandlerWhenAnotherWriterChangesTheText) {
  TClipboard listener;
  int changes = 0;
  ASSERT_TRUE(listener.SetChangeHandler([&changes] { ++changes; }));
  TClipboard writer;
  ASSERT_TRUE(writer.SetText(u"changed"));
  EXPECT_TRUE(PumpUntil([&changes] { return changes > 0; }));
}

TEST(ClipboardChanges, StopAfterTheHandlerIsRemoved) {
  TClipboard listener;
  int changes = 0;
  ASSERT_TRUE(listener.SetChangeHandler([&changes] { ++changes; }));
  ASSERT_TRUE(listener.SetChangeHandler(nullptr));
  TClipboard writer;
  ASSERT_TRUE(writer.SetText(u"unobserved"));
  TTime().WaitProcessingMessages(300);
  EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace tolvane::win32
