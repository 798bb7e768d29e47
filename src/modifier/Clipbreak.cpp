#include "modifier/Qxclipline.h"

#include <algorithm>

namespace tolvane::modifier {
namespace {

bool IsBreakCharacter(char16_t c) {
  if (c < 32)
    return true;  // every control character, TAB included
  return std::u16string_view(u"& {}\\=|/~").find(c) != std::u16string_view::npos;
}

void DropLeadingBlanks(std::u16string& text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] <= 32)
    ++start;
  text.erase(0, start);
}

void DropTrailingBlanks(std::u16string& text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] <= 32)
    --end;
  text.resize(end);
}

// Where a line wider than `width` is cut: the last break character within the width, never at index 0.
std::size_t WidthCut(std::u16string_view text, std::size_t width) {
  for (std::size_t i = width - 1; i >= 1; --i) {
    if (IsBreakCharacter(text[i]))
      return i;
  }
  return width;
}

}  // namespace

std::u16string TClipLine::BreakAtWidth(int width, bool autoIndent) {
  const std::size_t limit = static_cast<std::size_t>(std::max(width, 1));
  if (limit >= Text.size())
    return {};
  const std::size_t cut = WidthCut(Text, limit);
  std::u16string remainder = Text.substr(cut);
  Text.resize(cut);
  DropLeadingBlanks(remainder);
  DropTrailingBlanks(Text);
  // Indenting an empty remainder would turn nothing into a line of blanks.
  if (autoIndent && !remainder.empty())
    remainder.insert(0, LeadingIndentation());
  return remainder;
}

std::u16string TClipLine::BreakAfter(std::u16string_view text, int minLength, bool autoIndent) {
  const auto length = static_cast<std::ptrdiff_t>(Text.size());
  if (text.empty() || minLength >= length)
    return {};
  const std::ptrdiff_t from =
      std::max<std::ptrdiff_t>(0, minLength - static_cast<std::ptrdiff_t>(text.size()));
  const std::size_t at = Text.find(text, static_cast<std::size_t>(from));
  if (at == std::u16string::npos || at + text.size() >= Text.size())
    return {};
  std::u16string remainder = Text.substr(at + text.size());
  Text.resize(at + text.size());
  if (autoIndent)
    remainder.insert(0, LeadingIndentation());
  return remainder;
}

std::u16string TClipLine::BreakBefore(std::u16string_view text, int minLength, bool autoIndent) {
  if (text.empty() || minLength >= static_cast<std::ptrdiff_t>(Text.size()))
    return {};
  // An occurrence at the very start would leave nothing on this line and the same text on the next.
  const std::size_t at = Text.find(text, static_cast<std::size_t>(std::max(minLength, 1)));
  if (at == std::u16string::npos)
    return {};
  std::u16string remainder = Text.substr(at);
  Text.resize(at);
  if (autoIndent)
    remainder.insert(0, LeadingIndentation());
  return remainder;
}

}  // namespace tolvane::modifier
