#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/Time.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

// A virtual clock: sleeps and waits return at once, advance the tick count and are recorded. Now() stays what
// the test set (at first 2024-01-01 12:00, a Monday), so date output is predictable.
class TRecordingTime final : public platform::ITime {
 public:
  explicit TRecordingTime(TRecorder& recorder) : Recorder(recorder) {}

  platform::TDateTime Now() override { return Current; }
  std::uint32_t TickCount() override { return Tick; }
  void Sleep(std::uint32_t milliseconds) override;
  void WaitProcessingMessages(std::uint32_t milliseconds) override;

  void SetNow(const platform::TDateTime& now) { Current = now; }
  void SetTickCount(std::uint32_t tick) { Tick = tick; }
  // Time passing outside the program under test; not recorded.
  void Advance(std::uint32_t milliseconds) { Tick += milliseconds; }
  // Runs after the clock has advanced on each message-pumping wait, standing in for the messages that arrive
  // meanwhile (a clipboard change, for example). An empty function removes it.
  void SetWaitCallback(std::function<void()> callback) { OnWait = std::move(callback); }

 private:
  TRecorder& Recorder;
  platform::TDateTime Current{2024, 1, 1, 12, 0, 0, 0, 1};
  std::uint32_t Tick = 0;
  std::function<void()> OnWait;
};

}  // namespace tolvane::recording
