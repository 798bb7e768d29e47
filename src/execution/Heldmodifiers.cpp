#include "execution/Heldmodifiers.h"

#include <algorithm>

namespace tolvane::execution {
namespace {

std::vector<TModifierKey> KeysDown(platform::IKeyboard& keyboard) {
  std::vector<TModifierKey> down;
  std::copy_if(ModifierKeys.begin(), ModifierKeys.end(), std::back_inserter(down),
               [&](const TModifierKey& key) { return keyboard.IsKeyDown(key.VirtualKey); });
  return down;
}

std::vector<platform::TKeyRecord> Records(const std::vector<TModifierKey>& keys, std::uint32_t flags) {
  std::vector<platform::TKeyRecord> records;
  for (const TModifierKey& key : keys)
    records.push_back({key.VirtualKey, 0, flags | (key.Extended ? platform::KeyFlagExtended : 0)});
  return records;
}

}  // namespace

THeldModifiers::THeldModifiers(platform::IKeyboard& keyboard, platform::ITime& time) : Keyboard(keyboard) {
  for (std::uint32_t waited = 0; waited < ModifierReleaseWaitMs; waited += ModifierPollMs) {
    if (KeysDown(keyboard).empty())
      return;
    time.Sleep(ModifierPollMs);
  }
  const std::vector<TModifierKey> down = KeysDown(keyboard);
  const std::vector<platform::TKeyRecord> releases = Records(down, platform::KeyFlagUp);
  if (releases.empty())
    return;
  // Only the keys actually lifted are pressed again afterwards.
  const std::size_t injected = std::min(keyboard.SendBatch(releases), down.size());
  Keys.assign(down.begin(), down.begin() + static_cast<std::ptrdiff_t>(injected));
}

THeldModifiers::~THeldModifiers() {
  if (!Keys.empty())
    (void)Keyboard.SendBatch(Records(Keys, 0));
}

}  // namespace tolvane::execution
