#include "platform/native/Nativeprograminfo.h"

#include <filesystem>
#include <system_error>

#include "common/Unicode.h"
#include "common/Version.h"
#include "platform/native/Nativepath.h"

namespace tolvane::native {
namespace {

std::filesystem::path OwnExecutable() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

}  // namespace

std::u16string TNativeProgramInfo::ExecutablePath() {
  return PathText(OwnExecutable());
}

std::optional<std::u16string> TNativeProgramInfo::FileVersion(std::u16string_view path) {
  std::error_code error;
  if (!std::filesystem::equivalent(NativePath(path), OwnExecutable(), error))
    return std::nullopt;
  return Utf8ToUtf16(TOLVANE_VERSION_TEXT);
}

}  // namespace tolvane::native
