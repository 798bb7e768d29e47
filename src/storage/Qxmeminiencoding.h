#pragma once
// Encodings of INI files: finding the encoding of a file's bytes, decoding them and encoding text for
// writing.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Codepages.h"

namespace tolvane::storage {

struct TIniEncoding {
  int CodePage = 0;  // 0 ANSI, 1200, 1201 or 65001
  std::size_t MarkLength = 0;
  bool Utf32 = false;  // recognised by its mark only to be refused
};

// A byte order mark, else zero bytes among the first 20 (UTF-16 without mark), else "utf-8" among the first
// 200 bytes, else the ANSI code page.
TIniEncoding DetectIniEncoding(std::string_view bytes);

// The bytes after the mark as UTF-16; nullopt when the platform cannot decode the code page.
std::optional<std::u16string> DecodeIniBytes(platform::ICodePages& codePages, int codePage,
                                             std::string_view bytes);

// The text in codePage (1200, 1201, 65001, anything else ANSI), after the byte order mark when withMark is
// set and the encoding is a Unicode one. nullopt when the platform cannot encode the ANSI code page.
std::optional<std::string> EncodeIniText(platform::ICodePages& codePages, int codePage, bool withMark,
                                         std::u16string_view text);

}  // namespace tolvane::storage
