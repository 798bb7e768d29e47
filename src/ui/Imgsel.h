#pragma once
// TFormImgSel, the icon picker: the user glyphs as a grid of 26-pixel cells in a borderless window. Opened
// from a menu item's icon or the edit panel it posts UM_SET_ICON with the chosen index to its owner, closes
// when it loses the focus and then asks the owner to destroy it with UM_RELEASE_WINDOW. The program settings
// run it modally and get the index back.

#include <optional>
#include <vector>

#include "graphics/Qxcolor.h"
#include "ui/Dibcanvas.h"
#include "ui/Menuenv.h"
#include "ui/Window.h"
#include "uimodel/Iconpicker.h"

namespace tolvane::ui {

class TFormImgSel final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFormImgSel";

  // Shows the picker with its top-left at the corner (kept inside the work area) and gives it the focus.
  // owner: the window that gets UM_SET_ICON and UM_RELEASE_WINDOW; a picker without one destroys itself.
  TFormImgSel(TMenuEnvironment& environment, HWND owner, POINT corner, bool modal,
              uimodel::TIconMemory& memory);
  ~TFormImgSel() override;

  // Shown and not yet ended.
  bool Open() const { return Alive() && Picker.End() == uimodel::TIconPickerEnd::Open; }
  uimodel::TIconPickerEnd End() const { return Picker.End(); }
  int ChosenIndex() const { return Picker.ChosenIndex(); }
  // Ends a non-modal picker without a choice, as losing the focus does.
  void Cancel();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintAll();
  void RedrawCells(int first, int second);
  void AfterInput(int hot, int pressed);
  void Finish();

  TMenuEnvironment& Environment;
  HWND Owner;
  bool Modal;
  uimodel::TIconGrid Grid;
  uimodel::TIconPicker Picker;
  std::vector<graphics::TQxColor> Background;
  TDibCanvas Canvas;
  bool Finished = false;
  bool Tracking = false;  // asked for WM_MOUSELEAVE
};

// The picker run modally over the owner: the chosen index, or nullopt after Esc.
std::optional<int> ChooseIconModal(TMenuEnvironment& environment, HWND owner, POINT corner);

}  // namespace tolvane::ui
