#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Keyboard.h"

namespace tolvane::modifier {

// Sends lines of text and single key presses into the foreground window, one injection call each. Once the
// system cuts an injection short, the keys it left down are released and everything after it is dropped:
// the rest would land out of place.
class TKeyTyper {
 public:
  explicit TKeyTyper(platform::IKeyboard& keyboard) : Keyboard(keyboard) {}

  // Each code unit as a Unicode key press, a CR as Enter (the LF of a CR LF pair goes with it). With
  // homeAfterEnter, Home follows every Enter.
  void Type(std::u16string_view text, bool homeAfterEnter);
  // Down and up of the virtual key, `times` times, each press on its own.
  void Press(std::uint16_t virtualKey, std::size_t times = 1);

  bool Failed() const { return CutOff; }

 private:
  void Send(const std::vector<platform::TKeyRecord>& records);

  platform::IKeyboard& Keyboard;
  bool CutOff = false;
};

// The records Type sends for one text.
std::vector<platform::TKeyRecord> TypingRecords(std::u16string_view text, bool homeAfterEnter);

}  // namespace tolvane::modifier
