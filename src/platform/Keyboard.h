#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tolvane::platform {

// One synthetic keyboard event; the portable image of a keyboard INPUT record (time stamp 0, no extra info).
struct TKeyRecord {
  std::uint16_t VirtualKey = 0;
  std::uint16_t ScanCode = 0;  // the UTF-16 code unit for Unicode records
  std::uint32_t Flags = 0;     // combination of the KeyFlag values

  bool operator==(const TKeyRecord&) const = default;
};

// Same values as KEYEVENTF_EXTENDEDKEY, KEYEVENTF_KEYUP and KEYEVENTF_UNICODE.
inline constexpr std::uint32_t KeyFlagExtended = 1;
inline constexpr std::uint32_t KeyFlagUp = 2;
inline constexpr std::uint32_t KeyFlagUnicode = 4;

class IKeyboard {
 public:
  virtual ~IKeyboard() = default;

  // Injects the records as one batch (one SendInput call on Windows). Returns how many were injected, which
  // can be fewer than asked when another input source or a higher-integrity window blocks injection.
  virtual std::size_t SendBatch(std::span<const TKeyRecord> records) = 0;
  // Live state of a key (virtual key code) at the moment of the call.
  virtual bool IsKeyDown(int virtualKey) = 0;
};

}  // namespace tolvane::platform
