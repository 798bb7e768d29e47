#include "common/Unicode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvane {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// Texts are mostly ASCII, so both directions copy runs of ASCII units in blocks: 16 at a time with SSE2,
// 8 at a time otherwise. Each returns how many units it took from the start of its input.
std::size_t WidenAscii(char16_t* target, const char* bytes, std::size_t size) {
  std::size_t done = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  for (; done + 16 <= size; done += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + done));
    if (_mm_movemask_epi8(block) != 0)
      break;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(target + done), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(target + done + 8), _mm_unpackhi_epi8(block, zero));
  }
#endif
  for (; done + 8 <= size; done += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + done, 8);
    if ((word & 0x8080808080808080U) != 0)
      break;
    for (std::size_t i = 0; i < 8; ++i)
      target[done + i] = static_cast<char16_t>(bytes[done + i]);
  }
  return done;
}

std::size_t NarrowAscii(char* target, const char16_t* units, std::size_t size) {
  std::size_t done = 0;
#if defined(__SSE2__)
  const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
  for (; done + 16 <= size; done += 16) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + done));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + done + 8));
    if (_mm_movemask_epi8(
            _mm_cmpeq_epi16(_mm_and_si128(_mm_or_si128(low, next), high), _mm_setzero_si128())) != 0xFFFF)
      break;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(target + done), _mm_packus_epi16(low, next));
  }
#endif
  for (; done + 8 <= size; done += 8) {
    char16_t any = 0;
    for (std::size_t i = 0; i < 8; ++i)
      any |= units[done + i];
    if (any >= 0x80)
      break;
    for (std::size_t i = 0; i < 8; ++i)
      target[done + i] = static_cast<char>(units[done + i]);
  }
  return done;
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

constexpr std::size_t Invalid = static_cast<std::size_t>(-1);

// Decodes the sequences that start in [pos, stop), the last of them free to run on past stop, and moves pos
// past them. Stops at the first invalid sequence when strict; the units written, or Invalid then. A plain
// number, not an optional: this runs once per field of a menu file, and the optional's return costs more than
// short texts.
std::size_t DecodeUntil(char16_t* target, std::string_view bytes, std::size_t& pos, std::size_t stop,
                        bool strict) {
  std::size_t written = 0;
  while (pos < stop) {
    // Whole blocks of ASCII, then single ASCII bytes up to the next multi-byte sequence or the stop.
    const std::size_t ascii = WidenAscii(target + written, bytes.data() + pos, stop - pos);
    written += ascii;
    pos += ascii;
    while (pos < stop && static_cast<unsigned char>(bytes[pos]) < 0x80)
      target[written++] = static_cast<char16_t>(bytes[pos++]);
    if (pos == stop)
      break;
    const TUtf8Sequence sequence = DecodeUtf8Sequence(bytes, pos);
    if (strict && !sequence.Valid)
      return Invalid;
    written += WriteUtf16(target + written, sequence.CodePoint);
    pos += sequence.Length;
  }
  return written;
}

std::size_t Decode(char16_t* target, std::string_view bytes, bool strict) {
  std::size_t pos = 0;
  return DecodeUntil(target, bytes, pos, bytes.size(), strict);
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

// The UTF-8 length of units: a pair takes 4 bytes, an unpaired surrogate the 3 of U+FFFD.
std::size_t Utf8Length(std::u16string_view units) {
  std::size_t length = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t c = units[i];
    if (c < 0x80) {
      length += 1;
    } else if (c < 0x800) {
      length += 2;
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
               units[i + 1] <= 0xDFFF) {
      length += 4;
      ++i;
    } else {
      length += 3;
    }
  }
  return length;
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
  return Decode(target, bytes, false);
}

namespace {

// Appends the decoded bytes to out.
void AppendUtf16(std::u16string& out, std::string_view bytes) {
  // Decoded a piece at a time into a buffer that stays in the cache, then appended: a string sized up front
  // is zeroed first, one more pass over fresh memory as long as the text.
  constexpr std::size_t PieceBytes = 8192;
  char16_t piece[PieceBytes + 4];  // a sequence begun in the piece may add up to 2 units past its end
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t stop = std::min(bytes.size(), pos + PieceBytes);
    out.append(piece, DecodeUntil(piece, bytes, pos, stop, false));
  }
}

bool IsContinuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  AppendUtf16(out, bytes);
  return out;
}

void TUtf8Decoder::Feed(std::string_view bytes) {
  if (!Pending.empty()) {
    // Only continuation bytes can finish the waiting sequence; a lead carries at most three.
    std::size_t more = 0;
    while (more < bytes.size() && more < 3 && IsContinuation(bytes[more]))
      ++more;
    Pending.append(bytes.substr(0, more));
    bytes.remove_prefix(more);
    if (bytes.empty() && more < 3)
      return;
    AppendUtf16(Text, Pending);
    Pending.clear();
  }
  // No sequence runs across a byte that is not a continuation byte, so cutting before the last such byte
  // decodes the rest exactly as a whole would be decoded. Only a lead among the last three can be unfinished.
  std::size_t cut = bytes.size();
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, bytes.size()); ++back) {
    if (!IsContinuation(bytes[bytes.size() - back])) {
      cut = bytes.size() - back;
      break;
    }
  }
  AppendUtf16(Text, bytes.substr(0, cut));
  Pending.assign(bytes.substr(cut));
}

std::u16string TUtf8Decoder::Finish() {
  AppendUtf16(Text, Pending);
  Pending.clear();
  return std::move(Text);
}

std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  const std::size_t written = Decode(out.data(), bytes, true);
  if (written == Invalid)
    return std::nullopt;
  out.resize(written);
  return out;
}

void AppendUtf8(std::string& bytes, std::u16string_view text) {
  // Written in place, a piece at a time: room for the piece's longest form (3 bytes a unit; a pair's 4 bytes
  // take 2 units), then cut to what was written. The piece keeps the spare room small for large texts.
  constexpr std::size_t PieceUnits = 16384;
  std::size_t pos = 0;
  while (pos < text.size()) {
    // A pair is not split between pieces.
    std::size_t end = std::min(text.size(), pos + PieceUnits);
    if (end < text.size() && text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF)
      ++end;
    // The longest form when it fits the string as it is; else the exact length, so the string grows no more
    // than appending would make it.
    const std::size_t start = bytes.size();
    const std::size_t room = 3 * (end - pos);
    bytes.resize(start + (start + room <= bytes.capacity() ? room : Utf8Length(text.substr(pos, end - pos))));
    char* const first = bytes.data() + start;
    char* out = first;
    while (pos < end) {
      // Whole blocks of ASCII, then single ASCII units up to the next wider character or the piece's end.
      const std::size_t ascii = NarrowAscii(out, text.data() + pos, end - pos);
      out += ascii;
      pos += ascii;
      while (pos < end && text[pos] < 0x80)
        *out++ = static_cast<char>(text[pos++]);
      if (pos == end)
        break;
      char32_t c = text[pos++];
      if (c >= 0xD800 && c <= 0xDBFF && pos < end && text[pos] >= 0xDC00 && text[pos] <= 0xDFFF)
        c = 0x10000 + ((c - 0xD800) << 10) + (text[pos++] - 0xDC00);
      else if (c >= 0xD800 && c <= 0xDFFF)
        c = Replacement;  // an unpaired surrogate
      out += EncodeUtf8(c, out);
    }
    bytes.resize(start + static_cast<std::size_t>(out - first));
  }
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8(out, text);
  return out;
}

}  // namespace tolvane
