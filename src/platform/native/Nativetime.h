#pragma once

#include "platform/Time.h"

namespace tolvane::native {

// Local time from the C library; there is no message loop natively, so a message-pumping wait is a sleep.
class TNativeTime final : public platform::ITime {
 public:
  platform::TDateTime Now() override;
  std::uint32_t TickCount() override;
  void Sleep(std::uint32_t milliseconds) override;
  void WaitProcessingMessages(std::uint32_t milliseconds) override;
};

}  // namespace tolvane::native
