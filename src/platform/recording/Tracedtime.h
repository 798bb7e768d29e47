#pragma once

#include <cstdint>
#include <optional>

#include "platform/Time.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// A clock over a real one that records every sleep and wait. Real waits take their time on the real clock;
// virtual ones return at once and only advance this clock's own tick count, so a traced run is the same on
// every machine. Now() is the real clock's unless a time was fixed.
class TTracedTime final : public platform::ITime {
 public:
  enum class TWaits { Real, Virtual };

  TTracedTime(platform::ITime& clock, TRecorder& recorder, TWaits waits);

  platform::TDateTime Now() override { return FixedNow ? *FixedNow : Clock.Now(); }
  std::uint32_t TickCount() override;
  void Sleep(std::uint32_t milliseconds) override;
  void WaitProcessingMessages(std::uint32_t milliseconds) override;

  void FixNow(const platform::TDateTime& now) { FixedNow = now; }

 private:
  platform::ITime& Clock;
  TRecorder& Recorder;
  TWaits Waits;
  std::uint32_t VirtualTick;
  std::optional<platform::TDateTime> FixedNow;
};

}  // namespace tolvane::recording
