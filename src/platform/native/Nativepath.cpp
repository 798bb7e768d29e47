#include "platform/native/Nativepath.h"

#include <algorithm>

#include "common/Unicode.h"

namespace tolvane::native {

std::filesystem::path NativePath(std::u16string_view path) {
  std::string utf8 = Utf16ToUtf8(path);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return std::filesystem::path(utf8);
}

std::u16string PathText(const std::filesystem::path& path) {
  return Utf8ToUtf16(path.native());
}

}  // namespace tolvane::native
