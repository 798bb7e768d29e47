#pragma once
// TTrayIcon, one notification-area icon of a window, and the menu the icon opens.

#include <string>
#include <string_view>

#include "platform/win32/Win.h"

namespace tolvane::ui {

// The icon's message to its window; lParam is the mouse message (WM_LBUTTONUP, WM_RBUTTONUP, ...).
inline constexpr UINT UM_TRAY_ICON = WM_APP + 0x71;

enum class TTrayShowResult {
  Shown,
  OutOfResources,  // the system was short of memory or resources for it
  Failed,
};

enum class TTrayRetry {
  Done,        // the icon is shown
  AgainNow,    // try once more at once
  OnNextTick,  // (re)start the retry timer and try again when it ticks
};

inline constexpr UINT kTrayRetryMs = 1000;

// What the owner does after its attempt-th try (from 1) to show the icon. A shortage often passes at once, so
// it earns one immediate retry; anything else, such as a taskbar that is not there yet at logon, waits for
// the timer.
constexpr TTrayRetry NextTrayAttempt(TTrayShowResult result, int attempt) {
  if (result == TTrayShowResult::Shown)
    return TTrayRetry::Done;
  if (result == TTrayShowResult::OutOfResources && attempt <= 1)
    return TTrayRetry::AgainNow;
  return TTrayRetry::OnNextTick;
}

// How a failed request with this last error counts.
TTrayShowResult TrayFailure(DWORD error);

// The tip as the icon can hold it: at most 127 units, never ending in half a surrogate pair.
std::wstring TrayTip(std::wstring_view tip);

// The shell knows the icon by its window: the object goes before the window does.
class TTrayIcon {
 public:
  // The icon of the window; id tells several icons of one window apart.
  explicit TTrayIcon(HWND owner, UINT id = 1);
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;
  ~TTrayIcon();

  // Adds the icon, or changes its image and tip while it is shown. After TaskbarCreatedMessage the old icon
  // is gone; Show again adds it anew. The icon handle stays the caller's: the shell keeps a copy.
  [[nodiscard]] TTrayShowResult Show(HICON icon, const std::wstring& tip);
  void Hide();
  bool Visible() const { return IsShown; }

  // Sent to top-level windows when the taskbar is created again, after the shell restarted.
  static UINT TaskbarCreatedMessage();

 private:
  [[nodiscard]] bool Notify(DWORD action, HICON icon, const std::wstring& tip) const;

  HWND Owner;
  UINT Id;
  bool IsShown = false;
  bool MayBeShown = false;  // a request was made that the shell may have carried out despite failing
};

enum class TTrayChoice { ShowToolbar, CloseToolbar, Cancel };

// Opens the icon's menu at the screen point for the owner window and waits for the choice; a menu closed
// without one is Cancel.
TTrayChoice ShowTrayMenu(HWND owner, POINT at);

}  // namespace tolvane::ui
