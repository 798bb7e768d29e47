// The start-up benchmark's baseline: the least a Win32 program does to put one top-level window on the
// screen. It answers the probe's MenuReady like the main window does, so both are timed the same way.

#include "platform/win32/Win.h"
#include "uimodel/Uimessages.h"

namespace {

constexpr wchar_t kClassName[] = L"TolvaneBareWindow";

UINT ProbeMessage = 0;
bool Shown = false;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ProbeMessage && ProbeMessage != 0)
    return static_cast<tolvane::uimodel::TProbe>(wParam) == tolvane::uimodel::TProbe::MenuReady && Shown ? 1
                                                                                                         : 0;
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  ProbeMessage =
      ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(tolvane::uimodel::ProbeMessageName));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (::RegisterClassExW(&windowClass) == 0)
    return 1;
  const HWND window = ::CreateWindowExW(0, kClassName, L"Bare window", WS_OVERLAPPEDWINDOW, 100, 100, 480,
                                        120, nullptr, nullptr, instance, nullptr);
  if (window == nullptr)
    return 1;
  ::ShowWindow(window, showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);
  ::UpdateWindow(window);
  Shown = true;

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
