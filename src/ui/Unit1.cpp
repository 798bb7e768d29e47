#include "ui/Unit1.h"

#include <system_error>
#include <utility>

#include "ui/Barmetrics.h"
#include "ui/Errordisplay.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

int Width(const RECT& rect) {
  return rect.right - rect.left;
}
int Height(const RECT& rect) {
  return rect.bottom - rect.top;
}

}  // namespace

TForm1::TForm1(HINSTANCE instance, HWND owner) {
  RegisterWindowClass(instance);
  // Zero size at first: DockToMonitor sets the real bounds once the window exists.
  HWND created = ::CreateWindowExW(0, kClassName, kCaption, WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, owner,
                                   nullptr, instance, this);
  if (created == nullptr)
    ThrowLastError("Creating the main window failed");
  Window.reset(created);
  DockToMonitor(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

// The window is destroyed while the object is still whole: its last messages still reach WindowProc.
TForm1::~TForm1() {
  Window.reset();
}

// The start-up show command is not applied: a minimised bar without a taskbar button could not be brought
// back.
void TForm1::Show() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
}

void TForm1::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  if (::GetClassInfoExW(instance, kClassName, &windowClass) != FALSE)
    return;
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &TWindowThunk<TForm1>::Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  if (::RegisterClassExW(&windowClass) == 0)
    ThrowLastError("Registering the main window class failed");
}

LRESULT TForm1::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_DPICHANGED:
      DockToMonitor(::MonitorFromRect(reinterpret_cast<const RECT*>(lParam), MONITOR_DEFAULTTONEAREST));
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA || wParam == SPI_SETNONCLIENTMETRICS) {
        DockToMonitor(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST));
      }
      break;
    case WM_DISPLAYCHANGE:
      DockToMonitor(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST));
      break;
    case WM_DESTROY:
      FormDestroy();
      return 0;
    case WM_NCDESTROY: {
      const HWND window = std::exchange(Hwnd, nullptr);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      Window.release();  // already being destroyed
      return ::DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      break;
  }
  return ::DefWindowProcW(Hwnd, message, wParam, lParam);
}

void TForm1::DockToMonitor(HMONITOR monitor) {
  Dpi = MonitorDpi(monitor);
  MenuFont = CreateMenuFont(Dpi);
  RowHeight = RowHeightForTextHeight(FontLineHeight(MenuFont.get()));
  const RECT bounds = DockedBarRect(MonitorWorkArea(monitor), BarHeightForRowHeight(RowHeight));
  ::SetWindowPos(Hwnd, nullptr, bounds.left, bounds.top, Width(bounds), Height(bounds),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TForm1::FormPaint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  ::FillRect(paint.get(), &client, ::GetSysColorBrush(COLOR_MENUBAR));
  ::FrameRect(paint.get(), &client, ::GetSysColorBrush(COLOR_3DSHADOW));

  RECT text = client;
  text.left += ::MulDiv(8, static_cast<int>(Dpi), static_cast<int>(kDesignDpi));
  const win32::TSelectGuard font(paint.get(), MenuFont.get());
  ::SetBkMode(paint.get(), TRANSPARENT);
  ::SetTextColor(paint.get(), ::GetSysColor(COLOR_MENUTEXT));
  ::DrawTextW(paint.get(), kCaption, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Closing the main window ends the program.
void TForm1::FormDestroy() {
  ::PostQuitMessage(0);
}

}  // namespace tolvane::ui
