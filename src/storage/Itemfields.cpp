#include "storage/Itemfields.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "storage/Conversionerror.h"
#include "storage/Xmlchars.h"
#include "storage/Xmltext.h"

namespace tolvane::storage::itemfields {
namespace {

constexpr int MaxStoredRepeatCount = 99;  // two digits in "ZVals"

// A byte of 0x80 or more is part of a character beyond ASCII (or of an invalid sequence, which reads as
// U+FFFD), so UTF-8 bytes need no decoding to be refused or read.
template <class TChar>
std::optional<int> ParseInteger(std::basic_string_view<TChar> text) {
  while (!text.empty() && IsXmlSkippable(static_cast<char16_t>(UnitValue(text.front()))))
    text.remove_prefix(1);
  // Narrowed on the stack: a value is a few digits, unless a file pads it with zeros.
  constexpr std::size_t ShortValue = 32;
  char buffer[ShortValue];
  std::string longValue;
  char* narrow = buffer;
  if (text.size() > ShortValue) {
    longValue.resize(text.size());
    narrow = longValue.data();
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (UnitValue(text[i]) > 127)
      return std::nullopt;
    narrow[i] = static_cast<char>(text[i]);
  }
  const char* first = narrow;
  const char* last = first + text.size();
  if (last - first > 1 && *first == '+' && first[1] != '-')
    ++first;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last)
    return std::nullopt;
  return value;
}

template <auto Member>
void SetField(TItem& item, std::u16string_view text) {
  item.*Member = text;
}

}  // namespace

const std::array<TStoredField, 14> StoredFields{{
    {u"Name", &FieldText<&TItem::Name>, &SetField<&TItem::Name>, TFieldForm::Plain},
    {u"Code", &FieldText<&TItem::Code>, &SetField<&TItem::Code>, TFieldForm::Framed},
    {u"Tip", &FieldText<&TItem::Tip>, &SetField<&TItem::Tip>, TFieldForm::Framed},
    {u"Email", &FieldText<&TItem::Email>, &SetField<&TItem::Email>, TFieldForm::Plain},
    {u"ACc", &FieldText<&TItem::Cc>, &SetField<&TItem::Cc>, TFieldForm::Plain},
    {u"Bcc", &FieldText<&TItem::Bcc>, &SetField<&TItem::Bcc>, TFieldForm::Plain},
    {u"XClip", &FieldText<&TItem::XClip>, &SetField<&TItem::XClip>, TFieldForm::Plain},
    {u"File", &FieldText<&TItem::File>, &SetField<&TItem::File>, TFieldForm::Plain},
    {u"Subject", &FieldText<&TItem::Subject>, &SetField<&TItem::Subject>, TFieldForm::Plain},
    {u"Program", &FieldText<&TItem::Program>, &SetField<&TItem::Program>, TFieldForm::Plain},
    {u"Url", &FieldText<&TItem::Url>, &SetField<&TItem::Url>, TFieldForm::Plain},
    {u"WebBrowser", &FieldText<&TItem::WebBrowser>, &SetField<&TItem::WebBrowser>, TFieldForm::Plain},
    {u"KeyMacro", &FieldText<&TItem::KeyMacro>, &SetField<&TItem::KeyMacro>, TFieldForm::CData},
    {u"QParams", &FieldText<&TItem::QParams>, &SetField<&TItem::QParams>, TFieldForm::Plain},
}};

TStoredValue StoredValue(TFieldForm form, std::u16string_view value) {
  switch (form) {
    case TFieldForm::Plain: {
      // Plain text loses its trailing blanks anyway; leading ones would be skipped by every reader.
      const std::u16string_view kept = TrimXmlRight(value);
      return {kept, !kept.empty() && IsXmlTrimmable(kept.front())};
    }
    case TFieldForm::Framed:
      return {value, !value.empty() && (IsXmlTrimmable(value.front()) || IsXmlTrimmable(value.back()))};
    case TFieldForm::CData:
      break;
  }
  return {value, true};
}

TItemText* FieldByLetter(TItem& item, char16_t letter) {
  switch (letter) {
    case u'A':
      return &item.Cc;
    case u'B':
      return &item.Bcc;
    case u'C':
      return &item.Code;
    case u'E':
      return &item.Email;
    case u'F':
      return &item.File;
    case u'K':
      return &item.KeyMacro;
    case u'N':
      return &item.Name;
    case u'P':
      return &item.Program;
    case u'Q':
      return &item.QParams;
    case u'S':
      return &item.Subject;
    case u'T':
      return &item.Tip;
    case u'U':
      return &item.Url;
    case u'W':
      return &item.WebBrowser;
    case u'X':
      return &item.XClip;
    default:
      return nullptr;
  }
}

bool NeedsZVals(const TItem& item) {
  return item.NewLineHome || !item.MonoSpace || item.RepeatCount != 1;
}

std::u16string PackZVals(const TItem& item) {
  const int count = std::clamp(item.RepeatCount, 1, MaxStoredRepeatCount);
  std::u16string zvals = u"0000000000";
  zvals[0] = static_cast<char16_t>(u'0' + count / 10);
  zvals[1] = static_cast<char16_t>(u'0' + count % 10);
  zvals[2] = item.MonoSpace ? u'1' : u'0';
  zvals[3] = item.NewLineHome ? u'1' : u'0';
  return zvals;
}

void UnpackZVals(std::u16string_view zvals, TItem& item) {
  if (zvals.size() >= 3)
    item.MonoSpace = zvals[2] != u'0';
  if (zvals.size() >= 4)
    item.NewLineHome = zvals[3] != u'0';
  int count = 0;
  for (const char16_t c : zvals.substr(0, 2)) {
    if (c >= u'0' && c <= u'9')
      count = count * 10 + (c - u'0');
  }
  item.RepeatCount = !zvals.empty() && zvals[0] == u'-' ? -count : count;
}

void FinishReadItem(TItem& item) {
  item.RepeatCount = std::max(item.RepeatCount, 1);
  if (item.ItemType >= ItemTypeProgramOwn)
    item.ItemType = item.Children.Empty() ? ItemTypeClip : ItemTypeFolder;
}

template <class TChar>
bool ReadItemAttributes(std::span<const std::basic_string_view<TChar>> values, TItem& item,
                        std::u16string& error) {
  if (item.Level > MaxItemLevel) {
    error = NestedTooDeeply;
    return false;
  }
  int* targets[] = {&item.ItemType, &item.ImageIndex};
  for (std::size_t i = 0; i < std::min<std::size_t>(values.size(), 2); ++i) {
    const std::optional<int> parsed = ParseInteger(values[i]);
    if (!parsed) {
      error = NotAnIntegerMessage(ToUtf16(values[i]));
      return false;
    }
    *targets[i] = *parsed;
  }
  return true;
}

template bool ReadItemAttributes(std::span<const std::u16string_view>, TItem&, std::u16string&);
template bool ReadItemAttributes(std::span<const std::string_view>, TItem&, std::u16string&);

}  // namespace tolvane::storage::itemfields
