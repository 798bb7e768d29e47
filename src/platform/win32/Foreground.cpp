#include "platform/win32/Foreground.h"

#include "platform/win32/Win.h"

namespace tolvane::win32 {

namespace {

HWND ToHwnd(platform::TWindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

// Class names are limited to 256 characters.
constexpr int MaxClassNameLength = 257;

}  // namespace

platform::TWindowHandle TForegroundWindow::Get() {
  return reinterpret_cast<platform::TWindowHandle>(::GetForegroundWindow());
}

bool TForegroundWindow::Set(platform::TWindowHandle window) {
  return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

std::u16string TForegroundWindow::ClassName(platform::TWindowHandle window) {
  wchar_t name[MaxClassNameLength];
  const int length = ::GetClassNameW(ToHwnd(window), name, MaxClassNameLength);
  return Narrow16(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

bool TForegroundWindow::IsOwnWindow(platform::TWindowHandle window) {
  DWORD process = 0;
  if (::GetWindowThreadProcessId(ToHwnd(window), &process) == 0)
    return false;
  return process == ::GetCurrentProcessId();
}

bool TForegroundWindow::IsWindow(platform::TWindowHandle window) {
  return ::IsWindow(ToHwnd(window)) != FALSE;
}

}  // namespace tolvane::win32
