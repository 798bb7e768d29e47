#include "platform/win32/Codepages.h"

#include <limits>

#include "platform/win32/Utf16bytes.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

namespace {

bool IsUtf16(std::uint32_t codePage) {
  return codePage == platform::codepage::Utf16LE || codePage == platform::codepage::Utf16BE;
}

// The stateful and symbol code pages refuse every conversion flag.
bool RefusesFlags(std::uint32_t codePage) {
  return codePage == 42 || codePage == 65000 || (codePage >= 50220 && codePage <= 50229) ||
         (codePage >= 57002 && codePage <= 57011);
}

// These also refuse a default character and the best-fit flag towards bytes.
bool RefusesDefaultChar(std::uint32_t codePage) {
  return RefusesFlags(codePage) || codePage == platform::codepage::Utf8 || codePage == 52936 ||
         codePage == 54936;
}

bool FitsInt(std::size_t size) {
  return size <= static_cast<std::size_t>(std::numeric_limits<int>::max());
}

}  // namespace

std::uint32_t TCodePages::AnsiCodePage() {
  return ::GetACP();
}

bool TCodePages::IsSupported(std::uint32_t codePage) {
  return codePage == platform::codepage::Ansi || IsUtf16(codePage) || ::IsValidCodePage(codePage);
}

std::optional<std::u16string> TCodePages::ToUtf16(std::uint32_t codePage, std::string_view bytes,
                                                  bool strict) {
  if (!IsSupported(codePage) || !FitsInt(bytes.size()))
    return std::nullopt;
  if (IsUtf16(codePage))
    return Utf16FromBytes(bytes, codePage == platform::codepage::Utf16BE, strict);
  if (bytes.empty())
    return std::u16string();
  const DWORD flags = strict && !RefusesFlags(codePage) ? MB_ERR_INVALID_CHARS : 0;
  const int length = static_cast<int>(bytes.size());
  const int needed = ::MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
  if (needed <= 0)
    return std::nullopt;
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  if (::MultiByteToWideChar(codePage, flags, bytes.data(), length, text.data(), needed) != needed)
    return std::nullopt;
  return Narrow16(text);
}

std::optional<std::string> TCodePages::FromUtf16(std::uint32_t codePage, std::u16string_view text) {
  if (!IsSupported(codePage) || !FitsInt(text.size()))
    return std::nullopt;
  if (IsUtf16(codePage))
    return Utf16ToBytes(text, codePage == platform::codepage::Utf16BE);
  if (text.empty())
    return std::string();
  // Without WC_NO_BEST_FIT_CHARS Windows would write look-alikes ('A' for U+0100) instead of '?'.
  const bool plain = RefusesDefaultChar(codePage);
  const DWORD flags = plain ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* defaultChar = plain ? nullptr : "?";
  const auto* source = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(codePage, flags, source, length, nullptr, 0, defaultChar, nullptr);
  if (needed <= 0)
    return std::nullopt;
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  if (::WideCharToMultiByte(codePage, flags, source, length, bytes.data(), needed, defaultChar, nullptr) !=
      needed)
    return std::nullopt;
  return bytes;
}

}  // namespace tolvane::win32
