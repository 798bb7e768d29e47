#pragma once
// Conversions through iconv between a named character set and UTF-16.

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::native {

bool IconvKnows(const std::string& charset);
// nullopt when iconv lacks the character set, or (strict) on an invalid or truncated sequence; otherwise
// invalid sequences become U+FFFD.
std::optional<std::u16string> IconvToUtf16(const std::string& charset, std::string_view bytes, bool strict);
// Characters the set cannot hold become '?'; nullopt when iconv lacks the character set.
std::optional<std::string> IconvFromUtf16(const std::string& charset, std::u16string_view text);

}  // namespace tolvane::native
