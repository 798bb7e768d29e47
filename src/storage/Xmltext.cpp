#include "storage/Xmltext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "storage/Xmlchars.h"

namespace tolvane::storage {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsNameUnit(char16_t unit, bool start) {
  return start ? IsNameStartChar(unit) : IsNameChar(unit);
}

// Whether the eight bytes at pos are all ASCII; texts are mostly ASCII, so they are taken eight at a time.
bool IsAsciiWord(std::string_view bytes, std::size_t pos) {
  if (pos + 8 > bytes.size())
    return false;
  std::uint64_t word;
  std::memcpy(&word, bytes.data() + pos, 8);
  return (word & 0x8080808080808080U) == 0;
}

}  // namespace

TUtf8Sequence DecodeUtf8Sequence(std::string_view bytes, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80)
    return {lead, 1};
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
    return {Replacement, 1};
  }
  for (std::size_t i = 1; i <= need; ++i) {
    if (pos + i >= bytes.size())
      return {Replacement, i};
    const unsigned char c = byteAt(pos + i);
    if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF))
      return {Replacement, i};
    value = (value << 6) | (c & 0x3Fu);
  }
  return {value, need + 1};
}

std::size_t DecodeUtf8Into(char16_t* target, std::string_view bytes) {
  std::size_t written = 0;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (IsAsciiWord(bytes, pos)) {
      for (int i = 0; i < 8; ++i)
        target[written + i] = static_cast<char16_t>(bytes[pos + i]);
      written += 8;
      pos += 8;
      continue;
    }
    const unsigned c = UnitValue(bytes[pos]);
    if (c < 0x80) {
      target[written++] = static_cast<char16_t>(c);
      ++pos;
      continue;
    }
    const TUtf8Sequence sequence = DecodeUtf8Sequence(bytes, pos);
    pos += sequence.Length;
    if (sequence.CodePoint < 0x10000) {
      target[written++] = static_cast<char16_t>(sequence.CodePoint);
    } else {
      const char32_t offset = sequence.CodePoint - 0x10000;
      target[written++] = static_cast<char16_t>(0xD800 + (offset >> 10));
      target[written++] = static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    }
  }
  return written;
}

std::size_t WideNameCharLength(std::string_view text, std::size_t pos, bool start) {
  // A character beyond the BMP is a surrogate pair in UTF-16, and surrogates are never name characters.
  const TUtf8Sequence sequence = DecodeUtf8Sequence(text, pos);
  return sequence.CodePoint <= 0xFFFF && IsNameUnit(static_cast<char16_t>(sequence.CodePoint), start)
             ? sequence.Length
             : 0;
}

std::size_t MatchName(std::u16string_view text, std::size_t pos, std::u16string_view name) {
  return text.substr(std::min(pos, text.size())).starts_with(name) ? name.size() : std::u16string_view::npos;
}

std::size_t MatchName(std::string_view text, std::size_t pos, std::string_view name) {
  // Equal bytes are the common case; different bytes may still decode alike (invalid sequences).
  if (text.substr(std::min(pos, text.size())).starts_with(name))
    return name.size();
  std::size_t at = pos;
  for (std::size_t i = 0; i < name.size();) {
    if (at >= text.size())
      return std::string_view::npos;
    const TUtf8Sequence expected = DecodeUtf8Sequence(name, i);
    const TUtf8Sequence found = DecodeUtf8Sequence(text, at);
    if (expected.CodePoint != found.CodePoint)
      return std::string_view::npos;
    i += expected.Length;
    at += found.Length;
  }
  return at - pos;
}

std::size_t SkipUnits(std::u16string_view text, std::size_t pos, std::size_t count) {
  return pos + count <= text.size() ? pos + count : std::u16string_view::npos;
}

std::size_t SkipUnits(std::string_view text, std::size_t pos, std::size_t count) {
  for (std::size_t units = 0; units < count;) {
    if (pos >= text.size())
      return std::string_view::npos;
    const TUtf8Sequence sequence = DecodeUtf8Sequence(text, pos);
    units += sequence.CodePoint > 0xFFFF ? 2 : 1;
    pos += sequence.Length;
  }
  return pos;
}

void AppendUtf16(std::u16string& out, std::u16string_view text) {
  out.append(text);
}

namespace {

void AppendText(std::u16string& out, std::u16string_view text) {
  out.append(text);
}

void AppendText(std::u16string& out, std::string_view bytes) {
  const std::size_t old = out.size();
  out.resize(old + bytes.size());
  out.resize(old + DecodeUtf8Into(out.data() + old, bytes));
}

// An "&" starts an entity only when its ";" follows within five characters, all ASCII in an entity.
template <class TChar>
std::size_t MatchEntity(std::basic_string_view<TChar> text, std::size_t at, char16_t& character) {
  static constexpr struct {
    std::string_view Name;
    char16_t Character;
  } Entities[] = {{"amp;", u'&'}, {"lt;", u'<'}, {"gt;", u'>'}, {"quot;", u'"'}, {"apos;", u'\''}};
  for (const auto& entity : Entities) {
    if (HasAsciiAt(text, at + 1, entity.Name)) {
      character = entity.Character;
      return entity.Name.size() + 1;
    }
  }
  return 0;
}

template <class TChar>
void AppendDecoded(std::u16string& out, std::basic_string_view<TChar> text) {
  std::size_t done = 0;
  for (std::size_t amp = text.find(TChar('&')); amp != text.npos; amp = text.find(TChar('&'), amp + 1)) {
    char16_t character = 0;
    const std::size_t length = MatchEntity(text, amp, character);
    if (length == 0)
      continue;
    AppendText(out, text.substr(done, amp - done));
    out.push_back(character);
    done = amp + length;
    amp = done - 1;
  }
  AppendText(out, text.substr(done));
}

}  // namespace

void AppendUtf16(std::u16string& out, std::string_view bytes) {
  AppendText(out, bytes);
}

void AppendDecodedUtf16(std::u16string& out, std::u16string_view text) {
  AppendDecoded(out, text);
}

void AppendDecodedUtf16(std::u16string& out, std::string_view bytes) {
  out.reserve(out.size() + bytes.size());
  AppendDecoded(out, bytes);
}

std::u16string TextAround(std::u16string_view text, std::size_t pos, std::size_t unitsBefore,
                          std::size_t count) {
  const std::size_t start = std::min(pos >= unitsBefore ? pos - unitsBefore : 0, text.size());
  return std::u16string(text.substr(start, count));
}

std::u16string TextAround(std::string_view text, std::size_t pos, std::size_t unitsBefore,
                          std::size_t count) {
  // Only on failures, so the simple way: everything up to pos, then enough bytes for count units.
  pos = std::min(pos, text.size());
  std::u16string around = ToUtf16(text.substr(0, pos));
  around.erase(0, around.size() >= unitsBefore ? around.size() - unitsBefore : 0);
  AppendUtf16(around, text.substr(pos, 4 * count));
  around.resize(std::min(around.size(), count));
  return around;
}

}  // namespace tolvane::storage
