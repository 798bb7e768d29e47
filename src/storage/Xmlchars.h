#pragma once
// Character classes and the text escaping of the XML model. All positions are UTF-16 code units.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane::storage {

// Whitespace as the grammar skips it: every code from 1 to 32.
inline bool IsXmlSkippable(char16_t c) {
  return c >= 1 && c <= 32;
}

// What plain text loses at its end: every code of 32 or less.
inline bool IsXmlTrimmable(char16_t c) {
  return c <= 32;
}

namespace xmlchars_detail {
// Bit 1: name start character, bit 2: name character; for the ASCII range.
inline constexpr std::array<unsigned char, 128> AsciiNameClass = [] {
  std::array<unsigned char, 128> table{};
  for (int c = 'A'; c <= 'Z'; ++c)
    table[c] = 3;
  for (int c = 'a'; c <= 'z'; ++c)
    table[c] = 3;
  for (int c = '0'; c <= '9'; ++c)
    table[c] = 2;
  table[':'] = table['_'] = 3;
  table['-'] = table['.'] = 2;
  return table;
}();
bool IsWideNameStartChar(char16_t c);
bool IsWideNameChar(char16_t c);
}  // namespace xmlchars_detail

// NameStartChar and NameChar of XML 1.0 (Fifth Edition), limited to the Basic Multilingual Plane: surrogate
// code units are never name characters.
inline bool IsNameStartChar(char16_t c) {
  return c < 128 ? (xmlchars_detail::AsciiNameClass[c] & 1) != 0 : xmlchars_detail::IsWideNameStartChar(c);
}
inline bool IsNameChar(char16_t c) {
  return c < 128 ? (xmlchars_detail::AsciiNameClass[c] & 2) != 0 : xmlchars_detail::IsWideNameChar(c);
}

// Removes every trailing code of 32 or less.
std::u16string_view TrimXmlRight(std::u16string_view text);
// Appends the text with " & ' < > replaced by their entities.
void AppendEscapedXml(std::u16string& out, std::u16string_view text);
// How many units AppendEscapedXml writes for the text.
std::size_t EscapedXmlLength(std::u16string_view text);
// The text with its entities, without trailing codes of 32 or less.
std::u16string EscapeXmlText(std::u16string_view text);
// Replaces the five predefined entities by their characters (an "&" counts only when a ";" follows within
// five characters; everything else, numeric references included, stays as it is) and removes trailing codes
// of 32 or less.
std::u16string DecodeXmlText(std::u16string_view text);

}  // namespace tolvane::storage
