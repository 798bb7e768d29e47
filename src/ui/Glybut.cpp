#include "ui/Glybut.h"

#include <windowsx.h>

#include <utility>

#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

const wchar_t* GlyphName(TGlyph glyph) {
  switch (glyph) {
    case TGlyph::Close:
      return L"Close";
    case TGlyph::Image:
      return L"Image";
  }
  return L"";
}

}  // namespace

TGlyBut::TGlyBut(HWND parent, int id, TGlyph glyph, platform::ISystemColors& systemColors)
    : SystemColors(systemColors), Shape(glyph) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  TWindowParams params;
  params.Style = WS_CHILD;
  params.Caption = GlyphName(glyph);
  params.Parent = parent;
  params.ControlId = id;
  Create(windowClass, params);
}

// The window goes while the object is still whole: its last messages still reach WindowProc.
TGlyBut::~TGlyBut() {
  Destroy();
}

LRESULT TGlyBut::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HandleMouse(message, lParam))
    return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      const TPaintDc paint(Hwnd);
      PaintTo(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ENABLE:
      if (wParam == FALSE) {
        ButtonCaptureLost();
        IsHot = false;  // no WM_MOUSELEAVE reaches a disabled window
      }
      Invalidate();
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void TGlyBut::PaintTo(HDC target) {
  const TRect client = ClientBounds(Hwnd);
  if (client.Empty() || !Canvas.Resize(client.Width(), client.Height()))
    return;
  TGlyButFace face;
  face.Glyph = Shape;
  face.Images = Images;
  face.ImageIndex = ImageIndex;
  face.Look = Look();
  face.Top = graphics::ResolveColor(SystemColors, Top);
  face.Bottom = graphics::ResolveColor(SystemColors, Bottom);
  face.GlyphColor = graphics::ResolveColor(SystemColors, GlyphColor);
  PaintGlyButFace(Canvas.Bitmap(), face, Scale());
  Canvas.CopyTo(target, 0, 0);
}

int TGlyBut::Id() const {
  return ::GetDlgCtrlID(Hwnd);
}

void TGlyBut::SetGradient(COLORREF top, COLORREF bottom) {
  Top = top;
  Bottom = bottom;
  Invalidate();
}

void TGlyBut::SetGlyphColor(COLORREF color) {
  GlyphColor = color;
  Invalidate();
}

void TGlyBut::SetImage(const graphics::TGlyphList* images, int index) {
  Shape = TGlyph::Image;
  Images = images;
  ImageIndex = index;
  Invalidate();
}

void TGlyBut::SetGlyph(TGlyph glyph) {
  Shape = glyph;
  ::SetWindowTextW(Hwnd, GlyphName(glyph));
  Invalidate();
}

void TGlyBut::SetEnabled(bool enabled) {
  ::EnableWindow(Hwnd, enabled ? TRUE : FALSE);
}

bool TGlyBut::Enabled() const {
  return ::IsWindowEnabled(Hwnd) != FALSE;
}

void TGlyBut::SetVisible(bool visible) {
  ::ShowWindow(Hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool TGlyBut::Visible() const {
  return (::GetWindowLongPtrW(Hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TGlyBut::SetBounds(const TRect& bounds) {
  ui::SetBounds(Hwnd, bounds);
}

TGlyButLook TGlyBut::Look() const {
  if (!Enabled())
    return TGlyButLook::Disabled;
  if (Pressed())
    return TGlyButLook::Pressed;
  // Pressed with the pointer outside, it looks as it would if let go there: normal.
  return IsHot ? TGlyButLook::Hot : TGlyButLook::Normal;
}

void TGlyBut::Click() {
  if (Hwnd == nullptr || !Enabled() || !Visible())
    return;
  // The handler may end the button's life, or its parent's, so nothing of the object is used after it.
  const HWND parent = ::GetParent(Hwnd);
  const int id = Id();
  const HWND self = Hwnd;
  if (OnClick) {
    const auto handler = OnClick;
    handler();
  }
  if (::IsWindow(self) != FALSE)
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(self));
}

void TGlyBut::Invalidate() const {
  if (Hwnd != nullptr)
    ::InvalidateRect(Hwnd, nullptr, FALSE);
}

// ---- Mouse ------------------------------------------------------------------------------------------------

bool TGlyBut::HandleMouse(UINT message, LPARAM lParam) {
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

bool TGlyBut::ContainsPoint(POINT point) const {
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  return ::PtInRect(&client, point) != FALSE;
}

void TGlyBut::ButtonMouseMove(POINT point) {
  const bool inside = ContainsPoint(point);
  if (std::exchange(IsHot, inside) != inside)
    Invalidate();
  if (!TrackingLeave)
    TrackLeave();
}

// When the pointer is already outside, the system answers with WM_MOUSELEAVE at once.
void TGlyBut::TrackLeave() {
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd, 0};
  TrackingLeave = ::TrackMouseEvent(&track) != FALSE;
}

void TGlyBut::ButtonMouseLeave() {
  TrackingLeave = false;
  // Captured, the button still sees the pointer's moves and keeps its own count of where it is.
  if (!MouseDown && std::exchange(IsHot, false))
    Invalidate();
}

// No SetFocus here: the keyboard stays where it was.
void TGlyBut::ButtonMouseDown() {
  if (!Enabled())
    return;
  ::SetCapture(Hwnd);
  MouseDown = true;
  IsHot = true;
  Invalidate();
}

// Like a system button, a press only counts when the mouse is released over the button.
void TGlyBut::ButtonMouseUp(POINT point) {
  if (!MouseDown)
    return;
  const bool click = ContainsPoint(point);
  MouseDown = false;
  IsHot = click;
  ::ReleaseCapture();
  // A leave that came while captured was passed over; the pointer may go without another move inside.
  TrackLeave();
  Invalidate();
  if (click)
    Click();
}

void TGlyBut::ButtonCaptureLost() {
  if (!MouseDown)
    return;
  MouseDown = false;
  if (::GetCapture() == Hwnd)
    ::ReleaseCapture();
  Invalidate();
}

}  // namespace tolvane::ui
