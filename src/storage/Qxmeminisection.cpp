#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "common/Decimaltext.h"
#include "storage/Conversionerror.h"
#include "storage/Qxmemini.h"

namespace tolvane::storage {
namespace {

std::optional<int> ParseDecimal(std::u16string_view text) {
  std::size_t pos = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+'))
    ++pos;
  if (pos == text.size())
    return std::nullopt;
  // Accumulated negatively so that the smallest int fits.
  long long value = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < u'0' || text[pos] > u'9')
      return std::nullopt;
    value = value * 10 - (text[pos] - u'0');
    if (value < std::numeric_limits<int>::min())
      return std::nullopt;
  }
  if (!negative && -value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(negative ? value : -value);
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9')
    return c - u'0';
  if (c >= u'A' && c <= u'F')
    return c - u'A' + 10;
  if (c >= u'a' && c <= u'f')
    return c - u'a' + 10;
  return -1;
}

}  // namespace

TQxIniVal* TQxIniSection::FindKey(std::u16string_view key) const {
  for (int i = 0; i < Values.Count(); ++i) {
    if (Values[i]->LineKind == lkKeyValue && Values[i]->Key == key)
      return Values[i];
  }
  return nullptr;
}

std::u16string TQxIniSection::ReadString(std::u16string_view key, std::u16string_view defaultValue) const {
  const TQxIniVal* line = FindKey(key);
  return std::u16string(line != nullptr ? std::u16string_view(line->Value) : defaultValue);
}

TIniInteger TQxIniSection::ReadInteger(std::u16string_view key, int defaultValue) const {
  const TQxIniVal* line = FindKey(key);
  if (line == nullptr)
    return {defaultValue, {}};
  if (const std::optional<int> value = ParseDecimal(line->Value))
    return {*value, {}};
  return {defaultValue, NotAnIntegerMessage(line->Value)};
}

bool TQxIniSection::ReadBool(std::u16string_view key, bool defaultValue) const {
  const TQxIniVal* line = FindKey(key);
  return line != nullptr ? line->Value == u"true" : defaultValue;
}

std::uint32_t TQxIniSection::ReadHex(std::u16string_view key, std::uint32_t defaultValue) const {
  const TQxIniVal* line = FindKey(key);
  if (line == nullptr || line->Value.empty())
    return defaultValue;
  std::uint32_t value = 0;
  for (const char16_t c : line->Value) {
    const int digit = HexDigit(c);
    if (digit >= 0)
      value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return value;
}

TQxIniVal& TQxIniSection::WriteString(std::u16string_view key, std::u16string_view value) {
  TQxIniVal* line = FindKey(key);
  if (line == nullptr) {
    line = Values.Add(std::make_unique<TQxIniVal>());
    line->Key = key;
  }
  // Cleaned for new lines too: a raw line break would add lines to the file. Blanks at the ends are kept, so
  // a path or a name reads back exactly.
  line->Value = CleanValue(value);
  line->UpdateKind();
  return *line;
}

TQxIniVal& TQxIniSection::WriteInteger(std::u16string_view key, int value) {
  return WriteString(key, DecimalText(value));
}

TQxIniVal& TQxIniSection::WriteBool(std::u16string_view key, bool value) {
  return WriteString(key, value ? u"true" : u"false");
}

TQxIniVal& TQxIniSection::WriteHex(std::u16string_view key, std::uint32_t value) {
  constexpr std::u16string_view Digits = u"0123456789ABCDEF";
  std::u16string text(8, u'0');
  for (std::size_t i = 8; i-- > 0; value >>= 4)
    text[i] = Digits[value & 0xF];
  return WriteString(key, text);
}

void TQxIniSection::SetComment(TQxIniVal& line, std::u16string_view text) {
  line.Comment = CleanText(text);
  line.UpdateKind();
}

}  // namespace tolvane::storage
