#pragma once
// The portable geometry values at the edge to the Windows API.

#include "common/Geometry.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

constexpr RECT ToRECT(const TRect& rect) {
  return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom};
}
constexpr TRect FromRECT(const RECT& rect) {
  return TRect{rect.left, rect.top, rect.right, rect.bottom};
}
constexpr POINT ToPOINT(TPoint point) {
  return POINT{point.X, point.Y};
}
constexpr TPoint FromPOINT(POINT point) {
  return TPoint{point.x, point.y};
}
constexpr TSize FromSIZE(SIZE size) {
  return TSize{static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

// The window's rectangle on the screen, and its client area at (0, 0).
inline TRect WindowBounds(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return FromRECT(rect);
}
inline TRect ClientBounds(HWND window) {
  RECT rect{};
  ::GetClientRect(window, &rect);
  return FromRECT(rect);
}

// Moves and sizes without activating or changing the z-order.
inline void SetBounds(HWND window, const TRect& bounds) {
  ::SetWindowPos(window, nullptr, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The work area of the monitor; the primary monitor's when it is gone.
inline TRect MonitorWorkArea(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor == nullptr || ::GetMonitorInfoW(monitor, &info) == FALSE) {
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  }
  return FromRECT(info.rcWork);
}

}  // namespace tolvane::ui
