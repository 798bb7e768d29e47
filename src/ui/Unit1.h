#pragma once
// TForm1, the program's main window. In menu mode it is a borderless bar one menu row high, docked at the
// top edge of the work area of its monitor.

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Appcontext.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TForm1 final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TForm1";
  static constexpr const wchar_t* kCaption = L"Tolvane";

  // Creates the window hidden, docked on the primary monitor. The owner keeps the bar off the taskbar.
  // Throws std::system_error when the window cannot be created.
  TForm1(TAppContext& context, HWND owner);
  ~TForm1() override;

  void Show();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;

  // Re-reads the menu font for the DPI and moves the bar to the top of the monitor's work area.
  void DockToMonitor(HMONITOR monitor);
  void FormPaint();
  void FormDestroy();

  TAppContext& Context;
  win32::unique_hfont MenuFont;
  int RowHeight = 0;
};

}  // namespace tolvane::ui
