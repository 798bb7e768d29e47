#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <vector>

#include "platform/Keyboard.h"
#include "platform/recording/Recorder.h"

namespace tolvane::recording {

class TRecordingKeyboard final : public platform::IKeyboard {
 public:
  explicit TRecordingKeyboard(TRecorder& recorder) : Recorder(recorder) {}

  std::size_t SendBatch(std::span<const platform::TKeyRecord> records) override;
  bool IsKeyDown(int virtualKey) override { return KeysDown.contains(virtualKey); }

  void SetKeyDown(int virtualKey, bool down);
  // From now on at most `maximum` records of each batch are injected, as when injection is blocked part-way;
  // nullopt injects everything again.
  void LimitInjection(std::optional<std::size_t> maximum) { Limit = maximum; }
  // Every batch as asked, including records that were not injected, while the recorder keeps its log; the
  // same batch asked for several times in a row is one entry with its Times.
  const std::vector<TKeyBatchAction>& Batches() const { return Requested; }

 private:
  TRecorder& Recorder;
  std::set<int> KeysDown;
  std::optional<std::size_t> Limit;
  std::vector<TKeyBatchAction> Requested;
};

}  // namespace tolvane::recording
