#include "platform/win32/Utf16bytes.h"

namespace tolvane::win32 {

std::optional<std::u16string> Utf16FromBytes(std::string_view bytes, bool bigEndian, bool strict) {
  const bool odd = bytes.size() % 2 != 0;
  if (odd && strict)
    return std::nullopt;
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  if (odd)
    text += u'\uFFFD';
  return text;
}

std::string Utf16ToBytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace tolvane::win32
