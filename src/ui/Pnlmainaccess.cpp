// TPanelMainMenu towards assistive technology: its entries as accessible children, the events of menu mode
// and of its hot entry, and the default action of an entry.

#include <algorithm>
#include <string>
#include <utility>

#include "ui/Pnlmain.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

LRESULT TPanelMainMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT answer = 0;
  if (Access.Message(Hwnd, message, wParam, lParam, answer))
    return answer;
  if (message == uimodel::UM_ACCESS_ACTION) {
    AccessAction(static_cast<int>(wParam));
    return 0;
  }
  const LRESULT result = MenuMessage(message, wParam, lParam);
  Announce();
  return result;
}

uimodel::TMenuAccessView TPanelMainMenu::AccessView() const {
  // The bar is named as the main window is.
  std::u16string name;
  if (Environment != nullptr && Environment->MainWindow != nullptr) {
    wchar_t caption[256]{};
    const int length = ::GetWindowTextW(Environment->MainWindow, caption, 256);
    name.assign(reinterpret_cast<const char16_t*>(caption), static_cast<std::size_t>(std::max(length, 0)));
  }
  return uimodel::BarAccessView(Ready ? Root : nullptr, State.Hot(), std::move(name));
}

void TPanelMainMenu::Announce() {
  Access.Announce(Hwnd, State.Hot() >= 0, State.Hot());
}

void TPanelMainMenu::AccessAction(int index) {
  // As a key selecting the entry: a click on it, which opens its popup.
  PostSelectAt(index);
}

}  // namespace tolvane::ui
