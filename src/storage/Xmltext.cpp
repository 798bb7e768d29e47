#include "storage/Xmltext.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "storage/Xmlchars.h"

namespace tolvane::storage {
namespace {

bool IsNameUnit(char16_t unit, bool start) {
  return start ? IsNameStartChar(unit) : IsNameChar(unit);
}

}  // namespace

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

// Entities only ever shrink the text, so its length is room enough: the output is sized once and written
// through a pointer, however many entities the text holds.
void AppendDecoded(std::u16string& out, std::u16string_view text) {
  const std::size_t start = out.size();
  out.resize(start + text.size());
  char16_t* to = out.data() + start;
  std::size_t done = 0;
  for (std::size_t amp = text.find(u'&'); amp != text.npos; amp = text.find(u'&', amp + 1)) {
    char16_t character = 0;
    const std::size_t length = MatchEntity(text, amp, character);
    if (length == 0)
      continue;
    to = std::copy(text.begin() + static_cast<std::ptrdiff_t>(done),
                   text.begin() + static_cast<std::ptrdiff_t>(amp), to);
    *to++ = character;
    done = amp + length;
    amp = done - 1;
  }
  to = std::copy(text.begin() + static_cast<std::ptrdiff_t>(done), text.end(), to);
  out.resize(static_cast<std::size_t>(to - out.data()));
}

// Widens the ASCII bytes before the first "&" or wider byte, sixteen at a time where SSE2 is there, and
// returns how many it took. Whole blocks are written: the output is never ahead of the input, so a block
// of input always has room.
std::size_t WidenPlainAscii(char16_t* to, const char* bytes, std::size_t size) {
  std::size_t done = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i amp = _mm_set1_epi8('&');
  for (; done + 16 <= size; done += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + done));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done + 8), _mm_unpackhi_epi8(block, zero));
    const int stops = _mm_movemask_epi8(block) | _mm_movemask_epi8(_mm_cmpeq_epi8(block, amp));
    if (stops != 0)
      return done + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(stops)));
  }
#endif
  for (; done < size; ++done) {
    const auto byte = static_cast<unsigned char>(bytes[done]);
    if (byte >= 0x80 || byte == '&')
      break;
    to[done] = byte;
  }
  return done;
}

// UTF-8 text in one pass: ASCII, entities and multi-byte sequences as they come, each invalid sequence one
// U+FFFD, so the result is that of decoding first and unescaping after.
void AppendDecoded(std::u16string& out, std::string_view bytes) {
  const std::size_t start = out.size();
  out.resize(start + bytes.size());
  char16_t* to = out.data() + start;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t plain = WidenPlainAscii(to, bytes.data() + pos, bytes.size() - pos);
    to += plain;
    pos += plain;
    if (pos == bytes.size())
      break;
    if (bytes[pos] == '&') {
      char16_t character = u'&';
      const std::size_t length = MatchEntity(bytes, pos, character);
      *to++ = character;
      pos += length == 0 ? 1 : length;
      continue;
    }
    const TUtf8Sequence sequence = DecodeUtf8Sequence(bytes, pos);
    if (sequence.CodePoint < 0x10000) {
      *to++ = static_cast<char16_t>(sequence.CodePoint);
    } else {
      *to++ = static_cast<char16_t>(0xD800 + ((sequence.CodePoint - 0x10000) >> 10));
      *to++ = static_cast<char16_t>(0xDC00 + ((sequence.CodePoint - 0x10000) & 0x3FF));
    }
    pos += sequence.Length;
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace

void AppendUtf16(std::u16string& out, std::string_view bytes) {
  AppendText(out, bytes);
}

void AppendDecodedUtf16(std::u16string& out, std::u16string_view text) {
  AppendDecoded(out, text);
}

void AppendDecodedUtf16(std::u16string& out, std::string_view bytes) {
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
