#include "storage/Conversionerror.h"

namespace tolvane::storage {
namespace {

constexpr std::size_t MaxQuotedLength = 40;
constexpr char16_t Replacement = u'\uFFFD';

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

std::u16string VisibleExcerpt(std::u16string_view text) {
  std::u16string_view shown = text.substr(0, MaxQuotedLength);
  const bool cut = shown.size() < text.size();
  if (cut && IsHighSurrogate(shown.back()))
    shown.remove_suffix(1);
  std::u16string excerpt;
  for (const char16_t c : shown)
    excerpt += c < u' ' ? Replacement : c;
  if (cut)
    excerpt += u"...";
  return excerpt;
}

std::u16string NotAnIntegerMessage(std::u16string_view value) {
  // Appended step by step: gcc 12 warns of overlapping copies (-Wrestrict) in the chained form at -O3.
  std::u16string message = u"'";
  message.append(VisibleExcerpt(value)).append(u"' is not a valid integer value");
  return message;
}

}  // namespace tolvane::storage
