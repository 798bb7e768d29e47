#pragma once

#include <set>
#include <vector>

#include "platform/Keyboard.h"

namespace tolvane::native {

// Natively there is no window to type into: batches are kept for the caller to inspect, and key states are
// whatever the caller set (all keys up at first).
class TNativeKeyboard final : public platform::IKeyboard {
 public:
  std::size_t SendBatch(std::span<const platform::TKeyRecord> records) override;
  bool IsKeyDown(int virtualKey) override { return KeysDown.contains(virtualKey); }

  void SetKeyDown(int virtualKey, bool down);
  const std::vector<std::vector<platform::TKeyRecord>>& Batches() const { return Sent; }

 private:
  std::set<int> KeysDown;
  std::vector<std::vector<platform::TKeyRecord>> Sent;
};

}  // namespace tolvane::native
