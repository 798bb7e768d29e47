#pragma once
// TFrmProgSettings, "Tolvane Program Settings": the window colours from sliders (the dialog's own background
// and buttons show them at once), the splitter and disabled colours, the two code fonts with samples, the
// tab size, the switches and the icon of new items.

#include <memory>

#include "ui/Menuenv.h"
#include "ui/Settingsform.h"
#include "ui/Sidewindows.h"

namespace tolvane::ui {

class TFrmProgSettings final : public TSettingsForm {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmProgSettings";

  // newItemIcon: the icon of new items, which OK changes; it lasts as long as the program runs.
  TFrmProgSettings(TMenuEnvironment& environment, TSideWindows& sideWindows, HWND owner, int& newItemIcon);
  ~TFrmProgSettings() override;

 private:
  struct TControls;

  void Accept() override;
  void Shown() override;
  void TimerTick(UINT_PTR timer) override;
  void PaintPictures(HDC dc) override;
  bool PictureClicked(TPoint client) override;

  void CreateControls();
  void ShowValues();
  void BackgroundMoved();
  void FillFontLists();
  void ApplySampleFonts();

  TMenuEnvironment& Environment;
  TSideWindows& SideWindows;
  int& NewItemIcon;
  int WorkingIcon;
  std::unique_ptr<TControls> Hosted;
  win32::unique_hfont StandardFont;
  win32::unique_hfont FixedFont;
};

}  // namespace tolvane::ui
