#include "storage/Searchfrm.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "common/Decimaltext.h"
#include "storage/Itemfields.h"

namespace tolvane::storage {
namespace {

// The item's values in the order a term is tried against them.
using itemfields::FieldText;
constexpr std::array<std::u16string_view (*)(const TItem&), SearchedValueCount> SearchedValues{
    &FieldText<&TItem::Name>,     &FieldText<&TItem::Tip>,     &FieldText<&TItem::Code>,
    &FieldText<&TItem::KeyMacro>, &FieldText<&TItem::XClip>,   &FieldText<&TItem::Subject>,
    &FieldText<&TItem::Email>,    &FieldText<&TItem::Bcc>,     &FieldText<&TItem::Cc>,
    &FieldText<&TItem::File>,     &FieldText<&TItem::Program>, &FieldText<&TItem::Url>,
};

constexpr std::array<std::u16string_view, 7> TypeNames{
    u"Clip", u"Folder Clip", u"Folder", u"Action", u"Website", u"Mail", u"Macro",
};

// A lower-case term as each kind of record text is searched for it.
struct TTerm {
  std::u16string_view Wide;
  std::string Narrow;
  bool Narrowable = true;  // no code unit above 255, so one-byte text can hold it
  bool HasNull = false;
};

TTerm MakeTerm(std::u16string_view lowerTerm) {
  TTerm term{.Wide = lowerTerm, .Narrow = {}, .Narrowable = true, .HasNull = false};
  for (const char16_t c : lowerTerm) {
    term.Narrowable = term.Narrowable && c < 0x100;
    term.HasNull = term.HasNull || c == u'\0';
    term.Narrow += static_cast<char>(c);
  }
  return term;
}

// Whether text holds the term (not empty) at `at`, given that its first and last code units match there.
template <class TChar>
bool MiddleMatches(const TChar* at, std::basic_string_view<TChar> term) {
  return term.size() <= 2 || std::equal(term.begin() + 1, term.end() - 1, at + 1);
}

// Whether the text contains the term (not empty). Start positions are tested a block at a time by the
// term's first and last code units in a loop without early exit, which compilers turn into vector compares;
// only a block with a candidate is looked at closely. Far faster than a search per position on long texts.
template <class TChar>
bool HoldsTerm(std::basic_string_view<TChar> text, std::basic_string_view<TChar> term) {
  const std::size_t length = term.size();
  if (text.size() < length)
    return false;
  const TChar first = term.front();
  const TChar last = term.back();
  const TChar* const data = text.data();
  const std::size_t starts = text.size() - length + 1;
  constexpr std::size_t Block = 32 / sizeof(TChar);
  std::size_t start = 0;
  for (; start + Block <= starts; start += Block) {
    const TChar* const block = data + start;
    unsigned candidates = 0;
    for (std::size_t k = 0; k < Block; ++k)
      candidates |=
          static_cast<unsigned>(block[k] == first) & static_cast<unsigned>(block[k + length - 1] == last);
    if (candidates == 0)
      continue;
    for (std::size_t k = 0; k < Block; ++k) {
      if (block[k] == first && block[k + length - 1] == last && MiddleMatches(block + k, term))
        return true;
    }
  }
  for (; start < starts; ++start) {
    if (data[start] == first && data[start + length - 1] == last && MiddleMatches(data + start, term))
      return true;
  }
  return false;
}

template <class TChar>
bool HoldsTerm(const TSearchRecord& record, std::basic_string_view<TChar> text,
               std::basic_string_view<TChar> term, bool termHasNull) {
  if (!termHasNull)
    return HoldsTerm(text, term);
  // The separators could take part in a match: each value on its own.
  std::size_t begin = 0;
  for (const std::uint32_t end : record.ValueEnds) {
    if (HoldsTerm(text.substr(begin, end - begin), term))
      return true;
    begin = end + 1;
  }
  return false;
}

bool Contains(const TSearchRecord& record, const TTerm& term) {
  if (record.NarrowText.empty())
    return HoldsTerm(record, record.Text, term.Wide, term.HasNull);
  return term.Narrowable && HoldsTerm(record, record.NarrowText, std::string_view(term.Narrow), term.HasNull);
}

TDetailLine Line(std::u16string_view label, std::u16string_view value, std::uint32_t color) {
  std::u16string text(label);
  text += value;
  return {std::move(text), color};
}

}  // namespace

std::u16string_view SearchTypeName(int itemType) {
  if (itemType < 0 || itemType >= static_cast<int>(TypeNames.size()))
    return {};
  return TypeNames[static_cast<std::size_t>(itemType)];
}

std::u16string SearchPath(const TItem& item) {
  if (item.Parent == nullptr)
    return {};
  if (item.Parent->Parent == nullptr)
    return item.Parent->Name.Str();
  return item.Parent->ItemPath();
}

std::vector<TDetailLine> SearchDetailLines(const TItem& item) {
  switch (item.ItemType) {
    case ItemTypeClip:
    case ItemTypeFolderClip:
      return {Line(u"Tip: ", item.Tip, DetailBlue), Line(u"Clip: ", item.Code, DetailGreen),
              Line(u"FileName: ", item.File, DetailNavy)};
    case ItemTypeMail:
      return {Line(u"Email: ", item.Email, DetailNavy), Line(u"Bcc: ", item.Bcc, DetailPurple),
              Line(u"Cc: ", item.Cc, DetailMaroon), Line(u"Subject: ", item.Subject, DetailGreen),
              Line(u"Body: ", item.Code, DetailBlue)};
    case ItemTypeProgram:
      return {Line(u"Program: ", item.Program, DetailNavy), Line(u"Parameters: ", item.QParams, DetailPurple),
              Line(u"Tip: ", item.Tip, DetailBlue)};
    case ItemTypeWebSite:
      return {Line(u"Url: ", item.Url, DetailNavy), Line(u"Tip: ", item.Tip, DetailBlue),
              Line(u"WebBrowser: ", item.WebBrowser, DetailPurple)};
    case ItemTypeKeyMacro:
      return {Line(u"Tip: ", item.Tip, DetailBlue), Line(u"Macro: ", item.GetMacroLines(), DetailGreen)};
    default:
      return {};
  }
}

namespace {

// Adds the item and its descendants in depth-first order, each with the index in `paths` of its search
// path. `itemPath` is the item's own path (the names from the top-level item down to it), which is the
// search path of its children; it is extended in place for each child and kept only for parents.
void AddItems(TItem& item, std::uint32_t path, std::u16string& itemPath,
              std::vector<TSearchEngine::TEntry>& entries, std::vector<std::u16string>& paths) {
  entries.push_back({&item, path});
  if (item.Children.Empty())
    return;
  paths.push_back(itemPath);
  const auto childPath = static_cast<std::uint32_t>(paths.size() - 1);
  const std::size_t length = itemPath.size();
  for (TItem& child : item.Children) {
    itemPath += u'\\';
    itemPath += child.Name;
    AddItems(child, childPath, itemPath, entries, paths);
    itemPath.resize(length);
  }
}

// The first eight bytes of a key as a number, zero-padded: ordering by it and then, when equal, by the
// whole key is ordering by the key, since padding never exceeds a byte of a longer key.
std::uint64_t KeyPrefix(std::string_view key) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < 8; ++i)
    prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return prefix;
}

}  // namespace

