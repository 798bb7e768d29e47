#include "platform/recording/Recordingkeyboard.h"

#include <algorithm>

namespace tolvane::recording {

std::size_t TRecordingKeyboard::SendBatch(std::span<const platform::TKeyRecord> records) {
  Requested.emplace_back(records.begin(), records.end());
  const std::size_t injected = std::min(records.size(), Limit.value_or(records.size()));
  if (injected > 0)
    Recorder.Record(TKeyBatchAction{{records.begin(), records.begin() + injected}});
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
