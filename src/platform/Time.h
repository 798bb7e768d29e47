#pragma once

#include <cstdint>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

class ITime {
 public:
  virtual ~ITime() = default;

  virtual TDateTime Now() = 0;
  // Milliseconds since an arbitrary start, wrapping at 2^32 (timeGetTime).
  virtual std::uint32_t TickCount() = 0;
  // Blocks the calling thread; no messages are handled meanwhile.
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // Waits while handling the thread's messages, so clipboard notifications and painting go on.
  virtual void WaitProcessingMessages(std::uint32_t milliseconds) = 0;
};

}  // namespace tolvane::platform
