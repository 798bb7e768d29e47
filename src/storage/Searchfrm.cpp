#include "storage/Searchfrm.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <utility>

#include "common/Decimaltext.h"

namespace tolvane::storage {
namespace {

// The record's values in the order a term is tried against them.
constexpr std::array SearchedValues{
    &TSearchRecord::Name,  &TSearchRecord::Tip,     &TSearchRecord::Code,    &TSearchRecord::KeyMacro,
    &TSearchRecord::XClip, &TSearchRecord::Subject, &TSearchRecord::Email,   &TSearchRecord::Bcc,
    &TSearchRecord::Cc,    &TSearchRecord::File,    &TSearchRecord::Program, &TSearchRecord::Url,
};

constexpr std::array<std::u16string_view, 7> TypeNames{
    u"Clip", u"Folder Clip", u"Folder", u"Action", u"Website", u"Mail", u"Macro",
};

bool Contains(const TSearchRecord& record, std::u16string_view lowerTerm) {
  return std::any_of(SearchedValues.begin(), SearchedValues.end(),
                     [&](auto value) { return (record.*value).find(lowerTerm) != std::u16string::npos; });
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
    return item.Parent->Name;
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

TSearchRecord TSearchEngine::MakeRecord(TItem& item) const {
  const auto lower = [this](const std::u16string& text) {
    return Locale.LowerCase(text, platform::TLocaleScope::User);
  };
  return {lower(item.Name), lower(item.Code),    lower(item.XClip),   lower(item.KeyMacro),
          lower(item.Tip),  lower(item.Bcc),     lower(item.Cc),      lower(item.Email),
          lower(item.File), lower(item.Program), lower(item.Subject), lower(item.Url),
          item.ItemType,    item.ImageIndex,     item.Parent,         &item};
}

void TSearchEngine::AddRecords(TItem& item) {
  Records.push_back(MakeRecord(item));
  for (TItem& child : item.Children)
    AddRecords(child);
}

void TSearchEngine::Load(TItem& root) {
  const std::uint32_t start = Time.TickCount();
  Records.clear();
  for (TItem& child : root.Children) {
    if (child.ItemType >= ItemTypeClip && child.ItemType <= ItemTypeClipModifier)
      AddRecords(child);
  }
  All.Records.clear();
  for (const TSearchRecord& record : Records)
    All.Records.push_back(&record);
  // Stable, so equal names keep their order in the tree.
  std::stable_sort(
      All.Records.begin(), All.Records.end(), [this](const TSearchRecord* a, const TSearchRecord* b) {
        return Locale.Compare(a->Item->Name, b->Item->Name, true, platform::TLocaleScope::User) < 0;
      });
  All.Milliseconds = Time.TickCount() - start;
  AfterTerm1 = {};
  AfterTerm2 = {};
  Term1.clear();
  Term2.clear();
  Show(All.Records, All.Milliseconds);
}

void TSearchEngine::Filter(const TRecordList& from, TResultList& to, std::u16string_view term) {
  const std::uint32_t start = Time.TickCount();
  const std::u16string lowerTerm = Locale.LowerCase(term, platform::TLocaleScope::User);
  to.Records.clear();
  std::copy_if(from.begin(), from.end(), std::back_inserter(to.Records),
               [&lowerTerm](const TSearchRecord* record) { return Contains(*record, lowerTerm); });
  // Unsigned subtraction, so a tick count that wrapped meanwhile still gives the elapsed time.
  to.Milliseconds = Time.TickCount() - start;
}

void TSearchEngine::SetTerm1(std::u16string_view term) {
  Term1 = term;
  if (!Term1.empty()) {
    Filter(All.Records, AfterTerm1, Term1);
    if (Term2.empty()) {
      Show(AfterTerm1.Records, AfterTerm1.Milliseconds);
      return;
    }
    Filter(AfterTerm1.Records, AfterTerm2, Term2);
    Show(AfterTerm2.Records, AfterTerm1.Milliseconds + AfterTerm2.Milliseconds);
  } else if (!Term2.empty()) {
    Filter(All.Records, AfterTerm1, Term2);
    Show(AfterTerm1.Records, AfterTerm1.Milliseconds);
  } else {
    Show(All.Records, All.Milliseconds);
  }
}

void TSearchEngine::SetTerm2(std::u16string_view term) {
  Term2 = term;
  if (!Term2.empty()) {
    if (!Term1.empty()) {
      Filter(AfterTerm1.Records, AfterTerm2, Term2);
      Show(AfterTerm2.Records, AfterTerm2.Milliseconds);
    } else {
      Filter(All.Records, AfterTerm1, Term2);
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
  for (const TSearchRecord* record : records) {
    const TItem& item = *record->Item;
    ShownRows.push_back({record->ImageIndex, item.Name, record->Parent->ImageIndex, SearchPath(item),
                         std::u16string(SearchTypeName(record->ItemType)), record->Item});
  }
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
