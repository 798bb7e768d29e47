#pragma once
// Device-context owners whose release needs the window as well as the handle, so they do not fit
// win32::TUniqueHandle.

#include "platform/win32/Win.h"

namespace tolvane::ui {

// GetDC / ReleaseDC; a null window gives the screen's device context.
class TWindowDc {
 public:
  explicit TWindowDc(HWND window) : Window(window), Dc(::GetDC(window)) {}
  TWindowDc(const TWindowDc&) = delete;
  TWindowDc& operator=(const TWindowDc&) = delete;
  ~TWindowDc() {
    if (Dc != nullptr)
      ::ReleaseDC(Window, Dc);
  }

  HDC get() const { return Dc; }
  explicit operator bool() const { return Dc != nullptr; }

 private:
  HWND Window;
  HDC Dc;
};

// BeginPaint / EndPaint for one WM_PAINT.
class TPaintDc {
 public:
  explicit TPaintDc(HWND window) : Window(window) { ::BeginPaint(window, &Paint); }
  TPaintDc(const TPaintDc&) = delete;
  TPaintDc& operator=(const TPaintDc&) = delete;
  ~TPaintDc() { ::EndPaint(Window, &Paint); }

  HDC get() const { return Paint.hdc; }
  const RECT& Dirty() const { return Paint.rcPaint; }

 private:
  HWND Window;
  PAINTSTRUCT Paint{};
};

}  // namespace tolvane::ui
