#include "common/Unicode.h"

#include <cstdint>

namespace tolvane {
namespace {

constexpr char16_t Replacement = 0xFFFD;

// Decodes one scalar value at bytes[pos]; returns the value and how many bytes it took, or -1 and the length
// of the maximal invalid subpart.
struct TDecoded {
  std::int32_t Value;
  std::size_t Length;
};

TDecoded DecodeOne(std::string_view bytes, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80)
    return {lead, 1};
  std::size_t need = 0;
  std::uint32_t value = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2, value = lead & 0x0F;
    if (lead == 0xE0)
      low = 0xA0;
    if (lead == 0xED)
      high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3, value = lead & 0x07;
    if (lead == 0xF0)
      low = 0x90;
    if (lead == 0xF4)
      high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {-1, 1};
  }
  std::size_t i = 1;
  for (; i <= need; ++i) {
    if (pos + i >= bytes.size())
      return {-1, i};
    const unsigned char c = byteAt(pos + i);
    const unsigned char lo = i == 1 ? low : 0x80, hi = i == 1 ? high : 0xBF;
    if (c < lo || c > hi)
      return {-1, i};
    value = (value << 6) | (c & 0x3F);
  }
  return {static_cast<std::int32_t>(value), i};
}

void AppendScalar(std::u16string& out, std::uint32_t value) {
  if (value < 0x10000) {
    out.push_back(static_cast<char16_t>(value));
  } else {
    value -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
  }
}

std::optional<std::u16string> Decode(std::string_view bytes, bool strict) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const TDecoded d = DecodeOne(bytes, pos);
    if (d.Value < 0) {
      if (strict)
        return std::nullopt;
      out.push_back(Replacement);
    } else {
      AppendScalar(out, static_cast<std::uint32_t>(d.Value));
    }
    pos += d.Length;
  }
  return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
  return *Decode(bytes, false);
}

std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view bytes) {
  return Decode(bytes, true);
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = Replacement;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace tolvane
