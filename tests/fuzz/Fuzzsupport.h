#pragma once
// Shared pieces of the fuzz targets: the host's real locale and code pages, reading the input, and failing
// with a message libFuzzer keeps next to the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Unicode.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativelocale.h"

namespace tolvane::fuzz {

// Built once: ICU's collator and iconv's tables take longer to open than most runs take.
inline native::TNativeLocale& Locale() {
  static native::TNativeLocale locale("en_US");
  return locale;
}

inline native::TNativeCodePages& CodePages() {
  static native::TNativeCodePages codePages;
  return codePages;
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken invariant: abort, so libFuzzer saves the input as a crash.
[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz invariant broken: %s\n", what.c_str());
  std::abort();
}

inline void Check(bool holds, const std::string& what) {
  if (!holds)
    Fail(what);
}

inline std::string Quoted(std::u16string_view text) {
  return "\"" + Utf16ToUtf8(text) + "\"";
}

// Where two texts part, with some of each around that place.
inline std::string FirstDifference(std::string_view a, std::string_view b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at])
    ++at;
  const std::size_t from = at > 40 ? at - 40 : 0;
  const auto excerpt = [&](std::string_view text) {
    std::string shown;
    for (const char c :
         text.substr(from, std::min<std::size_t>(text.size() - std::min(from, text.size()), 100))) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 32 && byte < 127) {
        shown += c;
      } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", byte);
        shown += hex;
      }
    }
    return shown;
  };
  return "at byte " + std::to_string(at) + ":\n  " + excerpt(a) + "\n  " + excerpt(b);
}

// Takes the first byte as a selector and leaves the rest.
inline std::uint8_t TakeByte(std::string_view& bytes) {
  if (bytes.empty())
    return 0;
  const auto byte = static_cast<std::uint8_t>(bytes.front());
  bytes.remove_prefix(1);
  return byte;
}

}  // namespace tolvane::fuzz
