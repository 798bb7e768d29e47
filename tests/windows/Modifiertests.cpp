#include <gtest/gtest.h>

#include "Testsupport.h"
#include "common/Unicode.h"
#include "modifier/Qxcliptxt.h"
#include "platform/win32/Win32services.h"

namespace tolvane::win32 {
namespace {

using testing::PumpUntil;
using testing::TTestWindow;

// Handles the messages already queued, such as the clipboard reports of an earlier test step.
void Settle(DWORD milliseconds = 200) {
  (void)PumpUntil([] { return false; }, milliseconds);
}

TEST(ModifierFunctions, CopyCtrlCReadsTheSelectionWhenTheListenerReportsTheChange) {
  TWin32Services services;
  const platform::TServices system = services.Services();
  TTestWindow window;
  ::SetWindowTextW(window.Edit(), L"first line\r\nsecond \u00E9t\u00E9");
  ASSERT_TRUE(window.BringToFront());
  ::SendMessageW(window.Edit(), EM_SETSEL, 0, -1);
  Settle();
  modifier::TQxClipTxt clip(system);
  ASSERT_TRUE(clip.Listening);
  const ULONGLONG start = ::GetTickCount64();
  ASSERT_TRUE(clip.RunScript({u"Copy_Ctrl_C_ToClipboard()"}));
  // The change report ended the wait, long before the two-second time-out.
  EXPECT_LT(::GetTickCount64() - start, 1500u);
  EXPECT_EQ(Utf16ToUtf8(clip.JoinedText()), "first line\r\nsecond \u00E9t\u00E9");
  EXPECT_EQ(clip.Lines.Count(), 2);
}

TEST(ModifierFunctions, PasteAsLinesTypesEveryLineIntoAMultiLineEdit) {
  TWin32Services services;
  const platform::TServices system = services.Services();
  ASSERT_TRUE(system.Clipboard.SetText(u"alpha beta\r\n\u00E9t\u00E9 \U0001F600\r\nlast"));
  TTestWindow window;
  ASSERT_TRUE(window.BringToFront());
  Settle();
  modifier::TQxClipTxt clip(system);
  ASSERT_TRUE(clip.RunScript({u"AddFront( '> ' )", u"PasteAsLines( 'y' )"}));
  const std::u16string expected = u"> alpha beta\r\n> \u00E9t\u00E9 \U0001F600\r\n> last\r\n";
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == expected; })) << Utf16ToUtf8(window.EditText());
}

}  // namespace
}  // namespace tolvane::win32
