#pragma once

#include "platform/win32/Win.h"

namespace tolvane::win32 {

// Switches WOW64 file-system redirection off for the scope, so a 32-bit process sees the real system
// folders. Does nothing in a process that does not run under WOW64.
class TWow64RedirectOff {
 public:
  TWow64RedirectOff();
  TWow64RedirectOff(const TWow64RedirectOff&) = delete;
  TWow64RedirectOff& operator=(const TWow64RedirectOff&) = delete;
  ~TWow64RedirectOff();

  bool SwitchedOff() const { return Switched; }

 private:
  PVOID OldValue = nullptr;
  bool Switched = false;
};

}  // namespace tolvane::win32
