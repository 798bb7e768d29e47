#include "modifier/Qxclipline.h"

#include <algorithm>

namespace tolvane::modifier {
namespace {

std::size_t SkipSeparators(std::u16string_view text, std::size_t i, const TSeparatorSet& separators) {
  while (i < text.size() && separators.IsSeparator(text[i]))
    ++i;
  return i;
}

std::size_t SkipWord(std::u16string_view text, std::size_t i, const TSeparatorSet& separators) {
  while (i < text.size() && !separators.IsSeparator(text[i]))
    ++i;
  return i;
}

}  // namespace

std::u16string_view TClipLine::Key() const {
  if (!HasKey())
    return {};
  return std::u16string_view(Text).substr(static_cast<std::size_t>(KeyStart),
                                          static_cast<std::size_t>(KeyLength));
}

void TClipLine::ClearKey() {
  KeyStart = -1;
  KeyLength = -1;
  KeyOffset = -1;
}

void TClipLine::SetKey(std::size_t start, std::size_t length) {
  KeyStart = static_cast<int>(start);
  KeyLength = static_cast<std::int32_t>(length);
  KeyOffset = static_cast<std::int32_t>(start);
}

bool TClipLine::LocateWord(int n, const TSeparatorSet& separators) {
  ClearKey();
  std::size_t i = SkipSeparators(Text, 0, separators);
  for (int k = 1; k < n && i < Text.size(); ++k)
    i = SkipSeparators(Text, SkipWord(Text, i, separators), separators);
  if (i >= Text.size())
    return false;
  SetKey(i, SkipWord(Text, i, separators) - i);
  return true;
}

bool TClipLine::LocateWordAfterSign(char16_t sign, const TSeparatorSet& separators) {
  ClearKey();
  const std::size_t at = Text.find(sign);
  if (at == std::u16string::npos)
    return false;
  const std::size_t start = SkipSeparators(Text, at + 1, separators);
  if (start >= Text.size())
    return false;
  SetKey(start, SkipWord(Text, start, separators) - start);
  return true;
}

bool TClipLine::LocateWordBeforeSign(char16_t sign, const TSeparatorSet& separators) {
  ClearKey();
  const std::size_t at = Text.find(sign);
  if (at == std::u16string::npos)
    return false;
  std::size_t end = at;
  while (end > 0 && separators.IsSeparator(Text[end - 1]))
    --end;
  if (end == 0)
    return false;
  std::size_t start = end;
  while (start > 0 && !separators.IsSeparator(Text[start - 1]))
    --start;
  SetKey(start, end - start);
  return true;
}

bool TClipLine::LocateSign(char16_t sign) {
  ClearKey();
  const std::size_t at = Text.find(sign);
  if (at == std::u16string::npos)
    return false;
  KeyOffset = static_cast<std::int32_t>(at);
  return true;
}

void TClipLine::InsertAtColumn(int column, char16_t padding) {
  if (KeyOffset < 0 || KeyOffset > column || static_cast<std::size_t>(KeyOffset) > Text.size())
    return;
  Text.Edit().insert(static_cast<std::size_t>(KeyOffset), static_cast<std::size_t>(column - KeyOffset),
                     padding);
  if (KeyStart == KeyOffset)
    KeyStart = column;
  KeyOffset = column;
}

TClipLine& TClipLines::Insert(int index, TClipLine line) {
  TStorage& lines = Cut();
  const std::size_t at = std::min(static_cast<std::size_t>(std::max(index, 0)), lines.size());
  return *lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void TClipLines::Delete(int index) {
  TStorage& lines = Cut();
  if (index >= 0 && static_cast<std::size_t>(index) < lines.size())
    lines.erase(lines.begin() + index);
}

void TClipLine::PadLeft(int length, char16_t padding) {
  const std::size_t target = static_cast<std::size_t>(std::max(length, 0));
  if (Text.size() < target)
    Text.Edit().insert(0, target - Text.size(), padding);
  else
    Text.Truncate(target);
}

void TClipLine::PadRight(int length, char16_t padding) {
  const std::size_t target = static_cast<std::size_t>(std::max(length, 0));
  if (Text.size() < target)
    Text.Edit().resize(target, padding);
  else
    Text.Truncate(target);
}

}  // namespace tolvane::modifier
