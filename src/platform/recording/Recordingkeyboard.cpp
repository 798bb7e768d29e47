#include "platform/recording/Recordingkeyboard.h"

#include <algorithm>

namespace tolvane::recording {

std::size_t TRecordingKeyboard::SendBatch(std::span<const platform::TKeyRecord> records) {
  if (Recorder.IsKeeping()) {
    if (!Requested.empty() && std::ranges::equal(Requested.back().Records, records))
      ++Requested.back().Times;
    else
      Requested.push_back(TKeyBatchAction{{records.begin(), records.end()}});
  }
  const std::size_t injected = std::min(records.size(), Limit.value_or(records.size()));
  if (injected > 0)
    Recorder.RecordKeys(records.first(injected));
  return injected;
}

void TRecordingKeyboard::SetKeyDown(int virtualKey, bool down) {
  if (down) {
    KeysDown.insert(virtualKey);
  } else {
    KeysDown.erase(virtualKey);
  }
}

}  // namespace tolvane::recording
