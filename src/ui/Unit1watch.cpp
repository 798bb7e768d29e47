// TForm1: following the menu file on disk while the bar shows it.

#include "ui/Unit1.h"

namespace tolvane::ui {

// Polled rather than watched through change notifications: one question to the file system a second costs
// nothing, sees a file replaced by rename (as sync tools and our own saves do) as well as one written in
// place, and works on network and synced folders whose notifications are unreliable.
void TForm1::MenuFileWatchTick() {
  if (!MenuFileWatch.Poll(Context.Menu, Context.Settings.ActiveFile, MayReplaceMenu()))
    return;
  // The old items are gone: nothing may point at them any more.
  LastItem = nullptr;
  EditedItem = nullptr;
  ++LoadCount;
  RebuildMenuFiles();
  UpdateCaption();
  UpdatePopupGradients();
  PnlMainMenu.setContent(Context.Menu.RootItem.get(), MenuReady);
}

// Open popups, side windows and dialogs hold items of the menu, and the editor holds pending work.
bool TForm1::MayReplaceMenu() const {
  return MenuReady && !Closing && !DialogOpen && !SwitchingMode && !IsEditorMode() &&
         ::IsWindowEnabled(Hwnd) != FALSE && PnlMainMenu.FirstPopup() == nullptr &&
         SideWindows.ContextWindow() == nullptr && !SideWindows.PickerOpen();
}

}  // namespace tolvane::ui
