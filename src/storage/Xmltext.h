#pragma once
// What the parser needs to know about its text in either form: UTF-16 code units or UTF-8 bytes. A UTF-8
// text is read exactly as its UTF-16 conversion would be: invalid sequences count as U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Unicode.h"
#include "storage/Xmlchars.h"

namespace tolvane::storage {

// The code unit or byte as a number (bytes are unsigned).
inline unsigned UnitValue(char16_t unit) {
  return unit;
}
inline unsigned UnitValue(char unit) {
  return static_cast<unsigned char>(unit);
}

// Whether the text holds the ASCII characters at pos.
template <class TChar>
bool HasAsciiAt(std::basic_string_view<TChar> text, std::size_t pos, std::string_view ascii) {
  if (pos > text.size() || text.size() - pos < ascii.size())
    return false;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    if (UnitValue(text[pos + i]) != static_cast<unsigned char>(ascii[i]))
      return false;
  }
  return true;
}

// The length of the name character at pos (a NameStartChar when start is set); 0 when there is none.
inline std::size_t NameCharLength(std::u16string_view text, std::size_t pos, bool start) {
  return pos < text.size() && (start ? IsNameStartChar(text[pos]) : IsNameChar(text[pos])) ? 1 : 0;
}
std::size_t WideNameCharLength(std::string_view text, std::size_t pos, bool start);
inline std::size_t NameCharLength(std::string_view text, std::size_t pos, bool start) {
  if (pos >= text.size())
    return 0;
  const unsigned c = UnitValue(text[pos]);
  if (c >= 0x80)
    return WideNameCharLength(text, pos, start);
  const auto unit = static_cast<char16_t>(c);
  return (start ? IsNameStartChar(unit) : IsNameChar(unit)) ? 1 : 0;
}

// Whether the text at pos spells name, and how long that is in the text.
std::size_t MatchName(std::u16string_view text, std::size_t pos, std::u16string_view name);
std::size_t MatchName(std::string_view text, std::size_t pos, std::string_view name);

// The position count UTF-16 units after pos; npos when the text ends before.
std::size_t SkipUnits(std::u16string_view text, std::size_t pos, std::size_t count);
std::size_t SkipUnits(std::string_view text, std::size_t pos, std::size_t count);

void AppendUtf16(std::u16string& out, std::u16string_view text);
void AppendUtf16(std::u16string& out, std::string_view bytes);
// Plain element text as GetValue gives it: the five predefined entities decoded (text arrives trimmed).
void AppendDecodedUtf16(std::u16string& out, std::u16string_view text);
void AppendDecodedUtf16(std::u16string& out, std::string_view bytes);
template <class TChar>
std::u16string ToUtf16(std::basic_string_view<TChar> text) {
  std::u16string out;
  AppendUtf16(out, text);
  return out;
}

// Up to count UTF-16 units of the text from unitsBefore units before pos.
std::u16string TextAround(std::u16string_view text, std::size_t pos, std::size_t unitsBefore,
                          std::size_t count);
std::u16string TextAround(std::string_view text, std::size_t pos, std::size_t unitsBefore, std::size_t count);

}  // namespace tolvane::storage