std::u16string TSearchEngine::LowerValues(const TItem& item,
                                          std::array<std::uint32_t, SearchedValueCount>& ends) {
  // One mapping of all values joined by their null separators costs far less than one per value. Case
  // mappings do not change a null, and a null ends the context of a letter whose lower case depends on its
  // neighbours (a final sigma), so each value maps as it would alone, provided every value kept its length:
  // then the nulls are where they were. Else each value is mapped on its own.
  std::size_t size = 0;
  for (const auto value : SearchedValues)
    size += value(item).size() + 1;
  std::u16string joined;
  joined.reserve(size);
  for (std::size_t i = 0; i < SearchedValues.size(); ++i) {
    joined += SearchedValues[i](item);
    ends[i] = static_cast<std::uint32_t>(joined.size());
    joined += u'\0';
  }
  std::u16string lower = Locale.LowerCase(joined, platform::TLocaleScope::User);
  if (lower.size() == joined.size()) {
    bool nullsKept = true;
    for (std::size_t i = 0; i < joined.size(); ++i)
      nullsKept &= (joined[i] == u'\0') == (lower[i] == u'\0');
    if (nullsKept)
      return lower;
  }
  lower.clear();
  for (std::size_t i = 0; i < SearchedValues.size(); ++i) {
    lower += Locale.LowerCase(SearchedValues[i](item), platform::TLocaleScope::User);
    ends[i] = static_cast<std::uint32_t>(lower.size());
    lower += u'\0';
  }
  return lower;
}

