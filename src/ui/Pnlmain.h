#pragma once
// TPanelMainMenu, the custom-drawn panel that fills the bar in menu mode and shows the children of the root
// item side by side, the program item first. It takes the keyboard focus of the bar; a double click asks
// for the mode switch.

#include <functional>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "storage/Globals.h"
#include "storage/Item.h"
#include "ui/Dibcanvas.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TPanelMainMenu final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TPanelMainMenu";

  TPanelMainMenu() = default;
  ~TPanelMainMenu() override;
  // Creates the panel, named "PnlMainMenu", as a hidden child; throws std::system_error on failure.
  void CreateIn(HWND parent);

  // What the panel draws: the settings' colours and font, and the root's children once ready is set.
  void setContent(const storage::TSettings* settings, const storage::TItem* root, bool ready);
  // Rebuilds the menu font from the settings at the panel's scale and repaints.
  void ApplyAppearance();

  std::function<void()> OnDoubleClick;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;
  void Paint();
  void PaintEntries(HDC dc, int height);

  const storage::TSettings* Settings = nullptr;
  const storage::TItem* Root = nullptr;
  bool Ready = false;
  win32::unique_hfont MenuFont;
  TDibCanvas Canvas;
};

// The menu font of the settings ("MenuFontName", "MenuFontSize" in points, "MenuFontBold") at the DPI.
win32::unique_hfont CreateSettingsMenuFont(const storage::TSettings& settings, int dpi);

}  // namespace tolvane::ui
