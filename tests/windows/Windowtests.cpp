// The window base and the modal run, for real: what every window of the program relies on.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "Testsupport.h"
#include "platform/recording/Recorder.h"
#include "platform/recording/Recordingmessagebox.h"
#include "ui/Errordisplay.h"
#include "ui/Geometrywin.h"
#include "ui/Modal.h"
#include "ui/Window.h"

namespace tolvane::ui {
namespace {

using win32::testing::PumpUntil;

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

// A plain top-level window whose handlers can be made to throw.
class TProbeWindow final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TolvaneProbeWindow";

  explicit TProbeWindow(DWORD style = WS_POPUP, HWND parent = nullptr, int id = 0) {
    TWindowClass windowClass;
    windowClass.Name = kClassName;
    TWindowParams params;
    params.Style = style;
    params.Bounds = TRect::Sized(40, 40, 300, 200);
    params.Parent = parent;
    params.ControlId = id;
    Create(windowClass, params);
  }
  ~TProbeWindow() override { Destroy(); }

  int ScaleChanges = 0;
  int Destroys = 0;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kThrow)
      throw std::runtime_error("handler failed");
    if (message == kAnswer)
      return 42;
    if (message == WM_DESTROY)
      ++Destroys;
    return Default(message, wParam, lParam);
  }
  void ScaleChanged() override { ++ScaleChanges; }
};

class TCountingNotifications final : public TControlNotifications {
 public:
  bool Command(UINT code) override {
    Commands.push_back(code);
    return true;
  }
  std::vector<UINT> Commands;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { SetExceptionBox(&Box); }
  ~WindowTest() override { SetExceptionBox(nullptr); }

  recording::TRecorder Recorder;
  recording::TRecordingMessageBox Box{Recorder};
};

TEST_F(WindowTest, AnExceptionInAHandlerIsShownAndTheWindowLivesOn) {
  TProbeWindow window;
  EXPECT_EQ(::SendMessageW(window.Handle(), kThrow, 0, 0), 0);
  ASSERT_EQ(Box.Requests().size(), 1u);
  EXPECT_EQ(Box.Requests()[0].Text, u"handler failed");
  EXPECT_EQ(Box.Requests()[0].Owner, reinterpret_cast<platform::TWindowHandle>(window.Handle()));
  EXPECT_EQ(::SendMessageW(window.Handle(), kAnswer, 0, 0), 42);
}

TEST_F(WindowTest, AChildsErrorsAreShownOnItsForm) {
  TProbeWindow form;
  TProbeWindow child(WS_CHILD, form.Handle(), 7);
  EXPECT_EQ(::GetDlgCtrlID(child.Handle()), 7);
  (void)::SendMessageW(child.Handle(), kThrow, 0, 0);
  ASSERT_EQ(Box.Requests().size(), 1u);
  EXPECT_EQ(Box.Requests()[0].Owner, reinterpret_cast<platform::TWindowHandle>(form.Handle()));
}

// Whoever destroys the window, the object notices, and its own end does not destroy anything twice.
TEST_F(WindowTest, TheObjectLetsGoOfAWindowDestroyedElsewhere) {
  auto window = std::make_unique<TProbeWindow>();
  const HWND handle = window->Handle();
  ASSERT_TRUE(window->Alive());
  ASSERT_NE(::DestroyWindow(handle), FALSE);
  EXPECT_FALSE(window->Alive());
  EXPECT_EQ(window->Destroys, 1);
  window.reset();
  EXPECT_FALSE(::IsWindow(handle));
  // A second object of the class registers nothing again and works.
  TProbeWindow again;
  EXPECT_EQ(::SendMessageW(again.Handle(), kAnswer, 0, 0), 42);
}

TEST_F(WindowTest, TheScaleFollowsTheMonitorsDpiAndItsChanges) {
  TProbeWindow window;
  EXPECT_EQ(static_cast<UINT>(window.Scale().Ppi()), WindowDpi(window.Handle()));
  RECT suggested{100, 120, 700, 520};
  (void)::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                       reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window.Scale().Ppi(), 192);
  EXPECT_EQ(window.Scaled(144), 192);
  EXPECT_EQ(window.ScaleChanges, 1);
  EXPECT_EQ(WindowBounds(window.Handle()), FromRECT(suggested));
}

TEST_F(WindowTest, HostedControlsGetTheirNotifications) {
  TProbeWindow form;
  const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, form.Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(5)), nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  TCountingNotifications notifications;
  form.AddControl(edit, notifications);
  ::SetWindowTextW(edit, L"typed");
  EXPECT_EQ(notifications.Commands, (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
  form.RemoveControl(edit);
  ::SetWindowTextW(edit, L"again");
  EXPECT_EQ(notifications.Commands.size(), 2u);
}

// Tab walks the buttons, Enter clicks the focused one, Esc cancels; the owner is disabled meanwhile and
// gets the focus back.
TEST_F(WindowTest, ARunModalWindowTakesTheDialogKeysAndGivesTheFocusBack) {
  win32::testing::TTestWindow owner(win32::testing::TTestWindow::TVisibility::Shown);
  ASSERT_TRUE(owner.BringToFront());
  const HWND focusBefore = ::GetFocus();
  TProbeWindow dialog(WS_POPUP | WS_CAPTION, owner.Handle());
  const auto makeButton = [&](const wchar_t* text, int id, int left) {
    return ::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, left, 10,
                             80, 30, dialog.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             nullptr, nullptr);
  };
  const HWND first = makeButton(L"First", 1, 10);
  const HWND second = makeButton(L"Second", 2, 100);
  TCountingNotifications clicks;
  dialog.AddControl(second, clicks);
  bool cancelled = false;
  bool ownerWasDisabled = false;
  TModalHooks hooks;
  hooks.Shown = [&] {
    ::SetFocus(first);
    ownerWasDisabled = ::IsWindowEnabled(owner.Handle()) == FALSE;
    win32::testing::PressKeys({VK_TAB});
    win32::testing::PressKeys({VK_RETURN});
    win32::testing::PressKeys({VK_ESCAPE});
  };
  hooks.Cancel = [&] { cancelled = true; };
  RunModal(
      dialog.Handle(), [&] { return cancelled; }, hooks);
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_EQ(clicks.Commands, std::vector<UINT>{BN_CLICKED});
  EXPECT_TRUE(cancelled);
  EXPECT_NE(::IsWindowEnabled(owner.Handle()), FALSE);
  EXPECT_EQ(::GetFocus(), focusBefore);
}

}  // namespace
}  // namespace tolvane::ui
