#include "platform/native/Nativecodepages.h"

#include "common/Unicode.h"
#include "platform/native/Iconvtext.h"
#include "platform/native/Utf16bytes.h"

namespace tolvane::native {
namespace {

namespace cp = platform::codepage;

std::optional<std::u16string> AsciiToUtf16(std::string_view bytes, bool strict) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x80 && strict)
      return std::nullopt;
    text.push_back(value < 0x80 ? value : char16_t{0xFFFD});
  }
  return text;
}

std::string AsciiFromUtf16(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool pair =
        c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pair)
      ++i;  // one character, one '?'
    bytes.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  }
  return bytes;
}

}  // namespace

std::optional<std::string> IconvCharsetName(std::uint32_t codePage) {
  if (codePage >= 1250 && codePage <= 1258)
    return "CP" + std::to_string(codePage);
  if (codePage >= cp::Iso8859_1 && codePage <= cp::Iso8859_1 + 15) {
    return "ISO-8859-" + std::to_string(codePage - cp::Iso8859_1 + 1);
  }
  return std::nullopt;
}

bool TNativeCodePages::IsSupported(std::uint32_t codePage) {
  const std::uint32_t page = Resolved(codePage);
  if (page == cp::Utf8 || page == cp::Utf16LE || page == cp::Utf16BE || page == cp::UsAscii)
    return true;
  const std::optional<std::string> charset = IconvCharsetName(page);
  return charset && IconvKnows(*charset);
}

std::optional<std::u16string> TNativeCodePages::ToUtf16(std::uint32_t codePage, std::string_view bytes,
                                                        bool strict) {
  switch (const std::uint32_t page = Resolved(codePage)) {
    case cp::Utf8:
      return strict ? Utf8ToUtf16Strict(bytes) : Utf8ToUtf16(bytes);
    case cp::Utf16LE:
    case cp::Utf16BE:
      return DecodeUtf16Bytes(bytes, page == cp::Utf16BE, strict);
    case cp::UsAscii:
      return AsciiToUtf16(bytes, strict);
    default: {
      const std::optional<std::string> charset = IconvCharsetName(page);
      if (!charset)
        return std::nullopt;
      return IconvToUtf16(*charset, bytes, strict);
    }
  }
}

std::optional<std::string> TNativeCodePages::FromUtf16(std::uint32_t codePage, std::u16string_view text) {
  switch (const std::uint32_t page = Resolved(codePage)) {
    case cp::Utf8:
      return Utf16ToUtf8(text);
    case cp::Utf16LE:
    case cp::Utf16BE:
      return EncodeUtf16Bytes(text, page == cp::Utf16BE);
    case cp::UsAscii:
      return AsciiFromUtf16(text);
    default: {
      const std::optional<std::string> charset = IconvCharsetName(page);
      if (!charset)
        return std::nullopt;
      return IconvFromUtf16(*charset, text);
    }
  }
}

}  // namespace tolvane::native
