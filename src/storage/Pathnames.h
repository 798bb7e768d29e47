#pragma once
// File-name pieces for settings and recent files. Both '\' and '/' separate folders on every system; the
// build's own separator is the one added.

#include <string>
#include <string_view>

namespace tolvane::storage {

#ifdef _WIN32
inline constexpr char16_t PathDelimiter = u'\\';
#else
inline constexpr char16_t PathDelimiter = u'/';
#endif

bool IsPathDelimiter(char16_t c);
// The folder part including its final separator (or the drive, "C:"); empty for a bare name.
std::u16string_view ExtractFilePath(std::u16string_view path);
std::u16string_view ExtractFileName(std::u16string_view path);
// The name without its last extension (from the last "." of the file name on).
std::u16string_view RemoveExtension(std::u16string_view path);
// The path with a separator added when it does not end in one; an empty path stays empty.
std::u16string IncludeTrailingDelimiter(std::u16string_view path);
// ASCII letters compared ignoring case, enough for the program's own extensions.
bool EndsWithIgnoringCase(std::u16string_view text, std::u16string_view suffix);

}  // namespace tolvane::storage
