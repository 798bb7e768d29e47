#include "execution/Macroplayer.h"

#include "execution/Keyinjection.h"

namespace tolvane::execution {
namespace {

[[nodiscard]] bool PlayBatches(const std::vector<TExecuteItem>& batches, platform::IKeyboard& keyboard,
                               platform::ITime& time, TKeyState& pressed) {
  for (const TExecuteItem& batch : batches) {
    if (batch.Events.empty()) {
      time.Sleep(batch.Delay);
      continue;
    }
    if (!SendTracked(keyboard, batch.Events, pressed))
      return false;
    time.Sleep(BatchGapMs);
  }
  return true;
}

}  // namespace

bool PlayInputList(TQxInputList& list, int repeatCount, platform::IKeyboard& keyboard,
                   platform::ITime& time) {
  list.BuildBatches();
  for (int repetition = 0; repetition < repeatCount; ++repetition) {
    TKeyState pressed;
    if (!PlayBatches(list.Batches(), keyboard, time, pressed)) {
      (void)ReleaseKeys(keyboard, pressed);  // best effort; the playback has failed already
      return false;
    }
    // A complete repetition leaves exactly the keys the build left pressed.
    TKeyState leftPressed = list.KeyState();
    if (!ReleaseKeys(keyboard, leftPressed))
      return false;
  }
  return true;
}

}  // namespace tolvane::execution
