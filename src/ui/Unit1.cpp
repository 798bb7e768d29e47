#include "ui/Unit1.h"

#include "ui/Barmetrics.h"
#include "ui/Geometrywin.h"
#include "ui/Uihandles.h"
#include "uimodel/Barlayout.h"

namespace tolvane::ui {

namespace {

constexpr int kCaptionIndent = 12;

}  // namespace

TForm1::TForm1(TAppContext& context, HWND owner) : Context(context) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  windowClass.IconId = 1;
  TWindowParams params;
  params.Style = WS_POPUP | WS_CLIPCHILDREN;
  params.Caption = kCaption;
  params.Parent = owner;
  // Zero size at first: DockToMonitor sets the real bounds once the window exists.
  Create(windowClass, params);
  DockToMonitor(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

// The window is destroyed while the object is still whole: its last messages still reach WindowProc.
TForm1::~TForm1() {
  Destroy();
}

// The start-up show command is not applied: a minimised bar without a taskbar button could not be brought
// back.
void TForm1::Show() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
}

LRESULT TForm1::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA || wParam == SPI_SETNONCLIENTMETRICS)
        DockToMonitor(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST));
      break;
    case WM_DISPLAYCHANGE:
      DockToMonitor(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST));
      break;
    case WM_DESTROY:
      FormDestroy();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

// The bar keeps to its monitor's top edge whatever bounds the system suggests.
void TForm1::ScaleChanged() {
  DockToMonitor(::MonitorFromWindow(Hwnd, MONITOR_DEFAULTTONEAREST));
}

void TForm1::DockToMonitor(HMONITOR monitor) {
  MenuFont = CreateMenuFont(static_cast<UINT>(Scale().Ppi()));
  RowHeight = uimodel::RowHeightForTextHeight(FontLineHeight(MenuFont.get()));
  SetBounds(Hwnd,
            uimodel::DockedBarRect(MonitorWorkArea(monitor), uimodel::BarHeightForRowHeight(RowHeight)));
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TForm1::FormPaint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  ::FillRect(paint.get(), &client, ::GetSysColorBrush(COLOR_MENUBAR));
  ::FrameRect(paint.get(), &client, ::GetSysColorBrush(COLOR_3DSHADOW));

  RECT text = client;
  text.left += Scaled(kCaptionIndent);
  const win32::TSelectGuard font(paint.get(), MenuFont.get());
  ::SetBkMode(paint.get(), TRANSPARENT);
  ::SetTextColor(paint.get(), ::GetSysColor(COLOR_MENUTEXT));
  ::DrawTextW(paint.get(), kCaption, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Closing the main window ends the program.
void TForm1::FormDestroy() {
  ::PostQuitMessage(0);
}

}  // namespace tolvane::ui
