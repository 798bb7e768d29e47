#include "ui/Trayicon.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/Handles.h"

namespace tolvane::ui {

namespace {

// The capacity of the tip, with its terminating zero.
constexpr std::size_t kTipUnits = sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t);

enum TTrayCommand : UINT { kShowToolbar = 1, kCloseToolbar, kCancel };

bool IsHighSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

TTrayShowResult TrayFailure(DWORD error) {
  switch (error) {
    case ERROR_NO_SYSTEM_RESOURCES:
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return TTrayShowResult::OutOfResources;
    default:
      return TTrayShowResult::Failed;
  }
}

std::wstring TrayTip(std::wstring_view tip) {
  std::size_t length = std::min(tip.size(), kTipUnits - 1);
  if (length < tip.size() && length > 0 && IsHighSurrogate(tip[length - 1]))
    --length;
  return std::wstring(tip.substr(0, length));
}

TTrayIcon::TTrayIcon(HWND owner, UINT id) : Owner(owner), Id(id) {}

TTrayIcon::~TTrayIcon() {
  Hide();
}

// The icon keeps the first notification version, in which lParam of the callback is the mouse message.
bool TTrayIcon::Notify(DWORD action, HICON icon, const std::wstring& tip) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = Owner;
  data.uID = Id;
  if (action != NIM_DELETE) {
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = UM_TRAY_ICON;
    data.hIcon = icon;
    const std::wstring fitted = TrayTip(tip);
    std::copy(fitted.begin(), fitted.end(), data.szTip);
  }
  return ::Shell_NotifyIconW(action, &data) != FALSE;
}

TTrayShowResult TTrayIcon::Show(HICON icon, const std::wstring& tip) {
  if (IsShown && Notify(NIM_MODIFY, icon, tip))
    return TTrayShowResult::Shown;
  IsShown = false;
  MayBeShown = true;
  ::SetLastError(ERROR_SUCCESS);
  if (Notify(NIM_ADD, icon, tip)) {
    IsShown = true;
    return TTrayShowResult::Shown;
  }
  const DWORD error = ::GetLastError();
  // A busy shell can time out on a request it then carries out: an icon that takes a change is there.
  if (Notify(NIM_MODIFY, icon, tip)) {
    IsShown = true;
    return TTrayShowResult::Shown;
  }
  return TrayFailure(error);
}

void TTrayIcon::Hide() {
  if (!MayBeShown)
    return;
  (void)Notify(NIM_DELETE, nullptr, {});
  IsShown = false;
  MayBeShown = false;
}

UINT TTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

TTrayChoice ShowTrayMenu(HWND owner, POINT at) {
  const win32::unique_hmenu menu(::CreatePopupMenu());
  if (!menu || ::AppendMenuW(menu.get(), MF_STRING, kShowToolbar, L"Show Toolbar") == FALSE ||
      ::AppendMenuW(menu.get(), MF_STRING, kCloseToolbar, L"Close Toolbar") == FALSE ||
      ::AppendMenuW(menu.get(), MF_STRING, kCancel, L"Cancel") == FALSE)
    return TTrayChoice::Cancel;
  // Unless the owner is in front, the menu stays open when the user clicks elsewhere; the message after it
  // makes the owner's next menu open at the first click rather than the second.
  ::SetForegroundWindow(owner);
  const UINT align = ::GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const UINT command = static_cast<UINT>(::TrackPopupMenu(
      menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | align, at.x, at.y, 0, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  switch (command) {
    case kShowToolbar:
      return TTrayChoice::ShowToolbar;
    case kCloseToolbar:
      return TTrayChoice::CloseToolbar;
    default:
      return TTrayChoice::Cancel;
  }
}

}  // namespace tolvane::ui
