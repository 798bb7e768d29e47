#pragma once
// ICU date pattern letters to the system's date-time pictures (see platform/Locale.h).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::native {

// A run of one pattern letter, or literal text with quoting already removed.
struct TPatternToken {
  bool IsField = false;
  char16_t Letter = 0;
  std::size_t Count = 0;
  std::u16string Text;

  bool operator==(const TPatternToken&) const = default;
};

std::vector<TPatternToken> TokenizeIcuPattern(std::u16string_view pattern);

// "EEEE, MMMM d, y" → "dddd, MMMM d, yyyy"; "h:mm a" → "h:mm tt". Fields the pictures cannot express (time
// zones, fractions of seconds, week numbers) are left out.
std::u16string IcuPatternToPicture(std::u16string_view pattern);

// The literal between the first field whose letter is one of `letters` and the field after it, without
// surrounding blanks (unless it is nothing but blanks); `fallback` when the pattern has no such pair.
std::u16string SeparatorAfterFirstField(std::u16string_view pattern, std::u16string_view letters,
                                        std::u16string_view fallback);

}  // namespace tolvane::native
