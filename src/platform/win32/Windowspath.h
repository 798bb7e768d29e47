#pragma once

#include <string>
#include <string_view>

namespace tolvane::win32 {

// The path with every '/' turned into '\\', which not every Windows function accepts.
std::wstring ToWindowsPath(std::u16string_view path);
// Length of the part that names the volume, separator included where present: "C:\", "\\server\share\",
// "\\?\C:\", "\"; 0 for a relative path.
std::size_t RootLength(std::wstring_view path);

}  // namespace tolvane::win32
