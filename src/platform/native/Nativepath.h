#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tolvane::native {

// A UTF-16 path with either separator as a file-system path ('\' becomes '/').
std::filesystem::path NativePath(std::u16string_view path);
// A file-system path as UTF-16 with '/' separators.
std::u16string PathText(const std::filesystem::path& path);

}  // namespace tolvane::native
