#include "ui/Window.h"

#include <algorithm>
#include <system_error>

#include "platform/win32/Procaddress.h"
#include "ui/Errordisplay.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using TGetDpiForWindow = UINT(WINAPI*)(HWND);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
// Sent to child windows after their top-level window's DPI changed (newer than the headers' WINVER).
constexpr UINT kDpiChangedAfterParent = 0x02E3;

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

void RegisterOnce(HINSTANCE instance, const TWindowClass& windowClass, WNDPROC procedure) {
  WNDCLASSEXW found{};
  if (::GetClassInfoExW(instance, windowClass.Name, &found) != FALSE)
    return;
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof(registered);
  registered.style = windowClass.Style;
  registered.lpfnWndProc = procedure;
  registered.hInstance = instance;
  if (windowClass.IconId != 0)
    registered.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(windowClass.IconId));
  registered.hCursor = ::LoadCursorW(nullptr, windowClass.Cursor);
  registered.lpszClassName = windowClass.Name;
  if (::RegisterClassExW(&registered) == 0)
    ThrowLastError("Registering a window class failed");
}

}  // namespace

UINT SystemDpi() {
  const TWindowDc screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : static_cast<UINT>(uimodel::DefaultPpi);
}

// The per-monitor queries are newer than the oldest supported Windows, so they are looked up at run time.
UINT MonitorDpi(HMONITOR monitor) {
  static const win32::unique_hmodule shcore(::LoadLibraryW(L"shcore.dll"));
  static const auto getDpi = win32::ProcAddress<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (getDpi != nullptr && monitor != nullptr && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &dpiX, &dpiY)) &&
      dpiY > 0)
    return dpiY;
  return SystemDpi();
}

UINT WindowDpi(HWND window) {
  static const auto getDpi = win32::ProcAddress<TGetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  if (getDpi != nullptr && window != nullptr) {
    if (const UINT dpi = getDpi(window); dpi > 0)
      return dpi;
  }
  return MonitorDpi(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

uimodel::TScale MonitorScale(HMONITOR monitor) {
  return uimodel::TScale(static_cast<int>(MonitorDpi(monitor)));
}

TWindow::~TWindow() {
  Destroy();
}

void TWindow::Create(const TWindowClass& windowClass, const TWindowParams& params) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  RegisterOnce(instance, windowClass, &TWindow::Procedure);
  const bool child = (params.Style & WS_CHILD) != 0;
  const RECT requested = ToRECT(params.Bounds);
  // Handlers of the creation messages already size things at the scale the window will have.
  WindowScale = child && params.Parent != nullptr
                    ? uimodel::TScale(static_cast<int>(WindowDpi(params.Parent)))
                    : MonitorScale(::MonitorFromRect(&requested, MONITOR_DEFAULTTONEAREST));
  const auto menu = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.ControlId)) : nullptr;
  const HWND created = ::CreateWindowExW(params.ExStyle, windowClass.Name, params.Caption, params.Style,
                                         params.Bounds.Left, params.Bounds.Top, params.Bounds.Width(),
                                         params.Bounds.Height(), params.Parent, menu, instance, this);
  if (created == nullptr)
    ThrowLastError("Creating a window failed");
  Owned.reset(created);
  WindowScale = uimodel::TScale(static_cast<int>(WindowDpi(created)));
}

void TWindow::Destroy() {
  Owned.reset();
}

HWND TWindow::ErrorOwner() const {
  const bool child = (::GetWindowLongPtrW(Hwnd, GWL_STYLE) & WS_CHILD) != 0;
  return child ? ::GetAncestor(Hwnd, GA_ROOT) : Hwnd;
}

LRESULT TWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT TWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::DefWindowProcW(Hwnd, message, wParam, lParam);
}

void TWindow::AddControl(HWND control, TControlNotifications& notifications) {
  RemoveControl(control);
  Hosted.push_back({control, &notifications});
}

void TWindow::RemoveControl(HWND control) {
  std::erase_if(Hosted, [control](const THosted& hosted) { return hosted.Control == control; });
}

LRESULT CALLBACK TWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->Hwnd = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<TWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr)
    return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    self->NcDestroy();
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (!GuardedCall(self->ErrorOwner(), [&] { result = self->Dispatch(message, wParam, lParam); }))
    return 0;
  return result;
}

LRESULT TWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteToControl(message, wParam, lParam, result))
    return result;
  switch (message) {
    case WM_DPICHANGED:
      DpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case kDpiChangedAfterParent:
      DpiChanged(WindowDpi(Hwnd), nullptr);
      return 0;
    default:
      return WindowProc(message, wParam, lParam);
  }
}

bool TWindow::RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND from = nullptr;
  if (message == WM_COMMAND || message == WM_HSCROLL || message == WM_VSCROLL)
    from = reinterpret_cast<HWND>(lParam);
  else if (message == WM_NOTIFY)
    from = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
  if (from == nullptr)
    return false;
  const auto hosted = std::find_if(Hosted.begin(), Hosted.end(),
                                   [from](const THosted& item) { return item.Control == from; });
  if (hosted == Hosted.end())
    return false;
  result = 0;
  if (message == WM_COMMAND)
    return hosted->Notifications->Command(HIWORD(wParam));
  if (message == WM_NOTIFY)
    return hosted->Notifications->Notify(*reinterpret_cast<const NMHDR*>(lParam), result);
  return hosted->Notifications->Scroll(LOWORD(wParam));
}

void TWindow::DpiChanged(UINT dpi, const RECT* suggested) {
  WindowScale = uimodel::TScale(static_cast<int>(dpi));
  if (suggested != nullptr)
    SetBounds(Hwnd, FromRECT(*suggested));
  ScaleChanged();
}

// The window is going: the object no longer owns it, and later messages (there are none) find no object.
void TWindow::NcDestroy() {
  ::SetWindowLongPtrW(Hwnd, GWLP_USERDATA, 0);
  (void)Owned.release();
  Hosted.clear();
  Hwnd = nullptr;
}

}  // namespace tolvane::ui
