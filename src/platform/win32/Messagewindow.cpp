#include "platform/win32/Messagewindow.h"

#include <utility>

namespace tolvane::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TolvaneMessageWindow";

// Registered once per process and never unregistered: windows of it may live until the process ends.
bool RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

TMessageWindow::TMessageWindow(THandler handler) : Handler(std::move(handler)) {
  if (!RegisterWindowClass(&TMessageWindow::Procedure))
    return;
  Window.reset(::CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 ::GetModuleHandleW(nullptr), this));
}

LRESULT CALLBACK TMessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  auto* self = reinterpret_cast<TMessageWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && self->Handler && self->Handler(message, wParam, lParam))
    return 0;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tolvane::win32