TSearchRecord TSearchEngine::MakeRecord(const TEntry& entry) {
  TItem& item = *entry.Item;
  TSearchRecord record{.Text = {},
                       .NarrowText = {},
                       .ValueEnds = {},
                       .Row = {item.ImageIndex, item.Name, item.Parent->ImageIndex, Paths[entry.Path],
                               SearchTypeName(item.ItemType), &item}};
  const std::u16string text = LowerValues(item, record.ValueEnds);
  // Or-ing every code unit, instead of stopping at the first wide one, lets the compiler vectorise the test.
  char16_t bits = 0;
  for (const char16_t c : text)
    bits |= c;
  if (bits < 0x100) {
    const std::size_t at = SearchedNarrowText.size();
    SearchedNarrowText.resize(at + text.size());
    std::transform(text.begin(), text.end(), SearchedNarrowText.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char16_t c) { return static_cast<char>(c); });
    // Marks the record narrow until Load points the view at its place.
    record.NarrowText = std::string_view("\0", 1);
  } else {
    SearchedText += text;
  }
  return record;
}

void TSearchEngine::SortByName(std::vector<TEntry>& entries) {
  // Stable, so equal names keep their order in the tree. A sort key per name makes each comparison a byte
  // compare instead of a call into the locale; most are decided by the keys' first bytes alone.
  struct TKeyed {
    std::uint64_t Prefix;
    std::uint32_t Offset;
    std::uint32_t Length;
    TEntry Entry;
  };
  std::string keys;
  std::vector<TKeyed> keyed;
  keyed.reserve(entries.size());
  for (const TEntry& entry : entries) {
    const std::optional<std::string> key =
        Locale.SortKey(entry.Item->Name, true, platform::TLocaleScope::User);
    if (!key || keys.size() + key->size() > UINT32_MAX) {
      std::stable_sort(entries.begin(), entries.end(), [this](const TEntry& a, const TEntry& b) {
        return Locale.Compare(a.Item->Name, b.Item->Name, true, platform::TLocaleScope::User) < 0;
      });
      return;
    }
    keyed.push_back({KeyPrefix(*key), static_cast<std::uint32_t>(keys.size()),
                     static_cast<std::uint32_t>(key->size()), entry});
    keys += *key;
  }
  const std::string_view bytes = keys;
  std::stable_sort(keyed.begin(), keyed.end(), [bytes](const TKeyed& a, const TKeyed& b) {
    if (a.Prefix != b.Prefix)
      return a.Prefix < b.Prefix;
    return bytes.substr(a.Offset, a.Length) < bytes.substr(b.Offset, b.Length);
  });
  for (std::size_t i = 0; i < entries.size(); ++i)
    entries[i] = keyed[i].Entry;
}

void TSearchEngine::Load(TItem& root) {
  const std::uint32_t start = Time.TickCount();
  std::vector<TEntry> entries;
  Paths.clear();
  // The top-level items' search path is the root's name.
  Paths.push_back(root.Name.Str());
  std::u16string itemPath;
  for (TItem& child : root.Children) {
    if (child.ItemType >= ItemTypeClip && child.ItemType <= ItemTypeClipModifier) {
      itemPath = child.Name;
      AddItems(child, 0, itemPath, entries, Paths);
    }
  }
  SortByName(entries);
  SearchedText.clear();
  SearchedNarrowText.clear();
  // Room for every record as one-byte text, which most are.
  std::size_t size = 0;
  for (const TEntry& entry : entries) {
    for (const auto value : SearchedValues)
      size += value(*entry.Item).size() + 1;
  }
  SearchedNarrowText.reserve(size);
  Records.clear();
  Records.reserve(entries.size());
  for (const TEntry& entry : entries)
    Records.push_back(MakeRecord(entry));
  std::size_t wideBegin = 0;
  std::size_t narrowBegin = 0;
  All.Records.clear();
  All.Records.reserve(Records.size());
  for (TSearchRecord& record : Records) {
    const std::size_t length = record.ValueEnds.back() + 1;
    if (record.NarrowText.empty()) {
      record.Text = std::u16string_view(SearchedText).substr(wideBegin, length);
      wideBegin += length;
    } else {
      record.NarrowText = std::string_view(SearchedNarrowText).substr(narrowBegin, length);
      narrowBegin += length;
    }
    All.Records.push_back(&record);
  }
  All.Milliseconds = Time.TickCount() - start;
  All.Built = true;
  All.Version = ++LastVersion;
  AfterTerm1 = {};
  AfterTerm2 = {};
  Term1.clear();
  Term2.clear();
  Show(All.Records, All.Milliseconds);
}

