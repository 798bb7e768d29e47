#include "platform/win32/Keyboard.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/win32/Win.h"

namespace tolvane::win32 {

namespace {

static_assert(platform::KeyFlagExtended == KEYEVENTF_EXTENDEDKEY);
static_assert(platform::KeyFlagUp == KEYEVENTF_KEYUP);
static_assert(platform::KeyFlagUnicode == KEYEVENTF_UNICODE);

INPUT ToInput(const platform::TKeyRecord& record) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = record.VirtualKey;
  input.ki.wScan = record.ScanCode;
  input.ki.dwFlags = record.Flags;
  return input;
}

}  // namespace

std::size_t TKeyboard::SendBatch(std::span<const platform::TKeyRecord> records) {
  const std::size_t count = std::min<std::size_t>(records.size(), std::numeric_limits<UINT>::max());
  if (count == 0)
    return 0;
  std::vector<INPUT> inputs(count);
  std::transform(records.begin(), records.begin() + count, inputs.begin(), &ToInput);
  return ::SendInput(static_cast<UINT>(count), inputs.data(), sizeof(INPUT));
}

bool TKeyboard::IsKeyDown(int virtualKey) {
  return (static_cast<unsigned short>(::GetAsyncKeyState(virtualKey)) & 0x8000U) != 0;
}

}  // namespace tolvane::win32
