#pragma once

#include "platform/Keyboard.h"

namespace tolvane::win32 {

// Synthetic keyboard input through SendInput and the asynchronous key state.
class TKeyboard final : public platform::IKeyboard {
 public:
  std::size_t SendBatch(std::span<const platform::TKeyRecord> records) override;
  bool IsKeyDown(int virtualKey) override;
};

}  // namespace tolvane::win32
