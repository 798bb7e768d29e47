#include "platform/native/Nativekeyboard.h"

namespace tolvane::native {

std::size_t TNativeKeyboard::SendBatch(std::span<const platform::TKeyRecord> records) {
  Sent.emplace_back(records.begin(), records.end());
  return records.size();
}

void TNativeKeyboard::SetKeyDown(int virtualKey, bool down) {
  if (down) {
    KeysDown.insert(virtualKey);
  } else {
    KeysDown.erase(virtualKey);
  }
}

}  // namespace tolvane::native
