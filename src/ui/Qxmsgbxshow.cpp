// TQxMsgBox: fitting, placing and the modal run.

#include <vector>

#include "ui/Mousesnapthread.h"
#include "ui/Qxmsgbx.h"
#include "ui/Screenscale.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

constexpr unsigned kMouseSnapDelayMs = 20;
constexpr UINT kTimer1IntervalMs = 30;

// Disables the thread's other enabled, visible top-level windows while a modal box is up.
class TThreadWindowsDisabled {
 public:
  explicit TThreadWindowsDisabled(HWND box) : Box(box) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &TThreadWindowsDisabled::Collect,
                        reinterpret_cast<LPARAM>(this));
    for (const HWND window : Disabled)
      ::EnableWindow(window, FALSE);
  }
  TThreadWindowsDisabled(const TThreadWindowsDisabled&) = delete;
  TThreadWindowsDisabled& operator=(const TThreadWindowsDisabled&) = delete;
  ~TThreadWindowsDisabled() {
    for (const HWND window : Disabled)
      ::EnableWindow(window, TRUE);
  }

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto* disabler = reinterpret_cast<TThreadWindowsDisabled*>(self);
    if (window != disabler->Box && ::IsWindowVisible(window) != FALSE && ::IsWindowEnabled(window) != FALSE)
      disabler->Disabled.push_back(window);
    return TRUE;
  }

  HWND Box;
  std::vector<HWND> Disabled;
};

RECT WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

int Width(const RECT& rect) {
  return rect.right - rect.left;
}
int Height(const RECT& rect) {
  return rect.bottom - rect.top;
}

}  // namespace

platform::TMsgResult TQxMsgBox::ShowModal() {
  if (Hwnd == nullptr || Shown)
    return Result;
  if (AddedCount == 0)
    AddButton(platform::msgbutton::Ok);
  ChooseDefaultButton();
  FitToText();
  PlaceBox();
  Shown = true;
  {
    // Enabled again before the box goes, so that the owner becomes the active window once more.
    const TThreadWindowsDisabled disabled(Hwnd);
    ::ShowWindow(Hwnd, SW_SHOW);
    ::SetForegroundWindow(Hwnd);
    if (FocusedControl != nullptr)
      ::SetFocus(FocusedControl);
    StartMouseSnap();
    ::SetTimer(Hwnd, kTimer1, kTimer1IntervalMs, nullptr);
    RunModalLoop();
    Checked = CheckBoxChecked();
  }
  Window.reset();
  return Result;
}

void TQxMsgBox::ChooseDefaultButton() {
  const std::uint32_t chosen = DefaultMsgButton(Added);
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    const bool isDefault = kMsgButtons[i].Button == chosen;
    Buttons[i]->setDefault(isDefault);
    if (isDefault)
      FocusedControl = Buttons[i]->Handle();
  }
}

void TQxMsgBox::RunModalLoop() {
  MSG message{};
  while (Result == platform::TMsgResult::None && Hwnd != nullptr) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: the quit message is for the outer loop.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      ButtonClick(platform::TMsgResult::Cancel);
    } else if (got == -1) {
      ButtonClick(platform::TMsgResult::Cancel);
    } else if (!PreTranslateKey(message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
}

void TQxMsgBox::StartMouseSnap() {
  const TQxButton* button = FocusedButton();
  if (button != nullptr)
    (void)TQxMouseSnapThread::Start(button->Handle(), kMouseSnapDelayMs);
}

SIZE TQxMsgBox::MeasureText(int wrapWidth) const {
  if (Text.empty())
    return SIZE{0, 0};
  const TWindowDc screen(nullptr);
  const win32::TSelectGuard font(screen.get(), Font.get());
  RECT bounds{0, 0, wrapWidth, 0};
  const std::wstring text = win32::Wide(Text);
  const UINT wrap = wrapWidth > 0 ? DT_WORDBREAK : 0;
  ::DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | wrap);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void TQxMsgBox::FitToText() {
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(Hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(Hwnd, GWL_EXSTYLE)));
  const RECT reference = ReferenceRect();
  const HMONITOR monitor = Shown ? ::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST)
                                 : ::MonitorFromRect(&reference, MONITOR_DEFAULTTONEAREST);
  const RECT workArea = WorkAreaOf(monitor);
  TMsgBoxLayoutInput input;
  input.Ppi = Ppi;
  input.ButtonCount = AddedCount;
  input.CheckPanelVisible = CheckBoxShown;
  input.MaxClientWidth = Width(workArea) - Width(frame);
  input.MaxClientHeight = Height(workArea) - Height(frame);
  input.MeasureText = [this](int wrapWidth) { return MeasureText(wrapWidth); };
  Layout = LayoutMsgBox(input);
  ::SetWindowPos(Hwnd, nullptr, 0, 0, Layout.ClientWidth + Width(frame), Layout.ClientHeight + Height(frame),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceControls();
  if (Shown && !OnPosition) {
    RECT bounds{};
    ::GetWindowRect(Hwnd, &bounds);
    const RECT inside = MoveIntoWorkArea(bounds, workArea);
    ::SetWindowPos(Hwnd, nullptr, inside.left, inside.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TQxMsgBox::PlaceControls() {
  std::size_t slot = 0;
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    if ((Added & kMsgButtons[i].Button) == 0 || slot >= Layout.Buttons.size())
      continue;
    const RECT& bounds = Layout.Buttons[slot++];
    Buttons[i]->SetBounds(bounds.left, bounds.top, Width(bounds), Height(bounds));
  }
  if (!CheckBoxShown)
    return;
  const RECT& panel = Layout.CheckPanel;
  const int height = ScaleFromDesign(30, Ppi);
  ::SetWindowPos(CheckBox, nullptr, Layout.ImageBox.left, panel.top + (Height(panel) - height) / 2,
                 Width(panel) - 2 * Layout.ImageBox.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TQxMsgBox::PlaceBox() {
  if (OnPosition) {
    OnPosition(Hwnd);
    return;
  }
  RECT bounds{};
  ::GetWindowRect(Hwnd, &bounds);
  const RECT centred = CentredOn(ReferenceRect(), Width(bounds), Height(bounds));
  const RECT workArea =
      WorkAreaOf(::MonitorFromPoint(POINT{centred.left, centred.top}, MONITOR_DEFAULTTONEAREST));
  const RECT inside = MoveIntoWorkArea(centred, workArea);
  ::SetWindowPos(Hwnd, nullptr, inside.left, inside.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The owner form, else the main window, else the screen. A hidden or minimised window is no reference.
RECT TQxMsgBox::ReferenceRect() const {
  for (const HWND candidate : {Owner, MainWindow}) {
    RECT bounds{};
    if (candidate != nullptr && ::IsWindowVisible(candidate) != FALSE && ::IsIconic(candidate) == FALSE &&
        ::GetWindowRect(candidate, &bounds) != FALSE)
      return bounds;
  }
  return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace tolvane::ui
