#include "ui/Commoncontrols.h"

#include <windows.h>

#include <commctrl.h>

namespace tolvane::ui {

void EnsureCommonControls() {
  // A failure leaves the classes unregistered, and the creation that follows reports it.
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    return ::InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialised;
}

}  // namespace tolvane::ui
