#include "platform/native/Posixerror.h"

#include <system_error>

#include "common/Unicode.h"

namespace tolvane::native {

platform::TSystemError ErrnoError(int code) {
  return ErrnoError(code, std::generic_category().message(code));
}

platform::TSystemError ErrnoError(int code, const std::string& message) {
  return {static_cast<std::uint32_t>(code), Utf8ToUtf16(message)};
}

}  // namespace tolvane::native
