#include "platform/recording/Recordingtime.h"

namespace tolvane::recording {

void TRecordingTime::Sleep(std::uint32_t milliseconds) {
  Recorder.Record(TSleepAction{milliseconds});
  Tick += milliseconds;
}

void TRecordingTime::WaitProcessingMessages(std::uint32_t milliseconds) {
  Recorder.Record(TWaitAction{milliseconds});
  Tick += milliseconds;
  if (OnWait)
    OnWait();
}

}  // namespace tolvane::recording
