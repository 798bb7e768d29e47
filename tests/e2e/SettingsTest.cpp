#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Steps.h"

// After the Windows headers that Steps.h brings.
#include <commctrl.h>
#include "uimodel/Settingsmodel.h"
#include "uimodel/Uimessages.h"

namespace tolvane::e2e {
namespace {

namespace id = uimodel::settingscontrol;

// The largest popup of the test menu: as many rows as fit at a height just above the tests' 30 pixels, so
// that raising the item height soon reaches the work area's limit.
int LargestRows() {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return (work.bottom - 2 * kEdgeSize) / (kItemHeight + 3);
}

int HighestItem() {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return std::min(50, static_cast<int>(work.bottom - 2 * kEdgeSize) / LargestRows());
}

std::string MenuWithLargePopup() {
  std::string menu =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TolvaneDataFile>\r\n<Name>Menus</Name>\r\n"
      "<Item Type=\"2\" Img=\"-1\"><Name>Many</Name>\r\n";
  for (int i = 0; i < LargestRows(); ++i)
    menu +=
        "  <Item Type=\"0\" Img=\"-1\"><Name>Row " + std::to_string(i) + "</Name><Code>x</Code></Item>\r\n";
  return menu + "</Item>\r\n</TolvaneDataFile>\r\n";
}

// Ctrl+Shift+key on the keyboard, for the foreground window.
bool TypeCtrlShift(WORD key) {
  std::vector<INPUT> keys;
  for (const WORD down : {WORD{VK_CONTROL}, WORD{VK_SHIFT}, key}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = down;
    keys.push_back(input);
  }
  for (int i = 2; i >= 0; --i) {
    INPUT input = keys[static_cast<size_t>(i)];
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    keys.push_back(input);
  }
  return ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size();
}

int TrackPosition(HWND dialog, int control) {
  return static_cast<int>(::SendMessageW(::GetDlgItem(dialog, control), TBM_GETPOS, 0, 0));
}

class TSettingsTest : public TTolvaneTest {
 protected:
  void Open() {
    const auto menu = Folder.File(L"Menus.TvXml");
    WriteFile(menu, MenuWithLargePopup());
    Tolvane.emplace(Start(menu));
    Window = ReadyWindow(*Tolvane);
    ASSERT_NE(Window, nullptr) << "MenuReady never came";
    Panel = ::FindWindowExW(Window, nullptr, L"TPanelMainMenu", nullptr);
    ASSERT_NE(Panel, nullptr);
    ::SetForegroundWindow(Window);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == Window; }));
  }

  // The dialog the key opens from the bar, once it shows.
  HWND OpenDialog(UINT key, const wchar_t* className) const {
    PressKey(Panel, key);
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindProcessWindow(Tolvane->Id(), className)) != nullptr; });
    return dialog;
  }

  static bool Closes(HWND dialog, UINT key) {
    PressKey(dialog, key);
    return WaitUntil([&] { return ::IsWindowVisible(dialog) == FALSE; });
  }

  // A pixel of the bar's empty right part, as the screen shows it.
  COLORREF BarPixel() const {
    const RECT bar = WindowBounds(Window);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF pixel =
        ::GetPixel(screen, bar.left + (bar.right - bar.left) * 3 / 4, (bar.top + bar.bottom) / 2);
    ::ReleaseDC(nullptr, screen);
    return pixel;
  }

  std::optional<TChildProcess> Tolvane;
  HWND Window = nullptr;
  HWND Panel = nullptr;
};

