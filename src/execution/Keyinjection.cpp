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
    if (keys.test(code))
      records.push_back({static_cast<std::uint16_t>(code), 0, platform::KeyFlagUp});
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
