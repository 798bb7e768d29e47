#include "platform/native/Nativeversionstrings.h"

#include <filesystem>
#include <system_error>

#include "common/Unicode.h"
#include "common/Version.h"
#include "platform/native/Nativepath.h"

namespace tolvane::native {

std::optional<std::u16string> TNativeVersionStrings::Value(std::u16string_view path,
                                                           std::u16string_view key) {
  std::error_code error;
  if (!std::filesystem::equivalent(NativePath(path), std::filesystem::read_symlink("/proc/self/exe", error),
                                   error))
    return std::nullopt;
  if (key == u"FileVersion" || key == u"ProductVersion")
    return Utf8ToUtf16(TOLVANE_VERSION_TEXT);
  return std::nullopt;
}

}  // namespace tolvane::native
