#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Clipboard.h"
#include "platform/Time.h"

namespace tolvane::execution {

// How long the paste target may take to read a pasted text before the earlier content goes back anyway,
// and how often that is looked at.
inline constexpr std::uint32_t PasteTakeTimeoutMs = 1000;
inline constexpr std::uint32_t PasteTakePollMs = 20;
// The target holds the clipboard open while it reads; putting the content back waits for it.
inline constexpr int RestoreAttempts = 10;
inline constexpr std::uint32_t RestoreRetryMs = 50;

// The clipboard of one action that pastes through it: the text goes there marked to stay out of the
// clipboard history, and once the target has taken it what the user had on the clipboard goes back.
class TPasteClipboard {
 public:
  // With restore off the pasted text stays on the clipboard, as it did before content was put back.
  TPasteClipboard(platform::IClipboard& clipboard, platform::ITime& time, bool restore)
      : Clipboard(clipboard), Time(time), RestoreEnabled(restore) {}
  TPasteClipboard(const TPasteClipboard&) = delete;
  TPasteClipboard& operator=(const TPasteClipboard&) = delete;
  ~TPasteClipboard() { (void)Finish(); }

  // One attempt to put the text on the clipboard for a paste; the first keeps a copy of what is there.
  [[nodiscard]] bool Put(std::u16string_view text);
  // Before the program changes the clipboard in another way for this action (copying from the target, say):
  // the copy of the user's content is taken now.
  void KeepUserContent();
  // What the clipboard holds now is the action's result, meant to stay: nothing goes back.
  void Keep() { Kept = true; }
  // Waits until the target has taken the pasted text, then puts the user's content back, unless another
  // program has replaced the text meanwhile. Runs once; false when the content should have gone back and
  // could not.
  [[nodiscard]] bool Finish();

 private:
  void WaitUntilTaken();

  platform::IClipboard& Clipboard;
  platform::ITime& Time;
  bool RestoreEnabled;
  bool Kept = false;
  bool Pasted = false;
  std::optional<platform::TClipboardSnapshot> Saved;
};

}  // namespace tolvane::execution
