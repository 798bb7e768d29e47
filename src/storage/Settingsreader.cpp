#include "storage/Settingsreader.h"

#include <array>
#include <limits>

#include "storage/Settingsread.h"

namespace tolvane::storage {
namespace {

constexpr TSettingsColor SystemColorFlag = 0x80000000;

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// The number starting at pos (after an optional "-"), saturated to int; pos moves past it.
int ScanNumber(std::u16string_view text, std::size_t& pos) {
  const bool negative = text[pos] == u'-';
  if (negative)
    ++pos;
  long long value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    if (value <= std::numeric_limits<int>::max())
      value = value * 10 + (text[pos] - u'0');
  }
  if (value > std::numeric_limits<int>::max())
    value = std::numeric_limits<int>::max();
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::optional<TRect> ParseWindowBounds(std::u16string_view text) {
  std::array<int, 4> numbers{};
  std::size_t found = 0;
  std::size_t pos = 0;
  while (found < numbers.size() && pos < text.size()) {
    const bool startsNumber =
        IsDigit(text[pos]) || (text[pos] == u'-' && pos + 1 < text.size() && IsDigit(text[pos + 1]));
    if (startsNumber) {
      numbers[found++] = ScanNumber(text, pos);
    } else {
      ++pos;
    }
  }
  if (found < numbers.size())
    return std::nullopt;
  return TRect{numbers[0], numbers[1], numbers[2], numbers[3]};
}

void TSettingsReader::Section(std::u16string_view name) {
  const TQxIniSection* section = Ini.FindSection(name);
  Current = section != nullptr ? section : &NoSection;
  CurrentName = name;
}

bool TSettingsReader::SectionKnown(std::u16string_view name) const {
  return Ini.UnparsedText.empty() || Ini.FindSection(name) != nullptr;
}

// Only the first section of a name counts, so a key missing from it is missing for good; a section that
// was not found may lie in the unparsed rest of the file.
void TSettingsReader::NoteRead(std::u16string_view key) {
  if (State != nullptr && SectionKnown(CurrentName))
    State->ReadKeys.emplace(CurrentName, key);
}

void TSettingsReader::Int(std::u16string_view key, int TSettings::*field, int defaultValue) {
  if (Failed())
    return;
  TIniInteger read = Current->ReadInteger(key, defaultValue);
  if (read.Ok()) {
    Settings.*field = read.Value;
    NoteRead(key);
  } else {
    Error = std::move(read.Error);
    FailedAt = key;
  }
}

void TSettingsReader::Bool(std::u16string_view key, bool TSettings::*field) {
  if (Failed())
    return;
  Settings.*field = Current->ReadBool(key, Defaults.*field);
  NoteRead(key);
}

void TSettingsReader::Color(std::u16string_view key, TSettingsColor TSettings::*field) {
  if (Failed())
    return;
  const TSettingsColor value = Current->ReadHex(key, Defaults.*field);
  Settings.*field =
      (value & SystemColorFlag) != 0 ? SystemColors.Color(static_cast<int>(value & ~SystemColorFlag)) : value;
  NoteRead(key);
}

void TSettingsReader::Text(std::u16string_view key, std::u16string TSettings::*field,
                           std::u16string_view defaultValue) {
  if (Failed())
    return;
  Settings.*field = Current->ReadString(key, defaultValue);
  NoteRead(key);
}

void TSettingsReader::Bounds(std::u16string_view key, std::optional<TRect> TSettings::*field) {
  if (Failed())
    return;
  Settings.*field = ParseWindowBounds(Current->ReadString(key, u""));
  NoteRead(key);
}

}  // namespace tolvane::storage
