#pragma once
// A form's vertical background gradient as a pattern brush: painted behind the form's own drawing and handed
// to its check boxes and track bars as their background, lined up with the form wherever they lie.

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

class TGradientBackground {
 public:
  // For the window's client size now; call again after a resize or a colour change.
  void Make(HWND window, COLORREF top, COLORREF bottom);
  void Paint(HDC dc, const RECT& area) const;
  // The answer to WM_CTLCOLORSTATIC / WM_CTLCOLORBTN from a control of the window; 0 before Make.
  LRESULT ControlColor(HWND window, WPARAM dc, LPARAM control) const;

 private:
  win32::unique_hbitmap Bitmap;
  win32::unique_hbrush Brush;
};

}  // namespace tolvane::ui
