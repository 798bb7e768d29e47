// TQxButton: mouse and keyboard.

#include <windowsx.h>

#include "ui/Qxbutton.h"

namespace tolvane::ui {

bool TQxButton::HandleMouse(UINT message, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_MOUSEMOVE:
      ButtonMouseMove(point);
      return true;
    case WM_MOUSELEAVE:
      ButtonMouseLeave();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second click is a click, not a double-click
      ButtonMouseDown();
      return true;
    case WM_LBUTTONUP:
      ButtonMouseUp(point);
      return true;
    case WM_CAPTURECHANGED:
      ButtonCaptureLost();
      return true;
    default:
      return false;
  }
}

bool TQxButton::HandleKeyboard(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam != VK_SPACE && wParam != VK_RETURN)
        return false;
      ButtonKeyDown(wParam);
      return true;
    case WM_KEYUP:
      if (wParam != VK_SPACE)
        return false;
      ButtonKeyUp();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      HasFocus = message == WM_SETFOCUS;
      SpaceDown = false;
      Invalidate();
      return true;
    default:
      return false;
  }
}

bool TQxButton::ContainsPoint(POINT point) const {
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  return ::PtInRect(&client, point) != FALSE;
}

void TQxButton::ButtonMouseMove(POINT point) {
  const bool inside = ContainsPoint(point);
  if (MouseDown && inside != MouseInside) {
    MouseInside = inside;
    Invalidate();
  }
  if (!IsHot && inside) {
    IsHot = true;
    Invalidate();
  }
  if (!TrackingLeave) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd, 0};
    TrackingLeave = ::TrackMouseEvent(&track) != FALSE;
  }
}

void TQxButton::ButtonMouseLeave() {
  TrackingLeave = false;
  if (IsHot) {
    IsHot = false;
    Invalidate();
  }
}

void TQxButton::ButtonMouseDown() {
  if (!Enabled())
    return;
  ::SetFocus(Hwnd);
  ::SetCapture(Hwnd);
  MouseDown = true;
  MouseInside = true;
  Invalidate();
}

// Like a system button, a press only counts when the mouse is released over the button.
void TQxButton::ButtonMouseUp(POINT point) {
  if (!MouseDown)
    return;
  const bool click = ContainsPoint(point);
  MouseDown = false;
  ::ReleaseCapture();
  Invalidate();
  if (click)
    Click();
}

void TQxButton::ButtonCaptureLost() {
  if (!MouseDown)
    return;
  MouseDown = false;
  if (::GetCapture() == Hwnd)
    ::ReleaseCapture();
  Invalidate();
}

void TQxButton::ButtonKeyDown(WPARAM key) {
  if (key == VK_RETURN) {
    Click();
    return;
  }
  if (!SpaceDown) {
    SpaceDown = true;
    Invalidate();
  }
}

void TQxButton::ButtonKeyUp() {
  if (!SpaceDown)
    return;
  SpaceDown = false;
  Invalidate();
  Click();
}

}  // namespace tolvane::ui
