#include "common/Unicode.h"

#include <cstdint>
#include <cstring>

namespace tolvane {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// Texts are mostly ASCII, so both directions take eight ASCII units at a time where they can.
bool IsAsciiWord(std::string_view bytes, std::size_t pos) {
  if (pos + 8 > bytes.size())
    return false;
  std::uint64_t word;
  std::memcpy(&word, bytes.data() + pos, 8);
  return (word & 0x8080808080808080U) == 0;
}

bool IsAsciiRun8(const char16_t* units) {
  char16_t any = 0;
  for (int i = 0; i < 8; ++i)
    any |= units[i];
  return any < 0x80;
}

std::size_t WriteUtf16(char16_t* target, char32_t codePoint) {
  if (codePoint < 0x10000) {
    target[0] = static_cast<char16_t>(codePoint);
    return 1;
  }
  const char32_t offset = codePoint - 0x10000;
  target[0] = static_cast<char16_t>(0xD800 + (offset >> 10));
  target[1] = static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
  return 2;
}

// Stops at the first invalid sequence when strict; the units written, or nullopt then.
std::optional<std::size_t> Decode(char16_t* target, std::string_view bytes, bool strict) {
  std::size_t written = 0;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (IsAsciiWord(bytes, pos)) {
      for (int i = 0; i < 8; ++i)
        target[written + i] = static_cast<char16_t>(bytes[pos + i]);
      written += 8;
      pos += 8;
      continue;
    }
    if (const auto c = static_cast<unsigned char>(bytes[pos]); c < 0x80) {
      target[written++] = static_cast<char16_t>(c);
      ++pos;
      continue;
    }
    const TUtf8Sequence sequence = DecodeUtf8Sequence(bytes, pos);
    if (strict && !sequence.Valid)
      return std::nullopt;
    written += WriteUtf16(target + written, sequence.CodePoint);
    pos += sequence.Length;
  }
  return written;
}

// Writes the UTF-8 form of a code point from U+0080 on (at most 4 bytes) and returns its length.
std::size_t EncodeUtf8(char32_t c, char* out) {
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

}  // namespace

TUtf8Sequence DecodeUtf8Sequence(std::string_view bytes, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80)
    return {lead, 1, true};
  std::size_t need = 0;
  char32_t value = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1, value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2, value = lead & 0x0Fu;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3, value = lead & 0x07u;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
  } else {
    return {Replacement, 1, false};
  }
  for (std::size_t i = 1; i <= need; ++i) {
    if (pos + i >= bytes.size())
      return {Replacement, i, false};
    const unsigned char c = byteAt(pos + i);
    if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF))
      return {Replacement, i, false};
    value = (value << 6) | (c & 0x3Fu);
  }
  return {value, need + 1, true};
}

std::size_t DecodeUtf8Into(char16_t* target, std::string_view bytes) {
  return *Decode(target, bytes, false);
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  out.resize(DecodeUtf8Into(out.data(), bytes));
  return out;
}

std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  const std::optional<std::size_t> written = Decode(out.data(), bytes, true);
  if (!written)
    return std::nullopt;
  out.resize(*written);
  return out;
}

void AppendUtf8(std::string& bytes, std::u16string_view text) {
  // Encoded through a small buffer, so the output string grows by whole pieces.
  char buffer[4096];
  std::size_t used = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (used + 8 > sizeof buffer) {
      bytes.append(buffer, used);
      used = 0;
    }
    if (pos + 8 <= text.size() && IsAsciiRun8(text.data() + pos)) {
      for (int i = 0; i < 8; ++i)
        buffer[used + i] = static_cast<char>(text[pos + i]);
      used += 8;
      pos += 7;
      continue;
    }
    char32_t c = text[pos];
    if (c < 0x80) {
      buffer[used++] = static_cast<char>(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
        text[pos + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++pos] - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      c = Replacement;  // an unpaired surrogate
    used += EncodeUtf8(c, buffer + used);
  }
  bytes.append(buffer, used);
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8(out, text);
  return out;
}

}  // namespace tolvane
