#include "modifier/Parameters.h"

#include <optional>

namespace tolvane::modifier {
namespace {

bool IsQuote(char16_t c) {
  return c == u'\'' || c == u'"' || c == u'|';
}

// Index of the character that closes a value opened by `quote` at `open`. A backslash keeps an apostrophe
// or double quote inside the value (and stays there itself); a bar cannot be escaped.
std::optional<std::size_t> FindClosingQuote(std::u16string_view text, std::size_t open) {
  const char16_t quote = text[open];
  for (std::size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] != quote)
      continue;
    if (quote != u'|' && text[i - 1] == u'\\')
      continue;
    return i;
  }
  return std::nullopt;
}

std::uint32_t HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9')
    return c - u'0';
  if (c >= u'a' && c <= u'f')
    return c - u'a' + 10;
  if (c >= u'A' && c <= u'F')
    return c - u'A' + 10;
  return 16;
}

void Convert(TVar& slot, std::u16string_view value) {
  switch (slot.Kind) {
    case TVarKind::Character:
      slot.Character = value.empty() ? u'\0' : value.front();
      break;
    case TVarKind::YesNo:
      slot.YesNo = !value.empty() && (value.front() == u'y' || value.front() == u'Y');
      break;
    case TVarKind::Number:
      slot.Number = ParseNumber(value);
      break;
    case TVarKind::Text:
      slot.TextValue = value;
      break;
  }
}

}  // namespace

std::int32_t ParseNumber(std::u16string_view value) {
  std::uint32_t result = 0;
  if (!value.empty() && value.front() == u'#') {
    for (const char16_t c : value.substr(1)) {
      if (const std::uint32_t digit = HexDigit(c); digit < 16)
        result = result * 16 + digit;
    }
    return static_cast<std::int32_t>(result);
  }
  const bool negative = !value.empty() && value.front() == u'-';
  for (const char16_t c : value) {
    if (c >= u'0' && c <= u'9')
      result = result * 10 + static_cast<std::uint32_t>(c - u'0');
  }
  return static_cast<std::int32_t>(negative ? 0u - result : result);
}

bool ParseParameters(std::u16string_view functionName, std::vector<TVar>& slots,
                     std::u16string_view paramText, TRunMessages& messages) {
  std::size_t position = 0;
  for (TVar& slot : slots) {
    while (position < paramText.size() && !IsQuote(paramText[position]))
      ++position;
    if (position == paramText.size()) {
      messages.WrongParameter(functionName);
      return false;
    }
    const std::optional<std::size_t> close = FindClosingQuote(paramText, position);
    if (!close)
      return false;
    const std::u16string_view value = paramText.substr(position + 1, *close - position - 1);
    if (value.empty() && slot.Kind != TVarKind::Text)
      messages.EmptyParameter(functionName);
    Convert(slot, value);
    position = *close + 1;
  }
  return true;
}

}  // namespace tolvane::modifier
