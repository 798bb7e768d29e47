#pragma once
// Searching UTF-16 text for one unit, or for a short text by its first unit, eight units at a time where
// the processor allows: the standard character traits test one unit per step, and these searches are the
// inner loops of cutting the text into lines and of replacing in it.

#include <bit>
#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvane::modifier {

// The first `unit` at or after `from`, or npos.
inline std::size_t FindUnit(std::u16string_view text, char16_t unit, std::size_t from = 0) {
  const char16_t* const data = text.data();
  const std::size_t size = text.size();
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i pattern = _mm_set1_epi16(static_cast<short>(unit));
  for (; i + 8 <= size; i += 8) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(block, pattern)));
    if (mask != 0)
      return i + static_cast<std::size_t>(std::countr_zero(mask)) / 2;
  }
#endif
  for (; i < size; ++i) {
    if (data[i] == unit)
      return i;
  }
  return std::u16string_view::npos;
}

// The first occurrence of a non-empty needle at or after `from`, or npos.
inline std::size_t FindText(std::u16string_view text, std::u16string_view needle, std::size_t from = 0) {
  if (needle.size() > text.size())
    return std::u16string_view::npos;
  // Only the places where the whole needle still fits can start a match.
  const std::u16string_view starts = text.substr(0, text.size() - needle.size() + 1);
  for (std::size_t at = FindUnit(starts, needle[0], from); at != std::u16string_view::npos;
       at = FindUnit(starts, needle[0], at + 1)) {
    if (std::char_traits<char16_t>::compare(text.data() + at, needle.data(), needle.size()) == 0)
      return at;
  }
  return std::u16string_view::npos;
}

}  // namespace tolvane::modifier
