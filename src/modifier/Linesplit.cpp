#include "modifier/Linesplit.h"

#include <algorithm>
#include <cstdint>

namespace tolvane::modifier {
namespace {

// Every control character, TAB included, and & space { } \\ = | / ~, as one bit per ASCII code: the width
// break tests characters one by one.
constexpr std::uint64_t BreakBitsLow =
    0xFFFFFFFFull | (1ull << u' ') | (1ull << u'&') | (1ull << u'/') | (1ull << u'=');
constexpr std::uint64_t BreakBitsHigh = (1ull << (u'\\' - 64)) | (1ull << (u'{' - 64)) |
                                        (1ull << (u'|' - 64)) | (1ull << (u'}' - 64)) | (1ull << (u'~' - 64));

bool IsBreakCharacter(char16_t c) {
  if (c < 64)
    return (BreakBitsLow >> c) & 1;
  return c < 128 && ((BreakBitsHigh >> (c - 64)) & 1);
}

bool IsBlank(char16_t c) {
  return c <= 32;
}

}  // namespace

std::u16string TPendingText::Substr(std::size_t first, std::size_t last) const {
  std::u16string text;
  AppendTo(text, first, last);
  return text;
}

void TPendingText::AppendTo(std::u16string& text, std::size_t first, std::size_t last) const {
  text.reserve(text.size() + last - first);
  if (first < Head.size())
    text.append(Head, first, std::min(last, Head.size()) - first);
  if (last > Head.size()) {
    const std::size_t from = std::max(first, Head.size()) - Head.size();
    text.append(Tail.substr(from, last - Head.size() - from));
  }
}

std::size_t TPendingText::Find(std::u16string_view needle, std::size_t from) const {
  if (from < Head.size()) {
    // A match starting in the head may run on into the tail.
    std::u16string window = Head.substr(from);
    window.append(Tail.substr(0, needle.size() - 1));
    const std::size_t at = window.find(needle);
    if (at != std::u16string::npos && from + at < Head.size())
      return from + at;
    from = Head.size();
  }
  const std::size_t at = Tail.find(needle, from - Head.size());
  return at == std::u16string_view::npos ? std::u16string::npos : at + Head.size();
}

void TPendingText::Advance(std::size_t count, std::u16string_view prefix) {
  std::u16string head(prefix);
  if (count < Head.size())
    head.append(Head, count);
  Tail.remove_prefix(std::max(count, Head.size()) - Head.size());
  Head = std::move(head);
}

std::optional<TSplitPoint> SplitAtWidth(const TPendingText& text, int width) {
  const std::size_t limit = static_cast<std::size_t>(std::max(width, 1));
  if (limit >= text.size())
    return std::nullopt;
  std::size_t cut = limit;
  for (std::size_t i = limit - 1; i >= 1; --i) {
    if (IsBreakCharacter(text[i])) {
      cut = i;
      break;
    }
  }
  TSplitPoint split{cut, cut};
  while (split.KeptEnd > 0 && IsBlank(text[split.KeptEnd - 1]))
    --split.KeptEnd;
  while (split.RestStart < text.size() && IsBlank(text[split.RestStart]))
    ++split.RestStart;
  return split;
}

std::optional<TSplitPoint> SplitAfter(const TPendingText& text, std::u16string_view needle, int minLength) {
  const auto length = static_cast<std::ptrdiff_t>(text.size());
  if (needle.empty() || minLength >= length)
    return std::nullopt;
  const std::ptrdiff_t from =
      std::max<std::ptrdiff_t>(0, minLength - static_cast<std::ptrdiff_t>(needle.size()));
  const std::size_t at = text.Find(needle, static_cast<std::size_t>(from));
  if (at == std::u16string::npos || at + needle.size() >= text.size())
    return std::nullopt;
  return TSplitPoint{at + needle.size(), at + needle.size()};
}

std::optional<TSplitPoint> SplitBefore(const TPendingText& text, std::u16string_view needle, int minLength) {
  if (needle.empty() || minLength >= static_cast<std::ptrdiff_t>(text.size()))
    return std::nullopt;
  // An occurrence at the very start would leave nothing on this line and the same text on the next.
  const std::size_t at = text.Find(needle, static_cast<std::size_t>(std::max(minLength, 1)));
  if (at == std::u16string::npos)
    return std::nullopt;
  return TSplitPoint{at, at};
}

std::u16string_view LeadingIndentation(std::u16string_view text) {
  std::size_t length = 0;
  while (length + 1 < text.size() && text[length] < 33)
    ++length;
  return text.substr(0, length);
}

}  // namespace tolvane::modifier
