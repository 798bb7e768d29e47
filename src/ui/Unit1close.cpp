// TForm1: closing. A modified menu is saved first; when that fails the user decides whether the program stays
// open (to save elsewhere) or closes without the changes. Then the settings are written.

#include "ui/Unit1.h"

#include "execution/Shellhlpr.h"
#include "storage/Settingswrite.h"
#include "ui/Geometrywin.h"

namespace tolvane::ui {

bool TForm1::FormCloseQuery() {
  if (!SaveBeforeClosing())
    return false;
  if (TrayIcon)
    TrayIcon->Hide();
  return true;
}

void TForm1::FormClose() {
  Closing = true;
  ::KillTimer(Hwnd, AutoHideTimer);
  ::KillTimer(Hwnd, TiTopWindow);
  ::KillTimer(Hwnd, TimerTrayIcon);
  ::KillTimer(Hwnd, MenuFileWatchTimer);
  StoreWindowSettings();
  // A failure has been reported by the writer, which leaves the old file as it was.
  (void)storage::WriteSettings(Context.Settings, storage::TSettingsServices::From(Context.Services),
                               Context.SettingsFile);
}

bool TForm1::SaveBeforeClosing() {
  storage::TMenuFile& menu = Context.Menu;
  if (!menu.MenuModified || !MenuReady)
    return true;
  const uimodel::TActiveSaveResult result = SaveActiveFile();
  if (result != uimodel::TActiveSaveResult::Failed)
    return uimodel::ChangesSettled(result);
  return !execution::AskYesNo(
      Context.Services.MessageBox, u"Tolvane",
      u"Your changes to the menu are not saved.\r\n\r\nDo you want to keep Tolvane open, so "
      u"that you can save them with Save As?\r\n\r\nYes keeps Tolvane open. No closes "
      u"Tolvane and the changes are lost.",
      reinterpret_cast<platform::TWindowHandle>(Hwnd));
}

void TForm1::StoreWindowSettings() {
  storage::TSettings& settings = Context.Settings;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  ::GetWindowPlacement(Hwnd, &placement);
  const TRect normal = FromRECT(placement.rcNormalPosition);
  settings.FormHeight = IsEditorMode() ? normal.Height() : SavedEditorHeight;
  settings.Left = normal.Left;
  settings.Width = normal.Width();
  settings.Top = normal.Top;
}

}  // namespace tolvane::ui