void TSearchEngine::Filter(const TResultList& from, TResultList& to, std::u16string_view term) {
  const std::uint32_t start = Time.TickCount();
  std::u16string lowerTerm = Locale.LowerCase(term, platform::TLocaleScope::User);
  const TTerm searched = MakeTerm(lowerTerm);
  const auto misses = [&searched](const TSearchRecord* record) { return !Contains(*record, searched); };
  // A record that contains the new term contains every part of it, so when the last build's term is part
  // of the new one and the source is unchanged, the last result already holds every hit, in source order.
  // Comparing the lower-case terms keeps this exact whatever the case typed.
  if (to.Built && to.SourceVersion == from.Version && lowerTerm.find(to.LowerTerm) != std::u16string::npos) {
    std::erase_if(to.Records, misses);
  } else {
    to.Records.clear();
    std::remove_copy_if(from.Records.begin(), from.Records.end(), std::back_inserter(to.Records), misses);
  }
  to.Built = true;
  to.LowerTerm = std::move(lowerTerm);
  to.SourceVersion = from.Version;
  to.Version = ++LastVersion;
  // Unsigned subtraction, so a tick count that wrapped meanwhile still gives the elapsed time.
  to.Milliseconds = Time.TickCount() - start;
}

void TSearchEngine::SetTerm1(std::u16string_view term) {
  Term1 = term;
  if (!Term1.empty()) {
    Filter(All, AfterTerm1, Term1);
    if (Term2.empty()) {
      Show(AfterTerm1.Records, AfterTerm1.Milliseconds);
      return;
    }
    Filter(AfterTerm1, AfterTerm2, Term2);
    Show(AfterTerm2.Records, AfterTerm1.Milliseconds + AfterTerm2.Milliseconds);
  } else if (!Term2.empty()) {
    Filter(All, AfterTerm1, Term2);
    Show(AfterTerm1.Records, AfterTerm1.Milliseconds);
  } else {
    Show(All.Records, All.Milliseconds);
  }
}

void TSearchEngine::SetTerm2(std::u16string_view term) {
  Term2 = term;
  if (!Term2.empty()) {
    if (!Term1.empty()) {
      Filter(AfterTerm1, AfterTerm2, Term2);
      Show(AfterTerm2.Records, AfterTerm2.Milliseconds);
    } else {
      Filter(All, AfterTerm1, Term2);
      Show(AfterTerm1.Records, AfterTerm1.Milliseconds);
    }
  } else if (!Term1.empty()) {
    // The term-1 list is still the one term 1 built; it comes back with the time it was shown with.
    Show(AfterTerm1.Records, AfterTerm1.Milliseconds);
  } else {
    Show(All.Records, All.Milliseconds);
  }
}

void TSearchEngine::Show(const TRecordList& records, std::uint32_t milliseconds) {
  ShownMilliseconds = milliseconds;
  ShownRows.clear();
  ShownRows.reserve(records.size());
  for (const TSearchRecord* record : records)
    ShownRows.push_back(record->Row);
}

std::u16string TSearchEngine::Caption() const {
  std::u16string caption = u"Tolvane Search - Found ";
  caption += DecimalText(ShownRows.size());
  caption += u" Items in ";
  caption += DecimalText(ShownMilliseconds);
  caption += u" milliseconds";
  return caption;
}

std::vector<TDetailLine> TSearchEngine::DetailLines(std::size_t row) const {
  if (row >= ShownRows.size())
    return {};
  return SearchDetailLines(*ShownRows[row].Item);
}

}  // namespace tolvane::storage
