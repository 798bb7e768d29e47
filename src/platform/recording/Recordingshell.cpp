#include "platform/recording/Recordingshell.h"

namespace tolvane::recording {

bool TRecordingShell::Open(const platform::TShellOpenRequest& request) {
  Received.push_back(request);
  if (NextFailure) {
    Error = *NextFailure;
    NextFailure.reset();
    return false;
  }
  Recorder.Record(TShellOpenAction{request});
  return true;
}

}  // namespace tolvane::recording
