#include "ui/Imgsel.h"

#include "graphics/Gradient.h"
#include "ui/Geometrywin.h"
#include "ui/Modal.h"
#include "ui/Uihandles.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool CtrlHeld() {
  return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace

TFormImgSel::TFormImgSel(TMenuEnvironment& environment, HWND owner, POINT corner, bool modal,
                         uimodel::TIconMemory& memory)
    : Environment(environment),
      Owner(owner),
      Modal(modal),
      Grid(environment.Glyphs.User.Count(), environment.Metrics.Edge),
      Picker(Grid, modal, memory) {
  const TRect bounds =
      Grid.Place(FromPOINT(corner), MonitorWorkArea(::MonitorFromPoint(corner, MONITOR_DEFAULTTONEAREST)));
  Background = graphics::Gradient(environment.Colors.MenuTop, environment.Colors.MenuBottom, bounds.Height());
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams params;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  params.Bounds = bounds;
  params.Parent = owner != nullptr ? ::GetAncestor(owner, GA_ROOT) : environment.MainWindow;
  Create(windowClass, params);
  if (!Canvas.Resize(bounds.Width(), bounds.Height()))
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "The icon picker's bitmap could not be made");
  PaintAll();
  if (!modal) {
    ::SetWindowPos(Hwnd, HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                   SWP_SHOWWINDOW);
    ::SetForegroundWindow(Hwnd);
    ::SetFocus(Hwnd);
  }
}

TFormImgSel::~TFormImgSel() {
  Destroy();
}

void TFormImgSel::PaintAll() {
  uimodel::PaintIconPicker(Canvas.Bitmap(), Grid, Picker, Environment.Glyphs.User, Background,
                           Environment.Colors, Environment.Metrics.Edge);
  TDibCanvas::Flush();
}

void TFormImgSel::RedrawCells(int first, int second) {
  const TWindowDc dc(Hwnd);
  for (const int index : {first, second}) {
    if (index < 0)
      continue;
    uimodel::PaintIconCell(Canvas.Bitmap(), Grid, Picker, index, Environment.Glyphs.User, Background,
                           Environment.Colors);
    TDibCanvas::Flush();
    if (dc)
      Canvas.CopyRectTo(dc.get(), Grid.CellRect(index));
  }
}

void TFormImgSel::AfterInput(int hot, int pressed) {
  if (Picker.End() != uimodel::TIconPickerEnd::Open) {
    Finish();
    return;
  }
  RedrawCells(hot, Picker.Hot());
  if (pressed != hot && pressed != Picker.Hot())
    RedrawCells(pressed, Picker.Pressed());
}

void TFormImgSel::Cancel() {
  if (!Open())
    return;
  Picker.LostFocus();
  if (Picker.End() != uimodel::TIconPickerEnd::Open)
    Finish();
}

// A modal picker only ends: its runner reads the result. A non-modal one hands the index over and goes.
void TFormImgSel::Finish() {
  if (Finished || Modal)
    return;
  Finished = true;
  if (Picker.End() == uimodel::TIconPickerEnd::Chosen && Owner != nullptr)
    ::PostMessageW(Owner, uimodel::UM_SET_ICON, static_cast<WPARAM>(Picker.ChosenIndex()), 0);
  if (::GetForegroundWindow() == Hwnd && Environment.MainWindow != nullptr)
    ::SetForegroundWindow(Environment.MainWindow);
  ::ShowWindow(Hwnd, SW_HIDE);
  if (Owner != nullptr && ::IsWindow(Owner) != FALSE)
    ::PostMessageW(Owner, uimodel::UM_RELEASE_WINDOW, 0, reinterpret_cast<LPARAM>(Hwnd));
  else
    ::DestroyWindow(Hwnd);
}

LRESULT TFormImgSel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const int hot = Picker.Hot();
  const int pressed = Picker.Pressed();
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      Canvas.CopyRectTo(paint.get(), FromRECT(paint.Dirty()));
      return 0;
    }
    case WM_MOUSEMOVE:
      // Noted for the menus, so that the move the system sends when the picker goes is no move for them.
      (void)Environment.MouseMoved(::GetMessagePos());
      if (!Tracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd, 0};
        Tracking = ::TrackMouseEvent(&track) != FALSE;
      }
      if (Picker.MouseMove(Grid.CellAt(PointOf(lParam))))
        AfterInput(hot, pressed);
      return 0;
    case WM_MOUSELEAVE:
      Tracking = false;
      if (Picker.MouseMove(-1))
        AfterInput(hot, pressed);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Picker.MouseDown(Grid.CellAt(PointOf(lParam)));
      AfterInput(hot, pressed);
      return 0;
    case WM_LBUTTONUP:
      Picker.MouseUp(Grid.CellAt(PointOf(lParam)), (wParam & MK_CONTROL) != 0);
      AfterInput(hot, pressed);
      return 0;
    case WM_KEYDOWN:
      Picker.Key(static_cast<std::uint32_t>(wParam), CtrlHeld());
      AfterInput(hot, pressed);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE)
        Cancel();
      return 0;
    case WM_KILLFOCUS:
      if (reinterpret_cast<HWND>(wParam) != Hwnd)
        Cancel();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

std::optional<int> ChooseIconModal(TMenuEnvironment& environment, HWND owner, POINT corner) {
  uimodel::TIconMemory unused;  // only a non-modal choice is remembered
  TFormImgSel picker(environment, owner, corner, true, unused);
  TModalHooks hooks;
  hooks.Shown = [&picker] { ::SetFocus(picker.Handle()); };
  // Every key is the picker's own: Enter chooses, Esc cancels, the arrows move in the grid.
  hooks.PreTranslate = [](const MSG& message) {
    if (message.message != WM_KEYDOWN)
      return false;
    ::DispatchMessageW(&message);
    return true;
  };
  RunModal(
      picker.Handle(), [&picker] { return picker.End() != uimodel::TIconPickerEnd::Open; }, hooks);
  if (picker.End() != uimodel::TIconPickerEnd::Chosen)
    return std::nullopt;
  return picker.ChosenIndex();
}

}  // namespace tolvane::ui
