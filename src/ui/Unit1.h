#pragma once
// TForm1, the program's main window. In menu mode it is a borderless bar one menu row high, docked at the
// top edge of the work area of its monitor.

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Windowthunk.h"

namespace tolvane::ui {

class TForm1 {
 public:
  static constexpr const wchar_t* kClassName = L"TForm1";
  static constexpr const wchar_t* kCaption = L"Tolvane";

  // Creates the window hidden, docked on the primary monitor. The owner keeps the bar off the taskbar.
  // Throws std::system_error when the window cannot be created.
  TForm1(HINSTANCE instance, HWND owner);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;
  ~TForm1();

  HWND Handle() const { return Window.get(); }
  void Show();

 private:
  static void RegisterWindowClass(HINSTANCE instance);
  friend struct TWindowThunk<TForm1>;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Re-reads the menu font for the DPI and moves the bar to the top of the monitor's work area.
  void DockToMonitor(HMONITOR monitor);
  void FormPaint();
  void FormDestroy();

  HWND Hwnd = nullptr;  // valid from WM_NCCREATE, before Window takes ownership
  win32::unique_hwnd Window;
  win32::unique_hfont MenuFont;
  UINT Dpi = 0;
  int RowHeight = 0;
};

}  // namespace tolvane::ui
