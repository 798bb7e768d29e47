#pragma once
// TFormPopUp, the item context window: a borderless list of edit commands for one menu item, opened at the
// pointer by a right click or Shift+F10. It takes the focus, and losing it closes the window. Closing posts
// the chosen command (UM_ITEM_COMMAND) or a repaint (UM_REPAINT_MENU) to the menu window that opened it.

#include "storage/Item.h"
#include "ui/Dibcanvas.h"
#include "ui/Menuenv.h"
#include "ui/Window.h"
#include "uimodel/Contextwindow.h"

namespace tolvane::ui {

class TFormPopUp final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFormPopUp";

  // Shows the window for the item at the screen point and gives it the focus; target receives the result.
  TFormPopUp(TMenuEnvironment& environment, HWND target, storage::TItem& item, POINT screen);
  ~TFormPopUp() override;

  // Shown and not yet closed.
  bool Open() const { return Alive() && !State.Closed(); }
  // Closes without a choice, as losing the focus does.
  void Cancel();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CopyScreenStrips(const TRect& bounds);
  void PaintAll();
  void RedrawEntries(int first, int second);
  void MouseMove(TPoint point);
  void AfterInput(int hot, int pressed);
  void Finish();

  TMenuEnvironment& Environment;
  HWND Target;
  storage::TItem* Item;
  uimodel::TContextWindow State;
  uimodel::TContextLayout Layout;
  TDibCanvas Canvas;
  bool Finished = false;
};

}  // namespace tolvane::ui
