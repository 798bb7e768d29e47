#pragma once
// Portable value types shared by the platform service interfaces. No operating-system headers here.

#include <cstdint>
#include <string>

namespace tolvane::platform {

// An opaque top-level window handle (HWND on Windows); 0 means no window.
using TWindowHandle = std::uintptr_t;

// The last failure of a service: the system's error code and its message text.
struct TSystemError {
  std::uint32_t Code = 0;
  std::u16string Message;

  bool operator==(const TSystemError&) const = default;
};

// Local calendar time as the system reports it.
struct TDateTime {
  int Year = 0;
  int Month = 0;  // 1 … 12
  int Day = 0;    // 1 … 31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  int DayOfWeek = 0;  // 0 = Sunday … 6 = Saturday

  bool operator==(const TDateTime&) const = default;
};

}  // namespace tolvane::platform
