#pragma once
// Encodings of XML files: finding the encoding from a byte order mark or the text, and decoding to UTF-16.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Codepages.h"

namespace tolvane::storage {

// Windows code page numbers of the encodings an XML file may have.
namespace xmlcodepage {
inline constexpr std::uint32_t Utf8 = platform::codepage::Utf8;
inline constexpr std::uint32_t Utf16LE = platform::codepage::Utf16LE;
inline constexpr std::uint32_t Utf16BE = platform::codepage::Utf16BE;
inline constexpr std::uint32_t Utf32LE = 12000;  // recognised only to be refused
inline constexpr std::uint32_t Utf32BE = 12001;
inline constexpr std::uint32_t Iso8859_1 = platform::codepage::Iso8859_1;  // … 28599 for ISO-8859-9
inline constexpr std::uint32_t Iso8859_9 = Iso8859_1 + 8;
inline constexpr std::uint32_t Iso8859_13 = 28603;
inline constexpr std::uint32_t Iso8859_15 = platform::codepage::Iso8859_15;
inline constexpr std::uint32_t UsAscii = platform::codepage::UsAscii;
// Marks an encoding that detection did not recognise; never kept as a document's code page.
inline constexpr std::uint32_t Unrecognised = 100000;
}  // namespace xmlcodepage

struct TXmlEncoding {
  std::uint32_t CodePage = xmlcodepage::Unrecognised;
  std::size_t MarkLength = 0;  // bytes of the byte order mark
};

// Looks at the first 1024 bytes: a byte order mark, else an encoding name in the text read as single bytes,
// else "UTF-16" in the text read as UTF-16.
TXmlEncoding DetectXmlEncoding(std::string_view bytes);

bool IsSingleByteXmlCodePage(std::uint32_t codePage);

// Decoded text. The buffer is filled without being cleared first: a whole file is decoded in one pass.
struct TXmlText {
  std::unique_ptr<char16_t[]> Units;
  std::size_t Size = 0;

  std::u16string_view View() const { return {Units.get(), Size}; }
};

// Bytes (without their mark) to UTF-16. UTF-8 and UTF-16 are converted here, single-byte code pages by the
// platform. Invalid sequences become U+FFFD. nullopt when the code page cannot be decoded.
std::optional<TXmlText> DecodeXmlBytes(platform::ICodePages& codePages, std::uint32_t codePage,
                                       std::string_view bytes);

}  // namespace tolvane::storage
