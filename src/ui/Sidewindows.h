#pragma once
// The menus' side windows as the program has them: one context window or icon picker at a time, the icon
// remembered for Ctrl across pickers, and the preview made on first use and then only hidden and shown.

#include <memory>
#include <optional>

#include "ui/Imgsel.h"
#include "ui/Menuenv.h"
#include "ui/Pupup.h"
#include "ui/Showfrm.h"

namespace tolvane::ui {

class TSideWindows final : public IMenuSideWindows {
 public:
  explicit TSideWindows(TMenuEnvironment& environment) : Environment(environment) {}
  ~TSideWindows() override;
  TSideWindows(const TSideWindows&) = delete;
  TSideWindows& operator=(const TSideWindows&) = delete;

  bool PickerOpen() const override;
  void OpenContextWindow(HWND owner, storage::TItem& item, POINT screen) override;
  void OpenIconPicker(HWND owner, storage::TItem& item, POINT corner) override;
  void ClosePicker() override;
  void ShowPreview(const storage::TItem& item, const RECT& row) override;
  void HidePreview() override;

  // The picker run modally (the program settings' default icon): the chosen index, or nullopt.
  std::optional<int> ChooseIcon(HWND owner, POINT corner);
  // The preview's text while it shows, else empty; for the probes.
  std::u16string PreviewText() const;
  HWND ContextWindow() const;
  HWND IconPicker() const;
  // Icon pickers opened over menu rows so far; a test tells a picker that closed at once from one never made.
  int PickersOpened() const { return PickerCount; }

 private:
  TMenuEnvironment& Environment;
  std::unique_ptr<TFormPopUp> Context;
  std::unique_ptr<TFormImgSel> Picker;
  std::unique_ptr<TFrmShow> Preview;
  uimodel::TIconMemory IconMemory;
  int PickerCount = 0;
};

}  // namespace tolvane::ui
