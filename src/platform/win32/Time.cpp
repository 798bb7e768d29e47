#include "platform/win32/Time.h"

#include "platform/win32/Win.h"

// After Win.h, so the multimedia headers see the same Windows configuration.
#include <mmsystem.h>

namespace tolvane::win32 {

namespace {

// Handles every waiting message; false when WM_QUIT came, which is posted again.
bool DispatchPendingMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return true;
}

}  // namespace

platform::TDateTime TTime::Now() {
  SYSTEMTIME time{};
  ::GetLocalTime(&time);
  return {time.wYear,   time.wMonth,  time.wDay,          time.wHour,
          time.wMinute, time.wSecond, time.wMilliseconds, time.wDayOfWeek};
}

std::uint32_t TTime::TickCount() {
  return ::timeGetTime();
}

void TTime::Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

void TTime::WaitProcessingMessages(std::uint32_t milliseconds) {
  const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
  while (DispatchPendingMessages()) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline)
      return;
    // MWMO_INPUTAVAILABLE: also wake for messages that were already queued but not yet looked at.
    ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
  }
}

}  // namespace tolvane::win32
