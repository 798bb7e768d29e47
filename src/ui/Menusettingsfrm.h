#pragma once
// TFrmMenuSettings, "Tolvane Menu Settings": the menus' colours from sliders and swatches, their sizes, font,
// arrow and pipe, with a picture of a bar and a popup drawn by the menu painters from the working values.

#include <memory>

#include "storage/Item.h"
#include "ui/Dibcanvas.h"
#include "ui/Menuenv.h"
#include "ui/Settingsform.h"
#include "uimodel/Settingsmodel.h"

namespace tolvane::ui {

class TFrmMenuSettings final : public TSettingsForm {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmMenuSettings";

  // environment: the menus' glyphs and the loaded menu, whose largest popup limits the item height.
  TFrmMenuSettings(TMenuEnvironment& environment, HWND owner);
  ~TFrmMenuSettings() override;

 private:
  struct TControls;

  void Accept() override;
  void Shown() override;
  void TimerTick(UINT_PTR timer) override;
  void PaintPictures(HDC dc) override;
  void SwatchChanged() override { PreviewChanged(); }
  bool CtrlShiftKey(UINT key) override;

  void CreateControls();
  void ShowValues();
  void BackgroundMoved();
  void SelectionMoved();
  bool ItemHeightAllowed(int height) const;
  void FillFontList();
  void PreviewChanged();

  TMenuEnvironment& Environment;
  std::unique_ptr<TControls> Hosted;
  std::unique_ptr<storage::TItem> PreviewItems;
  TDibCanvas PreviewCanvas;
  int LargestMenu = 0;
  int WorkAreaBottom = 0;
};

}  // namespace tolvane::ui
