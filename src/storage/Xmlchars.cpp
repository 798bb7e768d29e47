#include "storage/Xmlchars.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace xmlchars_detail {

bool IsWideNameStartChar(char16_t c) {
  return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
         (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD);
}

bool IsWideNameChar(char16_t c) {
  return IsWideNameStartChar(c) || c == 0xB7 || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

}  // namespace xmlchars_detail

std::u16string_view TrimXmlRight(std::u16string_view text) {
  std::size_t size = text.size();
  while (size > 0 && IsXmlTrimmable(text[size - 1]))
    --size;
  return text.substr(0, size);
}

namespace {

// " & ' < > as bits of one mask: all five are below 64.
constexpr std::uint64_t EscapedMask =
    1ULL << u'"' | 1ULL << u'&' | 1ULL << u'\'' | 1ULL << u'<' | 1ULL << u'>';

bool IsEscaped(char16_t c) {
  return c < 64 && ((EscapedMask >> c) & 1) != 0;
}

std::u16string_view EntityOf(char16_t c) {
  switch (c) {
    case u'"':
      return u"&quot;";
    case u'&':
      return u"&amp;";
    case u'\'':
      return u"&apos;";
    case u'<':
      return u"&lt;";
    default:
      return u"&gt;";
  }
}

// Where the next character to escape stands, from from on; npos when there is none. Most text has none, so
// it is scanned eight units at a time where SSE2 is there.
std::size_t FindEscaped(std::u16string_view text, std::size_t from) {
#if defined(__SSE2__)
  const __m128i quote = _mm_set1_epi16(u'"');
  const __m128i amp = _mm_set1_epi16(u'&');
  const __m128i apos = _mm_set1_epi16(u'\'');
  const __m128i lt = _mm_set1_epi16(u'<');
  const __m128i gt = _mm_set1_epi16(u'>');
  for (; from + 8 <= text.size(); from += 8) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(block, quote), _mm_cmpeq_epi16(block, amp)),
                     _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(block, apos), _mm_cmpeq_epi16(block, lt)),
                                  _mm_cmpeq_epi16(block, gt)));
    if (const int mask = _mm_movemask_epi8(hits); mask != 0)
      return from + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask))) / 2;
  }
#endif
  for (; from < text.size(); ++from) {
    if (IsEscaped(text[from]))
      return from;
  }
  return std::u16string_view::npos;
}

}  // namespace

void AppendEscapedXml(std::u16string& out, std::u16string_view text) {
  std::size_t done = 0;
  for (std::size_t at = FindEscaped(text, 0); at != std::u16string_view::npos; at = FindEscaped(text, done)) {
    out.append(text.substr(done, at - done));
    out += EntityOf(text[at]);
    done = at + 1;
  }
  out.append(text.substr(done));
}

std::size_t EscapedXmlLength(std::u16string_view text) {
  std::size_t length = text.size();
  for (std::size_t at = FindEscaped(text, 0); at != std::u16string_view::npos; at = FindEscaped(text, at + 1))
    length += EntityOf(text[at]).size() - 1;
  return length;
}

std::u16string EscapeXmlText(std::u16string_view text) {
  text = TrimXmlRight(text);
  std::u16string out;
  out.reserve(text.size() + text.size() / 8);
  AppendEscapedXml(out, text);
  return out;
}

std::u16string DecodeXmlText(std::u16string_view text) {
  std::u16string out;
  if (text.find(u'&') == std::u16string_view::npos) {
    out.assign(TrimXmlRight(text));
    return out;
  }
  out.reserve(text.size());
  AppendDecodedUtf16(out, text);
  out.resize(TrimXmlRight(out).size());
  return out;
}

}  // namespace tolvane::storage
