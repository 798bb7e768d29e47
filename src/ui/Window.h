#pragma once
// TWindow, the base of every window class of the program: the class is registered once, the object travels
// with its window from WM_NCCREATE on, every message reaches the virtual WindowProc with exceptions shown
// instead of unwinding through system code, WM_NCDESTROY ends the ownership, a failed creation throws, and
// the window keeps the scale of the monitor it is on.
//
// Derived classes call Create from their constructor (virtual calls reach the derived class from there) and
// call Destroy from their destructor when their own handlers must see the window's last messages. Child
// controls that the window hosts (TControl) get the WM_COMMAND, WM_NOTIFY and scroll notifications they send.

#include <memory>
#include <vector>

#include "common/Geometry.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "uimodel/Scale.h"

namespace tolvane::ui {

struct TWindowClass {
  const wchar_t* Name = nullptr;
  UINT Style = 0;
  int IconId = 0;  // the program's icon resource; 0 for none
  const wchar_t* Cursor = IDC_ARROW;
};

struct TWindowParams {
  DWORD ExStyle = 0;
  DWORD Style = 0;
  const wchar_t* Caption = L"";
  TRect Bounds;  // in the parent's client pixels for a child, on the screen otherwise
  HWND Parent = nullptr;
  int ControlId = 0;  // a child's id
};

// A control hosted by a window: the window hands it the notifications the control sends to its parent.
class TControlNotifications {
 public:
  virtual ~TControlNotifications() = default;
  // WM_COMMAND with the control's handle; the notification code. True when handled.
  virtual bool Command(UINT /*code*/) { return false; }
  // WM_NOTIFY from the control; result is the message's answer when handled.
  virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // WM_HSCROLL or WM_VSCROLL from the control (a track bar); the scroll code.
  virtual bool Scroll(UINT /*code*/) { return false; }
};

class TWindow {
 public:
  TWindow() = default;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  // Destroys a window that is still there; the derived part is gone by then, so only the base sees it.
  virtual ~TWindow();

  HWND Handle() const { return Hwnd; }
  bool Alive() const { return Hwnd != nullptr; }
  const uimodel::TScale& Scale() const { return WindowScale; }
  // n × ppi / 144 at the window's scale.
  int Scaled(int designPixels) const { return WindowScale(designPixels); }

  // The window's hosted controls; the control must outlive its registration (or remove it).
  void AddControl(HWND control, TControlNotifications& notifications);
  void RemoveControl(HWND control);

 protected:
  // Registers the class (once per process) and creates the window; throws std::system_error on failure.
  void Create(const TWindowClass& windowClass, const TWindowParams& params);
  // Destroys the window now, while the derived object is whole.
  void Destroy();

  // The derived class's messages; the default is DefWindowProcW.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The monitor's DPI changed: the window has its new scale (and, when top-level, the suggested bounds).
  virtual void ScaleChanged() {}
  // Errors of a child control are shown on its parent form.
  virtual HWND ErrorOwner() const;

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND Hwnd = nullptr;

 private:
  struct THosted {
    HWND Control;
    TControlNotifications* Notifications;
  };
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  bool RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void DpiChanged(UINT dpi, const RECT* suggested);
  void NcDestroy();

  win32::unique_hwnd Owned;
  uimodel::TScale WindowScale;
  std::vector<THosted> Hosted;
};

// The system DPI (the primary monitor's at start-up).
UINT SystemDpi();
// The DPI of the window's monitor (per-monitor aware), else the system's.
UINT WindowDpi(HWND window);
// The DPI of a monitor, else the system's.
UINT MonitorDpi(HMONITOR monitor);
// The scale of a monitor, for sizing a window before it exists.
uimodel::TScale MonitorScale(HMONITOR monitor);

}  // namespace tolvane::ui
