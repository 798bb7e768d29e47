#include <gtest/gtest.h>

#include <future>
#include <thread>
#include <vector>

#include "Testsupport.h"
#include "execution/Heldmodifiers.h"
#include "execution/Pastekeys.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/Foreground.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Keyboard.h"
#include "platform/win32/Time.h"

namespace tolvane::win32 {
namespace {

using testing::PumpUntil;

const UINT PrivateFormat = ::RegisterClipboardFormatW(L"Tolvane.Test.Private");

// The bytes of a format as another program reads them; empty when it is missing.
std::vector<std::uint8_t> RawFormat(UINT format) {
  if (!::OpenClipboard(nullptr))
    return {};
  const TScopeExit close(&::CloseClipboard);
  const HANDLE data = ::GetClipboardData(format);
  if (data == nullptr)
    return {};
  const TGlobalLock lock(data);
  const auto* bytes = static_cast<const std::uint8_t*>(lock.get());
  return bytes == nullptr ? std::vector<std::uint8_t>()
                          : std::vector<std::uint8_t>(bytes, bytes + ::GlobalSize(data));
}

std::vector<std::uint8_t> Mark(const wchar_t* name) {
  return RawFormat(::RegisterClipboardFormatW(name));
}

bool WriteTextAndPrivateData() {
  if (!::OpenClipboard(nullptr))
    return false;
  const TScopeExit close(&::CloseClipboard);
  ::EmptyClipboard();
  for (const auto& [format, bytes] :
       {std::pair<UINT, std::vector<std::uint8_t>>{CF_UNICODETEXT, {'u', 0, 's', 0, 0, 0}},
        {PrivateFormat, {1, 2, 3}}}) {
    unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    {
      const TGlobalLock lock(memory.get());
      std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(lock.get()));
    }
    if (::SetClipboardData(format, memory.get()) == nullptr)
      return false;
    memory.release();
  }
  return true;
}

TEST(PasteClipboard, TheUsersFormatsComeBackAfterAPasteMarkedToStayOutOfTheHistory) {
  ASSERT_TRUE(WriteTextAndPrivateData());
  TClipboard clipboard;
  const std::optional<platform::TClipboardSnapshot> saved = clipboard.Snapshot();
  ASSERT_TRUE(saved.has_value());
  ASSERT_TRUE(clipboard.SetPasteText(u"clip"));
  EXPECT_EQ(testing::ReadRawClipboardText(), L"clip");
  EXPECT_TRUE(clipboard.PasteTextTaken());
  const std::vector<std::uint8_t> no{0, 0, 0, 0};
  EXPECT_FALSE(Mark(L"ExcludeClipboardContentFromMonitorProcessing").empty());
  EXPECT_EQ(Mark(L"CanIncludeInClipboardHistory"), no);
  EXPECT_EQ(Mark(L"CanUploadToCloudClipboard"), no);

  ASSERT_TRUE(clipboard.Restore(*saved));
  EXPECT_EQ(testing::ReadRawClipboardText(), L"us");
  const std::vector<std::uint8_t> privateBytes = RawFormat(PrivateFormat);
  // Global memory may be handed out rounded up; what was put there comes first.
  ASSERT_GE(privateBytes.size(), 3u);
  EXPECT_EQ(std::vector<std::uint8_t>(privateBytes.begin(), privateBytes.begin() + 3),
            (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(Mark(L"CanIncludeInClipboardHistory"), no) << "what went back is not recorded again";
}

TEST(PasteClipboard, ThePasteTextIsHandedOverWhenAnotherThreadAsksForIt) {
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetPasteText(u"late"));
  EXPECT_FALSE(clipboard.PasteTextTaken());
  EXPECT_TRUE(clipboard.HoldsPasteText());
  // The request to render reaches our window as a message, so this thread keeps handling them.
  std::future<std::wstring> read =
      std::async(std::launch::async, [] { return testing::ReadRawClipboardText(); });
  EXPECT_TRUE(PumpUntil([&] { return clipboard.PasteTextTaken(); }));
  EXPECT_EQ(read.get(), L"late");
  ASSERT_TRUE(testing::WriteRawClipboardText(L"copied elsewhere"));
  EXPECT_TRUE(PumpUntil([&] { return !clipboard.HoldsPasteText(); }))
      << "another program's copy goes unnoticed";
}

std::optional<bool> ShiftAtV;
WNDPROC EditProc = nullptr;

LRESULT CALLBACK WatchingEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == 'V')
    ShiftAtV = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  return ::CallWindowProcW(EditProc, window, message, wParam, lParam);
}

TEST(HeldModifiers, AHeldShiftIsLiftedForThePasteAndDownAgainAfterIt) {
  constexpr WORD LeftShift = VK_LSHIFT;
  TKeyboard keyboard;
  TTime time;
  const platform::TKeyRecord press{LeftShift, 0, 0};
  const platform::TKeyRecord release{LeftShift, 0, platform::KeyFlagUp};
  testing::TTestWindow target;
  // Under Wine the window taking the focus takes the modifier state from the X server, which never saw an
  // injected key: a Shift pressed before is released then. That release is waited for (it does not come on
  // Windows), so the Shift pressed afterwards stays down.
  ASSERT_EQ(keyboard.SendBatch({&press, 1}), 1u);
  ASSERT_TRUE(target.BringToFront());
  (void)PumpUntil([&] { return !keyboard.IsKeyDown(LeftShift); }, 1000);
  (void)keyboard.SendBatch({&release, 1});
  EditProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(target.Edit(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchingEditProc)));
  TClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText(u"pasted"));
  // A focus change that Wine learns of late resets the modifiers from the X server once more, taking back a
  // Shift pressed just before it: the press is repeated until it holds.
  bool shiftDown = false;
  for (int attempt = 0; attempt < 3 && !shiftDown; ++attempt) {
    ASSERT_EQ(keyboard.SendBatch({&press, 1}), 1u);
    shiftDown = PumpUntil([&] { return keyboard.IsKeyDown(LeftShift); }, 1000);
  }
  ASSERT_TRUE(shiftDown);
  {
    const execution::THeldModifiers held(keyboard, time);
    EXPECT_EQ(held.Lifted().size(), 1u);
    EXPECT_TRUE(execution::SendPasteKeys(true, keyboard));
    EXPECT_TRUE(PumpUntil([&] { return target.EditText() == u"pasted"; }));
  }
  EXPECT_EQ(ShiftAtV, std::optional<bool>(false)) << "the paste arrived as Ctrl+Shift+V";
  EXPECT_TRUE(PumpUntil([&] { return keyboard.IsKeyDown(LeftShift); })) << "Shift was not given back";
  ASSERT_EQ(keyboard.SendBatch({&release, 1}), 1u);
  EXPECT_TRUE(PumpUntil([&] { return !keyboard.IsKeyDown(LeftShift); }));
}

TEST(InputAccess, AWindowOfOurOwnTakesInputAndAClosedOneIsGone) {
  TForegroundWindow foreground;
  const HWND window = ::CreateWindowExW(0, L"STATIC", L"Input target", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  const auto handle = reinterpret_cast<platform::TWindowHandle>(window);
  EXPECT_EQ(foreground.InputAccess(handle), platform::TInputAccess::Allowed);
  EXPECT_EQ(foreground.Title(handle), u"Input target");
  ::DestroyWindow(window);
  EXPECT_EQ(foreground.InputAccess(handle), platform::TInputAccess::Gone);
  EXPECT_EQ(foreground.Title(handle), u"");
}

}  // namespace
}  // namespace tolvane::win32
