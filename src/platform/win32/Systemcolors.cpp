#include "platform/win32/Systemcolors.h"

#include "platform/win32/Win.h"

namespace tolvane::win32 {

std::uint32_t TSystemColors::Color(int index) {
  // GetSysColor answers 0 for an index the system does not know, the same as the interface promises.
  return static_cast<std::uint32_t>(::GetSysColor(index));
}

}  // namespace tolvane::win32
