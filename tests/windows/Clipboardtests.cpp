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

void CloseOpenClipboard() {
  ::CloseClipboard();
}

// Another program's view of the clipboard, through the raw API.
std::wstring ReadRawText() {
  if (!::OpenClipboard(nullptr))
    return L"<not opened>";
  const TScopeExit close(&CloseOpenClipboard);
  const TGlobalLock lock(::GetClipboardData(CF_UNICODETEXT));
  return lock ? std::wstring(static_cast<const wchar_t*>(lock.get())) : L"<no text>";
}

bool WriteRawText(std::wstring_view text) {
  unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(wchar_t)));
  if (const TGlobalLock lock(memory.get()); lock)
    text.copy(static_cast<wchar_t*>(lock.get()), text.size());
  if (!::OpenClipboard(nullptr))
    return false;
  const TScopeExit close(&CloseOpenClipboard);
  if (!::EmptyClipboard() || ::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr)
    return false;
  memory.release();
  return true;
}

TEST(Clipboard, InteroperatesWithOtherPrograms) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"written by us"));
  EXPECT_EQ(ReadRawText(), L"written by us");
  ASSERT_TRUE(WriteRawText(L"from elsewhere"));
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