TEST_F(TSettingsTest, MenuSettingsCancelKeepsTheMenusOkAppliesAndTheItemHeightStopsAtTheLargestMenu) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const COLORREF before = BarPixel();
  const RECT barBefore = WindowBounds(Window);

  HWND dialog = OpenDialog(VK_F7, L"TFrmMenuSettings");
  ASSERT_NE(dialog, nullptr) << "F7 opened no menu settings";
  for (const int slider : {id::BkgSliderHue, id::BkgSliderSat, id::BkgSliderLum, id::SelSliderHue,
                           id::SelSliderSat, id::SelSliderLum, id::ArrowColorSlider, id::SliderPipeShadow}) {
    const int start = TrackPosition(dialog, slider);
    PressKey(::GetDlgItem(dialog, slider), start > 10 ? VK_HOME : VK_END);
    EXPECT_TRUE(WaitUntil([&] { return TrackPosition(dialog, slider) != start; })) << "slider " << slider;
  }
  // Raising the item height stops where the largest popup would no longer fit.
  const HWND itemHeight = ::GetDlgItem(dialog, id::UdItemSize);
  ASSERT_NE(itemHeight, nullptr);
  EXPECT_EQ(ControlText(itemHeight), std::to_wstring(kItemHeight));
  for (int step = 0; step < 25; ++step)
    PressKey(itemHeight, VK_UP);
  PressKey(itemHeight, VK_F24);  // handled after the Ups: once it is, they are
  EXPECT_TRUE(WaitUntil([&] { return ControlText(itemHeight) == std::to_wstring(HighestItem()); }))
      << "the item height reads "
      << std::string(ControlText(itemHeight).begin(), ControlText(itemHeight).end()) << ", expected "
      << HighestItem();
  ASSERT_TRUE(Closes(dialog, VK_ESCAPE));
  // Cancel after all that: the bar looks and measures as before once it is drawn again.
  COLORREF now = 0;
  EXPECT_TRUE(WaitUntil([&] { return (now = BarPixel()) == before; })) << std::hex << now << " " << before;
  const RECT barAfter = WindowBounds(Window);
  EXPECT_EQ(barAfter.bottom - barAfter.top, barBefore.bottom - barBefore.top);

  // OK with the darkest background: the bar turns darker.
  dialog = OpenDialog(VK_F7, L"TFrmMenuSettings");
  ASSERT_NE(dialog, nullptr);
  // The arrow colour slider's hint names Ctrl+Shift+H: it steps the arrow colour, the last wrapping to the
  // first.
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }));
  const int arrow = TrackPosition(dialog, id::ArrowColorSlider);
  ASSERT_TRUE(TypeCtrlShift('H'));
  EXPECT_TRUE(WaitUntil([&] { return TrackPosition(dialog, id::ArrowColorSlider) == (arrow + 1) % 12; }))
      << "Ctrl+Shift+H left the arrow colour at " << TrackPosition(dialog, id::ArrowColorSlider);
  PressKey(::GetDlgItem(dialog, id::BkgSliderLum), VK_HOME);
  ASSERT_TRUE(WaitUntil([&] { return TrackPosition(dialog, id::BkgSliderLum) == 20; }));
  ASSERT_TRUE(Closes(dialog, VK_RETURN));
  COLORREF after = before;
  EXPECT_TRUE(WaitUntil([&] { return (after = BarPixel()) != before; })) << "the bar kept its colour";
  EXPECT_LT(GetGValue(after), GetGValue(before));
  CloseAndExpectCleanExit(*Tolvane, Window);
}

TEST_F(TSettingsTest, ProgramSettingsKeepOnlyWhatOkTook) {
  ASSERT_NO_FATAL_FAILURE(Open());
  HWND dialog = OpenDialog(VK_F3, L"TFrmProgSettings");
  ASSERT_NE(dialog, nullptr) << "F3 opened no program settings";
  const int stored = TrackPosition(dialog, id::WinBkgSliderHue);
  PressKey(::GetDlgItem(dialog, id::WinBkgSliderHue), VK_END);
  ASSERT_TRUE(WaitUntil([&] { return TrackPosition(dialog, id::WinBkgSliderHue) == 240; }));
  ASSERT_TRUE(Closes(dialog, VK_ESCAPE));

  dialog = OpenDialog(VK_F3, L"TFrmProgSettings");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TrackPosition(dialog, id::WinBkgSliderHue), stored) << "Cancel kept the moved slider";
  PressKey(::GetDlgItem(dialog, id::WinBkgSliderHue), VK_END);
  ASSERT_TRUE(WaitUntil([&] { return TrackPosition(dialog, id::WinBkgSliderHue) == 240; }));
  const HWND restore = ::GetDlgItem(dialog, id::CbxRestoreClipboard);
  ASSERT_EQ(::SendMessageW(restore, BM_GETCHECK, 0, 0), BST_CHECKED) << "restoring is on by default";
  ::SendMessageW(restore, BM_CLICK, 0, 0);
  ASSERT_TRUE(Closes(dialog, VK_RETURN));

  dialog = OpenDialog(VK_F3, L"TFrmProgSettings");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TrackPosition(dialog, id::WinBkgSliderHue), 240) << "OK did not keep the slider";
  EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, id::CbxRestoreClipboard), BM_GETCHECK, 0, 0), BST_UNCHECKED)
      << "OK did not keep Restore Clipboard off";
  ASSERT_TRUE(Closes(dialog, VK_ESCAPE));
  CloseAndExpectCleanExit(*Tolvane, Window);
}

}  // namespace
}  // namespace tolvane::e2e
