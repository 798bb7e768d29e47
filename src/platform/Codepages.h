#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::platform {

// Windows code page numbers as used in files and settings.
namespace codepage {
inline constexpr std::uint32_t Ansi = 0;  // the system's ANSI code page (CP_ACP)
inline constexpr std::uint32_t Utf16LE = 1200;
inline constexpr std::uint32_t Utf16BE = 1201;
inline constexpr std::uint32_t UsAscii = 20127;
inline constexpr std::uint32_t Iso8859_1 = 28591;  // … Iso8859_1 + n - 1 for ISO-8859-n
inline constexpr std::uint32_t Iso8859_15 = 28605;
inline constexpr std::uint32_t Utf8 = 65001;
}  // namespace codepage

class ICodePages {
 public:
  virtual ~ICodePages() = default;

  // The code page that codepage::Ansi stands for on this system (1252 on a Western system).
  virtual std::uint32_t AnsiCodePage() = 0;
  virtual bool IsSupported(std::uint32_t codePage) = 0;
  // Bytes to UTF-16. Strict: nullopt on any byte sequence that is invalid in the code page. Not strict:
  // invalid sequences become U+FFFD. nullopt for an unsupported code page either way.
  virtual std::optional<std::u16string> ToUtf16(std::uint32_t codePage, std::string_view bytes,
                                                bool strict) = 0;
  // UTF-16 to bytes; characters the code page cannot hold become '?'. nullopt for an unsupported code page.
  virtual std::optional<std::string> FromUtf16(std::uint32_t codePage, std::u16string_view text) = 0;
};

}  // namespace tolvane::platform
