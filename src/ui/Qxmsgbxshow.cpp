// TQxMsgBox: fitting, placing and the modal run.

#include "ui/Geometrywin.h"
#include "ui/Mousesnapthread.h"
#include "ui/Qxmsgbx.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

constexpr unsigned kMouseSnapDelayMs = 20;
constexpr UINT kTopmostTimerIntervalMs = 30;
constexpr int kCheckBoxHeight = 30;

// The room a frame of the window's styles takes around its client area.
TSize FrameSize(HWND window) {
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return FromRECT(frame).Size();
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
  RunModal(
      Hwnd, [this] { return Result != platform::TMsgResult::None; }, KeyHooks());
  if (Hwnd != nullptr)
    Checked = CheckBoxChecked();
  // Closed by the system or the program's end rather than by a button.
  ButtonClick(platform::TMsgResult::Cancel);
  Destroy();
  return Result;
}

void TQxMsgBox::BoxShown() {
  if (FocusedControl != nullptr)
    ::SetFocus(FocusedControl);
  StartMouseSnap();
  ::SetTimer(Hwnd, kTopmostTimer, kTopmostTimerIntervalMs, nullptr);
}

void TQxMsgBox::ChooseDefaultButton() {
  const std::uint32_t chosen = uimodel::DefaultMsgButton(Added);
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    const bool isDefault = kMsgButtons[i].Button == chosen;
    Buttons[i]->setDefault(isDefault);
    if (isDefault)
      FocusedControl = Buttons[i]->Handle();
  }
}

void TQxMsgBox::StartMouseSnap() {
  const TQxButton* button = FocusedButton();
  if (button != nullptr)
    (void)TQxMouseSnapThread::Start(button->Handle(), kMouseSnapDelayMs);
}

TSize TQxMsgBox::MeasureText(int wrapWidth) const {
  if (Text.empty())
    return TSize{};
  const TWindowDc screen(nullptr);
  const win32::TSelectGuard font(screen.get(), Font.get());
  RECT bounds{0, 0, wrapWidth, 0};
  const std::wstring text = win32::Wide(Text);
  const UINT wrap = wrapWidth > 0 ? DT_WORDBREAK : 0;
  ::DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | wrap);
  return FromRECT(bounds).Size();
}

void TQxMsgBox::FitToText() {
  const TSize frame = FrameSize(Hwnd);
  const RECT reference = ToRECT(ReferenceRect());
  const HMONITOR monitor = Shown ? ::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST)
                                 : ::MonitorFromRect(&reference, MONITOR_DEFAULTTONEAREST);
  const TRect workArea = MonitorWorkArea(monitor);
  uimodel::TMsgBoxLayoutInput input;
  input.Scale = Scale();
  input.ButtonCount = AddedCount;
  input.CheckPanelVisible = CheckBoxShown;
  input.MaxClientWidth = workArea.Width() - frame.Width;
  input.MaxClientHeight = workArea.Height() - frame.Height;
  input.MeasureText = [this](int wrapWidth) { return MeasureText(wrapWidth); };
  Layout = uimodel::LayoutMsgBox(input);
  ::SetWindowPos(Hwnd, nullptr, 0, 0, Layout.ClientWidth + frame.Width, Layout.ClientHeight + frame.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceControls();
  if (Shown && !OnPosition) {
    const TRect inside = uimodel::MoveIntoWorkArea(WindowBounds(Hwnd), workArea);
    ::SetWindowPos(Hwnd, nullptr, inside.Left, inside.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TQxMsgBox::PlaceControls() {
  std::size_t slot = 0;
  for (std::size_t i = 0; i < kMsgButtons.size(); ++i) {
    if ((Added & kMsgButtons[i].Button) == 0 || slot >= Layout.Buttons.size())
      continue;
    SetBounds(Buttons[i]->Handle(), Layout.Buttons[slot++]);
  }
  if (!CheckBoxShown)
    return;
  const TRect& panel = Layout.CheckPanel;
  const int height = Scaled(kCheckBoxHeight);
  SetBounds(CheckBox, TRect::Sized(Layout.ImageBox.Left, panel.Top + (panel.Height() - height) / 2,
                                   panel.Width() - 2 * Layout.ImageBox.Left, height));
}

void TQxMsgBox::PlaceBox() {
  if (OnPosition) {
    OnPosition(Hwnd);
    return;
  }
  const TRect centred = uimodel::CentredOn(ReferenceRect(), WindowBounds(Hwnd).Size());
  const TRect workArea =
      MonitorWorkArea(::MonitorFromPoint(POINT{centred.Left, centred.Top}, MONITOR_DEFAULTTONEAREST));
  const TRect inside = uimodel::MoveIntoWorkArea(centred, workArea);
  ::SetWindowPos(Hwnd, nullptr, inside.Left, inside.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The owner form, else the main window, else the screen. A hidden or minimised window is no reference.
TRect TQxMsgBox::ReferenceRect() const {
  for (const HWND candidate : {Owner, MainWindow}) {
    if (candidate != nullptr && ::IsWindowVisible(candidate) != FALSE && ::IsIconic(candidate) == FALSE)
      return WindowBounds(candidate);
  }
  return TRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace tolvane::ui
