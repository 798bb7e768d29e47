// TForm1: the bar's placement and sizing by mouse, becoming active and inactive, auto-hide, the history of
// foreground windows and the tray icon.

#include "ui/Unit1.h"

#include <algorithm>

#include "ui/Geometrywin.h"
#include "uimodel/Barlayout.h"
#include "uimodel/Mainwindow.h"

namespace tolvane::ui {

namespace {

constexpr UINT kTimerMs = uimodel::TAutoHideTimer::IntervalMs;
constexpr DWORD kRevealSettleMs = 30;
constexpr DWORD kRaiseAgainMs = 50;
constexpr int kWheelNotch = WHEEL_DELTA;
constexpr UINT kNoMoveOrActivate = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

}  // namespace

void TForm1::ReadWorkArea() {
  WorkArea = MonitorWorkArea(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST));
  DockedAtTop = uimodel::IsDockedAtTop(WindowBounds(Hwnd).Top, WorkArea);
  MenuEnvironment.WorkArea = WorkArea;
  MenuEnvironment.DockedAtTop = DockedAtTop;
}

uimodel::TBarState TForm1::BarState() const {
  uimodel::TBarState state;
  state.Window = WindowBounds(Hwnd);
  state.WorkAreaTop = WorkArea.Top;
  state.Inactive = !FrameActive;
  state.DialogOpen = DialogOpen;
  return state;
}

uimodel::TBarSettings TForm1::BarSettings() const {
  const storage::TSettings& settings = Context.Settings;
  uimodel::TBarSettings bar;
  bar.AutoHide = settings.AutoHide;
  bar.StayOnTop = settings.StayOnTop;
  bar.AutoHidePause = settings.AutoHidePause;
  bar.EdgeSize = settings.EdgeSize;
  return bar;
}

