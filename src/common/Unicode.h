#pragma once
// UTF-8 <-> UTF-16 conversion for the program's own text edges (standard streams, Linux file names, tests).
// Code pages of stored files go through the platform's ICodePages instead.

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// Invalid sequences become U+FFFD, one per maximal invalid subpart, as the Unicode standard recommends.
std::u16string Utf8ToUtf16(std::string_view bytes);
// Nullopt on any invalid sequence (overlong forms, surrogates, values above U+10FFFF, truncation).
std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view bytes);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Shorthand for literals in code and tests: u8 text to UTF-16.
inline std::u16string U16(std::string_view utf8) {
  return Utf8ToUtf16(utf8);
}

}  // namespace tolvane
