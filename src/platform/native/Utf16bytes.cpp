#include "platform/native/Utf16bytes.h"

namespace tolvane::native {
namespace {

constexpr char16_t Replacement = 0xFFFD;

bool IsHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Replaces unpaired surrogates; false when there was one.
bool ReplaceUnpairedSurrogates(std::u16string& text) {
  bool clean = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
      ++i;
    } else if (IsHigh(text[i]) || IsLow(text[i])) {
      text[i] = Replacement;
      clean = false;
    }
  }
  return clean;
}

}  // namespace

std::optional<std::u16string> DecodeUtf16Bytes(std::string_view bytes, bool bigEndian, bool strict) {
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  const bool oddByte = bytes.size() % 2 != 0;
  if (oddByte)
    text.push_back(Replacement);
  const bool paired = ReplaceUnpairedSurrogates(text);
  if (strict && (oddByte || !paired))
    return std::nullopt;
  return text;
}

std::string EncodeUtf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t c : text) {
    const auto high = static_cast<char>(c >> 8);
    const auto low = static_cast<char>(c & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

}  // namespace tolvane::native
