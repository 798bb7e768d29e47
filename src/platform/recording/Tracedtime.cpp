#include "platform/recording/Tracedtime.h"

namespace tolvane::recording {

TTracedTime::TTracedTime(platform::ITime& clock, TRecorder& recorder, TWaits waits)
    : Clock(clock), Recorder(recorder), Waits(waits), VirtualTick(clock.TickCount()) {}

std::uint32_t TTracedTime::TickCount() {
  return Waits == TWaits::Virtual ? VirtualTick : Clock.TickCount();
}

void TTracedTime::Sleep(std::uint32_t milliseconds) {
  Recorder.Record(TSleepAction{milliseconds});
  if (Waits == TWaits::Virtual)
    VirtualTick += milliseconds;
  else
    Clock.Sleep(milliseconds);
}

void TTracedTime::WaitProcessingMessages(std::uint32_t milliseconds) {
  Recorder.Record(TWaitAction{milliseconds});
  if (Waits == TWaits::Virtual)
    VirtualTick += milliseconds;
  else
    Clock.WaitProcessingMessages(milliseconds);
}

}  // namespace tolvane::recording
