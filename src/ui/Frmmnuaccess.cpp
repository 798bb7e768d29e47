// TFormMenu towards assistive technology: its rows as accessible children, the events of its showing, hiding
// and hot row, and the default action of a row.

#include "ui/Frmmnu.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

LRESULT TFormMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT answer = 0;
  if (Access.Message(Hwnd, message, wParam, lParam, answer))
    return answer;
  if (message == uimodel::UM_ACCESS_ACTION) {
    AccessAction(static_cast<int>(wParam));
    return 0;
  }
  const LRESULT result = MenuMessage(message, wParam, lParam);
  // Whatever the message changed (a delete, a sort, a reopen) is announced once here.
  Announce();
  return result;
}

uimodel::TMenuAccessView TFormMenu::AccessView() const {
  return uimodel::PopupAccessView(Parent, Rows, Width, State.Hot());
}

void TFormMenu::Announce() {
  Access.Announce(Hwnd, Shown() && ::IsWindowVisible(Hwnd) != FALSE, State.Hot());
}

void TFormMenu::AccessAction(int row) {
  if (RowItem(row) == nullptr ||
      (Environment.SideWindows != nullptr && Environment.SideWindows->PickerOpen()))
    return;
  SelectRow(row);
  PerformHot();
}

}  // namespace tolvane::ui