void TForm1::PaintFrame(bool active) {
  FrameActive = active;
  ApplyColors();
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TForm1::AppActivated() {
  if (!MenuReady)
    return;
  ::KillTimer(Hwnd, TiTopWindow);
  PaintFrame(true);
  ::KillTimer(Hwnd, AutoHideTimer);
  if (!DialogOpen) {
    switch (uimodel::OnBecomingActive(BarState())) {
      case uimodel::TActivateAction::Reveal:
        ShowBarAt(uimodel::ShownBarTop(WorkArea.Top, Context.Settings.EdgeSize), HWND_NOTOPMOST);
        ::SetFocus(PnlMainMenu.Handle());
        break;
      case uimodel::TActivateAction::RaiseNormal:
        ::SetWindowPos(Hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kNoMoveOrActivate);
        break;
      case uimodel::TActivateAction::Nothing:
        break;
    }
  }
  // The foreground changes only after this message: it is read once the pending messages have run.
  ::PostMessageW(Hwnd, UM_RECORD_FOCUS_FOREGROUND, 0, 0);
}

void TForm1::RecordFocusForeground() {
  FocusTimeForeground = Context.Services.Foreground.Get();
}

void TForm1::AppDeactivated() {
  if (!MenuReady)
    return;
  PaintFrame(false);
  CloseAllMenus();
  const uimodel::TDeactivateSteps steps = uimodel::OnBecomingInactive(BarState(), BarSettings());
  if (steps.Stop)
    return;
  if (steps.RaiseTopmost)
    ::SetWindowPos(Hwnd, HWND_TOPMOST, 0, 0, 0, 0, kNoMoveOrActivate);
  ::SetTimer(Hwnd, AutoHideTimer, kTimerMs, nullptr);
  if (steps.Hide)
    HideBar();
  ::SetTimer(Hwnd, TiTopWindow, kTimerMs, nullptr);
  TopWindowTimerTick();
}

void TForm1::AutoHideTimerTick() {
  if (!MenuReady)
    return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  switch (AutoHide.Tick(BarState(), FromPOINT(cursor), BarSettings())) {
    case uimodel::TAutoHideAction::Reveal:
      ShowBarAt(uimodel::ShownBarTop(WorkArea.Top, Context.Settings.EdgeSize), HWND_TOPMOST);
      ::Sleep(kRevealSettleMs);
      ::SetWindowPos(Hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kNoMoveOrActivate);
      ::SetWindowPos(Hwnd, HWND_TOP, 0, 0, 0, 0, kNoMoveOrActivate);
      break;
    case uimodel::TAutoHideAction::Hide:
      HideBar();
      break;
    case uimodel::TAutoHideAction::RaiseTwice:
      ::SetWindowPos(Hwnd, HWND_TOP, 0, 0, 0, 0, kNoMoveOrActivate);
      ::Sleep(kRaiseAgainMs);
      ::SetWindowPos(Hwnd, HWND_TOP, 0, 0, 0, 0, kNoMoveOrActivate);
      break;
    case uimodel::TAutoHideAction::None:
      break;
  }
}

void TForm1::TopWindowTimerTick() {
  Context.ForegroundHistory.RecordForeground(Context.Services.Foreground, Context.Services.Locale);
}

void TForm1::ShowBarAt(int top, HWND insertAfter) {
  const TRect bounds = WindowBounds(Hwnd);
  ::SetWindowPos(Hwnd, insertAfter, bounds.Left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TForm1::HideBar() {
  const TRect bounds = WindowBounds(Hwnd);
  ::SetWindowPos(Hwnd, nullptr, bounds.Left, uimodel::HiddenBarTop(WorkArea.Top, bounds.Height()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::DragBar() {
  CloseAllMenus();
  ::ReleaseCapture();
  ::SendMessageW(Hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void TForm1::MouseWheel(int delta, WPARAM keys) {
  if (IsEditorMode() || !uimodel::IsWheelSizingHeight(WindowBounds(Hwnd).Height()))
    return;
  WheelRemainder += delta;
  TRect bounds = WindowBounds(Hwnd);
  const bool ctrl = (keys & MK_CONTROL) != 0;
  const bool shift = (keys & MK_SHIFT) != 0;
  for (; WheelRemainder >= kWheelNotch; WheelRemainder -= kWheelNotch)
    bounds = uimodel::WheelResized(bounds, true, ctrl, shift);
  for (; WheelRemainder <= -kWheelNotch; WheelRemainder += kWheelNotch)
    bounds = uimodel::WheelResized(bounds, false, ctrl, shift);
  if (bounds.Width() >= uimodel::MinBarWidth)
    SetBounds(Hwnd, bounds);
}

void TForm1::SizerMoved(bool leftEdge, int distance) {
  if (!Sizing) {
    Sizing = true;
    SizerStartBounds = WindowBounds(Hwnd);
  }
  TRect bounds = SizerStartBounds;
  if (leftEdge)
    bounds.Left = std::min(bounds.Left + distance, bounds.Right - uimodel::MinBarWidth);
  else
    bounds.Right = std::max(bounds.Right + distance, bounds.Left + uimodel::MinBarWidth);
  SetBounds(Hwnd, bounds);
}

void TForm1::SizerReleased() {
  Sizing = false;
  ArrangeChildren();
  ::InvalidateRect(PnlMainMenu.Handle(), nullptr, FALSE);
  if (CloseButton)
    ::InvalidateRect(CloseButton->Handle(), nullptr, FALSE);
}

void TForm1::TrayTimerTick() {
  ::KillTimer(Hwnd, TimerTrayIcon);
  AddTrayIcon();
}

void TForm1::AddTrayIcon() {
  if (!TrayIcon)
    TrayIcon = std::make_unique<TTrayIcon>(Hwnd);
  if (!TrayIconImage)
    TrayIconImage.reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                        IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                        ::GetSystemMetrics(SM_CYSMICON), 0)));
  for (int attempt = 1;; ++attempt) {
    switch (NextTrayAttempt(TrayIcon->Show(TrayIconImage.get(), L"Tolvane"), attempt)) {
      case TTrayRetry::Done:
        TrayIconShown = true;
        return;
      case TTrayRetry::AgainNow:
        continue;
      case TTrayRetry::OnNextTick:
        ::SetTimer(Hwnd, TimerTrayIcon, kTrayRetryMs, nullptr);
        return;
    }
  }
}

void TForm1::TrayMessage(LPARAM mouseMessage) {
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP:
      ShowToolbarFromTray();
      break;
    case WM_RBUTTONUP: {
      POINT at{};
      ::GetCursorPos(&at);
      switch (ShowTrayMenu(Hwnd, at)) {
        case TTrayChoice::ShowToolbar:
          ShowToolbarFromTray();
          break;
        case TTrayChoice::CloseToolbar:
          ::PostMessageW(Hwnd, WM_CLOSE, 0, 0);
          break;
        case TTrayChoice::Cancel:
          break;
      }
      break;
    }
    default:
      break;
  }
}

void TForm1::ShowToolbarFromTray() {
  AppActivated();
  ::SetWindowPos(Hwnd, HWND_TOPMOST, 0, 0, 0, 0, kNoMoveOrActivate);
  PumpPendingMessages();
  PumpPendingMessages();
  ::SetWindowPos(Hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kNoMoveOrActivate);
  TakeForegroundByClick();
}

}  // namespace tolvane::ui
