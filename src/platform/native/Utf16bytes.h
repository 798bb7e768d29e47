#pragma once
// UTF-16 in little- or big-endian bytes (code pages 1200 and 1201).

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::native {

// Strict: nullopt for an odd trailing byte or an unpaired surrogate. Not strict: each becomes U+FFFD.
std::optional<std::u16string> DecodeUtf16Bytes(std::string_view bytes, bool bigEndian, bool strict);
std::string EncodeUtf16Bytes(std::u16string_view text, bool bigEndian);

}  // namespace tolvane::native
