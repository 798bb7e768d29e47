#include "storage/Xmlencoding.h"

#include <algorithm>
#include <array>

#include "common/Asciicase.h"
#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace {

constexpr std::size_t DetectionWindow = 1024;

struct TNamedCodePage {
  std::string_view Name;
  std::uint32_t CodePage;
};

// Longer names first where one name begins another.
constexpr std::array<TNamedCodePage, 12> NamedCodePages{{
    {"UTF-8", xmlcodepage::Utf8},
    {"ISO-8859-13", xmlcodepage::Iso8859_13},
    {"ISO-8859-15", xmlcodepage::Iso8859_15},
    {"ISO-8859-1", xmlcodepage::Iso8859_1},
    {"ISO-8859-2", xmlcodepage::Iso8859_1 + 1},
    {"ISO-8859-3", xmlcodepage::Iso8859_1 + 2},
    {"ISO-8859-4", xmlcodepage::Iso8859_1 + 3},
    {"ISO-8859-5", xmlcodepage::Iso8859_1 + 4},
    {"ISO-8859-6", xmlcodepage::Iso8859_1 + 5},
    {"ISO-8859-7", xmlcodepage::Iso8859_1 + 6},
    {"ISO-8859-8", xmlcodepage::Iso8859_1 + 7},
    {"ISO-8859-9", xmlcodepage::Iso8859_9},
}};

bool HasPrefix(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// The window as upper-cased single-byte text up to its first zero byte.
std::string SingleByteWindow(std::string_view window) {
  std::string text(window.substr(0, window.find('\0')));
  std::transform(text.begin(), text.end(), text.begin(), AsciiUpper<char>);
  return text;
}

// The window as upper-cased UTF-16 text (of either byte order) up to its first zero code unit.
std::u16string Utf16Window(std::string_view window, bool bigEndian) {
  std::u16string text;
  for (std::size_t i = 0; i < window.size(); i += 2) {
    const auto first = static_cast<unsigned char>(window[i]);
    const auto second = static_cast<unsigned char>(i + 1 < window.size() ? window[i + 1] : 0);
    const char16_t unit = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    if (unit == 0)
      break;
    text.push_back(AsciiUpper(unit));
  }
  return text;
}

TXmlText NewText(std::size_t capacity) {
  return {std::make_unique_for_overwrite<char16_t[]>(std::max<std::size_t>(capacity, 1)), 0};
}

TXmlText DecodeUtf8(std::string_view bytes) {
  TXmlText text = NewText(bytes.size());
  text.Size = DecodeUtf8Into(text.Units.get(), bytes);
  return text;
}

TXmlText WidenUtf16(std::string_view bytes, bool bigEndian) {
  TXmlText text = NewText(bytes.size() / 2);
  text.Size = bytes.size() / 2;
  const int high = bigEndian ? 0 : 1;
  for (std::size_t i = 0; i < text.Size; ++i) {
    const auto hi = static_cast<unsigned char>(bytes[2 * i + high]);
    const auto lo = static_cast<unsigned char>(bytes[2 * i + 1 - high]);
    text.Units[i] = static_cast<char16_t>((hi << 8) | lo);
  }
  return text;
}

}  // namespace

TXmlEncoding DetectXmlEncoding(std::string_view bytes) {
  const std::string_view window = bytes.substr(0, DetectionWindow);
  if (HasPrefix(window, "\xEF\xBB\xBF"))
    return {xmlcodepage::Utf8, 3};
  if (HasPrefix(window, std::string_view("\x00\x00\xFE\xFF", 4)))
    return {xmlcodepage::Utf32BE, 4};
  if (HasPrefix(window, std::string_view("\xFF\xFE\x00\x00", 4)))
    return {xmlcodepage::Utf32LE, 4};
  if (HasPrefix(window, "\xFE\xFF"))
    return {xmlcodepage::Utf16BE, 2};
  if (HasPrefix(window, "\xFF\xFE"))
    return {xmlcodepage::Utf16LE, 2};
  const std::string singleByte = SingleByteWindow(window);
  for (const TNamedCodePage& named : NamedCodePages) {
    if (singleByte.find(named.Name) != std::string::npos)
      return {named.CodePage, 0};
  }
  if (singleByte.find("US-ASCII") != std::string::npos)
    return {xmlcodepage::UsAscii, 0};
  if (Utf16Window(window, false).find(u"UTF-16") != std::u16string::npos)
    return {xmlcodepage::Utf16LE, 0};
  if (Utf16Window(window, true).find(u"UTF-16") != std::u16string::npos)
    return {xmlcodepage::Utf16BE, 0};
  return {};
}

bool IsSingleByteXmlCodePage(std::uint32_t codePage) {
  return (codePage >= xmlcodepage::Iso8859_1 && codePage <= xmlcodepage::Iso8859_9) ||
         codePage == xmlcodepage::Iso8859_13 || codePage == xmlcodepage::Iso8859_15 ||
         codePage == xmlcodepage::UsAscii;
}

std::optional<TXmlText> DecodeXmlBytes(platform::ICodePages& codePages, std::uint32_t codePage,
                                       std::string_view bytes) {
  if (codePage == xmlcodepage::Utf8)
    return DecodeUtf8(bytes);
  if (codePage == xmlcodepage::Utf16LE || codePage == xmlcodepage::Utf16BE)
    return WidenUtf16(bytes, codePage == xmlcodepage::Utf16BE);
  if (!IsSingleByteXmlCodePage(codePage))
    return std::nullopt;
  const std::optional<std::u16string> decoded = codePages.ToUtf16(codePage, bytes, false);
  if (!decoded)
    return std::nullopt;
  TXmlText text = NewText(decoded->size());
  text.Size = decoded->size();
  std::ranges::copy(*decoded, text.Units.get());
  return text;
}

}  // namespace tolvane::storage
