#include "ui/Pupup.h"

#include "ui/Gditextpainter.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

TRect MonitorBoundsAt(POINT point) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoW(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info) == FALSE)
    return TRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  return FromRECT(info.rcMonitor);
}

}  // namespace

TFormPopUp::TFormPopUp(TMenuEnvironment& environment, HWND target, storage::TItem& item, POINT screen)
    : Environment(environment),
      Target(target),
      Item(&item),
      State(uimodel::ContextEntries(item)),
      Layout(State.Entries(), environment.Metrics,
             [&environment](std::u16string_view text) { return environment.TextWidth(text); }) {
  const TRect bounds = Layout.Place(FromPOINT(screen), MonitorBoundsAt(screen));
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams params;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  params.Bounds = bounds;
  // Owned by the main window, so the activation goes back to it when the window closes.
  params.Parent = environment.MainWindow;
  Create(windowClass, params);
  if (!Canvas.Resize(bounds.Width(), bounds.Height()))
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "The context window's bitmap could not be made");
  CopyScreenStrips(bounds);
  PaintAll();
  ::SetWindowPos(Hwnd, HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_SHOWWINDOW);
  ::SetForegroundWindow(Hwnd);
  ::SetFocus(Hwnd);
}

TFormPopUp::~TFormPopUp() {
  Destroy();
}

// What lies under the shadow margin is taken from the screen before the window covers it.
void TFormPopUp::CopyScreenStrips(const TRect& bounds) {
  const TWindowDc screen(nullptr);
  if (!screen)
    return;
  for (const TRect& strip :
       {uimodel::TContextLayout::RightStrip(bounds), uimodel::TContextLayout::BottomStrip(bounds)})
    ::BitBlt(Canvas.Dc(), strip.Left - bounds.Left, strip.Top - bounds.Top, strip.Width(), strip.Height(),
             screen.get(), strip.Left, strip.Top, SRCCOPY);
  TDibCanvas::Flush();
}

void TFormPopUp::PaintAll() {
  TGdiTextPainter text(Canvas, Environment.Font.get());
  uimodel::PaintContextWindow(Canvas.Bitmap(), Layout, State,
                              Environment.Gradients.ForPopup(Layout.BodySize().Height),
                              Environment.PaintContext(text));
  TDibCanvas::Flush();
}

void TFormPopUp::RedrawEntries(int first, int second) {
  TGdiTextPainter text(Canvas, Environment.Font.get());
  const auto gradient = Environment.Gradients.ForPopup(Layout.BodySize().Height);
  const uimodel::TMenuPaintContext context = Environment.PaintContext(text);
  const TWindowDc dc(Hwnd);
  for (const int index : {first, second}) {
    if (index < 0)
      continue;
    uimodel::PaintContextRow(Canvas.Bitmap(), Layout, State, index, gradient, context);
    TDibCanvas::Flush();
    if (dc)
      Canvas.CopyRectTo(dc.get(), Layout.RowRect(index));
  }
}

void TFormPopUp::MouseMove(TPoint point) {
  const int old = State.Hot();
  const int oldPressed = State.Pressed();
  if (State.MouseMove(Layout.EntryAt(point)))
    AfterInput(old, oldPressed);
}

// Repaints the entries whose look may have changed and ends the window once the state closed.
void TFormPopUp::AfterInput(int hot, int pressed) {
  if (State.Closed()) {
    Finish();
    return;
  }
  RedrawEntries(hot, State.Hot());
  if (pressed != hot && pressed != State.Hot())
    RedrawEntries(pressed, State.Pressed());
  else if (State.Pressed() != State.Hot())
    RedrawEntries(State.Pressed(), -1);
}

void TFormPopUp::Cancel() {
  if (!Open())
    return;
  State.LostFocus();
  Finish();
}

void TFormPopUp::Finish() {
  if (Finished)
    return;
  Finished = true;
  const uimodel::TContextResult result = State.Result();
  const LPARAM item = result.Message == uimodel::UM_ITEM_COMMAND ? reinterpret_cast<LPARAM>(Item) : 0;
  if (::GetForegroundWindow() == Hwnd && Environment.MainWindow != nullptr)
    ::SetForegroundWindow(Environment.MainWindow);
  ::PostMessageW(Target, result.Message, static_cast<WPARAM>(result.WParam), item);
  ::DestroyWindow(Hwnd);
}

LRESULT TFormPopUp::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      Canvas.CopyRectTo(paint.get(), FromRECT(paint.Dirty()));
      return 0;
    }
    case WM_MOUSEMOVE:
      // Noted for the menus, so that the move the system sends when the window goes is no move for them.
      (void)Environment.MouseMoved(::GetMessagePos());
      MouseMove(PointOf(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int old = State.Hot();
      const int oldPressed = State.Pressed();
      State.MouseDown(Layout.EntryAt(PointOf(lParam)), PointOf(lParam));
      ::SetCapture(Hwnd);
      AfterInput(old, oldPressed);
      return 0;
    }
    case WM_LBUTTONUP: {
      if (::GetCapture() == Hwnd)
        ::ReleaseCapture();
      const int old = State.Hot();
      const int oldPressed = State.Pressed();
      State.MouseUp(Layout.EntryAt(PointOf(lParam)), PointOf(lParam));
      AfterInput(old, oldPressed);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const int old = State.Hot();
      const int oldPressed = State.Pressed();
      State.Key(static_cast<std::uint32_t>(wParam));
      AfterInput(old, oldPressed);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE)
        Cancel();
      return 0;
    case WM_KILLFOCUS:
      // Another window of the program took the focus without an activation change.
      if (reinterpret_cast<HWND>(wParam) != Hwnd)
        Cancel();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tolvane::ui
