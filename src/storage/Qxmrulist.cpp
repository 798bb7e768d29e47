#include "storage/Qxmrulist.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "storage/Pathnames.h"

namespace tolvane::storage {
namespace {

constexpr std::size_t MaxDirLength = 515;

bool SamePath(platform::ILocale& locale, std::u16string_view a, std::u16string_view b) {
  return locale.Compare(a, b, true, platform::TLocaleScope::System) == 0;
}

// The names in dir that "*" + ext matches, sorted ignoring case.
std::vector<std::u16string> MatchingFiles(platform::IFiles& files, platform::ILocale& locale,
                                          std::u16string_view dir, std::u16string_view ext) {
  std::vector<std::u16string> names;
  const auto entries = files.List(dir);
  if (!entries)
    return names;
  for (const platform::TFolderEntry& entry : *entries) {
    if (!entry.IsFolder && (ext.empty() || EndsWithIgnoringCase(entry.Name, ext)))
      names.push_back(entry.Name);
  }
  std::sort(names.begin(), names.end(), [&locale](const std::u16string& a, const std::u16string& b) {
    return locale.Compare(a, b, true, platform::TLocaleScope::System) < 0;
  });
  return names;
}

}  // namespace

TQxMruList::TQxMruList(const TQxMruList& other) : MaxCount(other.MaxCount) {
  for (const TMruItem& item : other.Items)
    Items.Add(std::make_unique<TMruItem>(item));
}

TQxMruList& TQxMruList::operator=(const TQxMruList& other) {
  if (this != &other) {
    TQxMruList copy(other);
    *this = std::move(copy);
  }
  return *this;
}

bool TQxMruList::operator==(const TQxMruList& other) const {
  return MaxCount == other.MaxCount &&
         std::equal(Items.begin(), Items.end(), other.Items.begin(), other.Items.end());
}

const TMruItem& TQxMruList::getItem(int index) const {
  if (index < 0 || index >= Items.Count())
    throw std::out_of_range(MruIndexError);
  return *Items[index];
}

void TQxMruList::Add(platform::ILocale& locale, std::u16string_view fileName) {
  if (!Items.Empty() && SamePath(locale, Items[0]->FileName, fileName))
    return;
  auto item = std::make_unique<TMruItem>();
  item->Name = RemoveExtension(ExtractFileName(fileName));
  item->FileName = fileName;
  Items.Insert(0, std::move(item));
  for (int i = 1; i < Items.Count(); ++i) {
    if (SamePath(locale, Items[i]->FileName, fileName)) {
      Items.Delete(i);
      break;
    }
  }
  TrimToMax();
}

void TQxMruList::Add(std::u16string_view name, std::u16string_view fileName) {
  Items.Add(std::make_unique<TMruItem>(TMruItem{std::u16string(name), std::u16string(fileName)}));
}

void TQxMruList::AddFilesFromDir(platform::IFiles& files, platform::ILocale& locale, std::u16string_view dir,
                                 std::u16string_view ext) {
  if (dir.size() > MaxDirLength)
    return;
  std::u16string extension(ext);
  if (!extension.empty() && extension[0] != u'.')
    extension.insert(0, 1, u'.');
  const bool wasEmpty = Items.Empty();
  const std::u16string folder = IncludeTrailingDelimiter(dir);
  for (const std::u16string& name : MatchingFiles(files, locale, dir, extension))
    Add(RemoveExtension(name), folder + name);
  if (!wasEmpty)
    RemoveDublicates(locale);
}

void TQxMruList::Validate(platform::IFiles& files, platform::ILocale& locale) {
  for (int i = Items.Count() - 1; i >= 0; --i) {
    if (!files.FileExists(Items[i]->FileName))
      Items.Delete(i);
  }
  RemoveDublicates(locale);
}

void TQxMruList::RemoveDublicates(platform::ILocale& locale) {
  for (int i = 0; i < Items.Count(); ++i) {
    for (int j = Items.Count() - 1; j > i; --j) {
      if (SamePath(locale, Items[i]->FileName, Items[j]->FileName))
        Items.Delete(j);
    }
  }
}

void TQxMruList::setMax(int count) {
  MaxCount = std::max(count, 0);
  TrimToMax();
}

void TQxMruList::TrimToMax() {
  while (Items.Count() > MaxCount)
    Items.Delete(Items.Count() - 1);
}

}  // namespace tolvane::storage
