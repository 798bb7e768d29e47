#pragma once

#include "platform/Time.h"

namespace tolvane::win32 {

class TTime final : public platform::ITime {
 public:
  platform::TDateTime Now() override;
  std::uint32_t TickCount() override;
  void Sleep(std::uint32_t milliseconds) override;
  // A WM_QUIT met while waiting ends the wait early and is posted again for the outer message loop.
  void WaitProcessingMessages(std::uint32_t milliseconds) override;
};

}  // namespace tolvane::win32
