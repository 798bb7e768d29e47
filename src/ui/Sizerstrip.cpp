#include "ui/Sizerstrip.h"

#include <windowsx.h>

#include "platform/win32/Handles.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

TSizerStrip::~TSizerStrip() {
  Destroy();
}

void TSizerStrip::CreateIn(HWND parent) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Cursor = IDC_SIZEWE;
  TWindowParams params;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  params.Parent = parent;
  Create(windowClass, params);
}

void TSizerStrip::setColor(graphics::TColor color) {
  if (color == Color)
    return;
  Color = color;
  if (Hwnd != nullptr)
    ::InvalidateRect(Hwnd, nullptr, FALSE);
}

LRESULT TSizerStrip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ClientToScreen(Hwnd, &point);
      PressX = point.x;
      Dragging = true;
      ::SetCapture(Hwnd);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (Dragging && (wParam & MK_LBUTTON) != 0) {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(Hwnd, &point);
        if (OnDrag)
          OnDrag(point.x - PressX);
      }
      return 0;
    case WM_LBUTTONUP:
      if (Dragging)
        ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (Dragging) {
        Dragging = false;
        if (OnRelease)
          OnRelease();
      }
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void TSizerStrip::Paint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  const win32::unique_hbrush brush(::CreateSolidBrush(Color));
  ::FillRect(paint.get(), &client, brush.get());
}

}  // namespace tolvane::ui
