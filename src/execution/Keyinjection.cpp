#include "execution/Keyinjection.h"

#include <algorithm>
#include <cstdint>

namespace tolvane::execution {
namespace {

void NoteInjected(std::span<const platform::TKeyRecord> injected, TKeyState& pressed) {
  for (const platform::TKeyRecord& record : injected) {
    if ((record.Flags & platform::KeyFlagUnicode) != 0 || record.VirtualKey >= KeyStateSize)
      continue;
    pressed.set(record.VirtualKey, (record.Flags & platform::KeyFlagUp) == 0);
  }
}

}  // namespace

std::vector<platform::TKeyRecord> ReleaseRecords(const TKeyState& keys) {
  std::vector<platform::TKeyRecord> records;
  for (std::size_t code = 0; code < keys.size(); ++code) {
    if (!keys.test(code))
      continue;
    // The release must carry the extended flag of the press, or it reaches the target as its
    // numeric-pad twin and the navigation key stays down.
    const auto key = static_cast<std::uint16_t>(code);
    const std::uint32_t extended = IsExtendedKey(key) ? platform::KeyFlagExtended : 0;
    records.push_back({key, 0, platform::KeyFlagUp | extended});
  }
  return records;
}

bool SendTracked(platform::IKeyboard& keyboard, std::span<const platform::TKeyRecord> records,
                 TKeyState& pressed) {
  const std::size_t injected = keyboard.SendBatch(records);
  NoteInjected(records.first(std::min(injected, records.size())), pressed);
  return injected >= records.size();
}

bool ReleaseKeys(platform::IKeyboard& keyboard, TKeyState& keys) {
  const std::vector<platform::TKeyRecord> records = ReleaseRecords(keys);
  if (records.empty())
    return true;
  return SendTracked(keyboard, records, keys);
}

}  // namespace tolvane::execution
