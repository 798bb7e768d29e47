#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::win32 {

// UTF-16 text stored as bytes in either order. An odd trailing byte is invalid: nullopt when strict,
// otherwise it becomes U+FFFD.
std::optional<std::u16string> Utf16FromBytes(std::string_view bytes, bool bigEndian, bool strict);
std::string Utf16ToBytes(std::u16string_view text, bool bigEndian);

}  // namespace tolvane::win32
