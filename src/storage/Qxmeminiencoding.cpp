#include "storage/Qxmeminiencoding.h"

#include <algorithm>
#include <cstdint>

#include "common/Asciicase.h"
#include "common/Unicode.h"

namespace tolvane::storage {
namespace {

constexpr std::size_t DetectionWindow = 200;
constexpr std::size_t ZeroCountWindow = 20;

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LEMark = "\xFF\xFE";
constexpr std::string_view Utf16BEMark = "\xFE\xFF";
constexpr std::string_view Utf32LEMark{"\xFF\xFE\0\0", 4};
constexpr std::string_view Utf32BEMark{"\0\0\xFE\xFF", 4};

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

bool MentionsUtf8(std::string_view window) {
  constexpr std::string_view Name = "utf-8";
  const auto found = std::search(window.begin(), window.end(), Name.begin(), Name.end(),
                                 [](char a, char b) { return AsciiLower(a) == b; });
  return found != window.end();
}

// Text without a mark: ASCII in UTF-16 leaves a zero in every other byte.
std::optional<int> Utf16ByZeroBytes(std::string_view bytes) {
  const std::string_view window = bytes.substr(0, ZeroCountWindow);
  int even = 0;
  int odd = 0;
  for (std::size_t i = 0; i < window.size(); ++i) {
    if (window[i] == '\0')
      ++(i % 2 == 0 ? even : odd);
  }
  if (even > 1)
    return platform::codepage::Utf16BE;
  if (odd > 1)
    return platform::codepage::Utf16LE;
  return std::nullopt;
}

std::u16string WidenUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    text[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return text;
}

std::string NarrowUtf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

}  // namespace

TIniEncoding DetectIniEncoding(std::string_view bytes) {
  const std::string_view window = bytes.substr(0, DetectionWindow);
  if (StartsWith(window, Utf8Mark))
    return {platform::codepage::Utf8, Utf8Mark.size(), false};
  if (StartsWith(window, Utf32BEMark) || StartsWith(window, Utf32LEMark))
    return {0, 4, true};
  if (StartsWith(window, Utf16BEMark))
    return {platform::codepage::Utf16BE, Utf16BEMark.size(), false};
  if (StartsWith(window, Utf16LEMark))
    return {platform::codepage::Utf16LE, Utf16LEMark.size(), false};
  if (const std::optional<int> utf16 = Utf16ByZeroBytes(window))
    return {*utf16, 0, false};
  if (MentionsUtf8(window))
    return {platform::codepage::Utf8, 0, false};
  return {platform::codepage::Ansi, 0, false};
}

std::optional<std::u16string> DecodeIniBytes(platform::ICodePages& codePages, int codePage,
                                             std::string_view bytes) {
  switch (codePage) {
    case platform::codepage::Utf8:
      return Utf8ToUtf16(bytes);
    case platform::codepage::Utf16LE:
      return WidenUtf16(bytes, false);
    case platform::codepage::Utf16BE:
      return WidenUtf16(bytes, true);
    default:
      return codePages.ToUtf16(platform::codepage::Ansi, bytes, false);
  }
}

std::optional<std::string> EncodeIniText(platform::ICodePages& codePages, int codePage, bool withMark,
                                         std::u16string_view text) {
  switch (codePage) {
    case platform::codepage::Utf8:
      return std::string(withMark ? Utf8Mark : "") + Utf16ToUtf8(text);
    case platform::codepage::Utf16LE:
      return std::string(withMark ? Utf16LEMark : "") + NarrowUtf16(text, false);
    case platform::codepage::Utf16BE:
      return std::string(withMark ? Utf16BEMark : "") + NarrowUtf16(text, true);
    default:
      return codePages.FromUtf16(platform::codepage::Ansi, text);
  }
}

}  // namespace tolvane::storage
