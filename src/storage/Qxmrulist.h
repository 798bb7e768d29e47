#pragma once
// The recent-files list: newest first, each path at most once.

#include <limits>
#include <string>
#include <string_view>

#include "common/Qxptrvector.h"
#include "platform/Files.h"
#include "platform/Locale.h"

namespace tolvane::storage {

inline constexpr char MruIndexError[] = "MRU-List Index out of bounds";

struct TMruItem {
  std::u16string Name;      // shown in the menu
  std::u16string FileName;  // full path

  bool operator==(const TMruItem&) const = default;
};

// Paths compare ignoring case in the system locale's rules, which is why the operations that compare take the
// locale.
class TQxMruList {
 public:
  TQxMruList() = default;
  TQxMruList(const TQxMruList& other);
  TQxMruList& operator=(const TQxMruList& other);
  TQxMruList(TQxMruList&&) noexcept = default;
  TQxMruList& operator=(TQxMruList&&) noexcept = default;
  bool operator==(const TQxMruList& other) const;

  int Count() const { return Items.Count(); }
  // Throws std::out_of_range with MruIndexError for an index outside 0 … Count() − 1.
  const TMruItem& getItem(int index) const;

  // Puts the file first (named after the file without folder and extension) unless it is first already,
  // removing its older entry and entries beyond MaxCount.
  void Add(platform::ILocale& locale, std::u16string_view fileName);
  // Appends an entry as given.
  void Add(std::u16string_view name, std::u16string_view fileName);
  // Appends the files of dir matching "*" + ext ("*.*" for an empty ext), sorted by name.
  void AddFilesFromDir(platform::IFiles& files, platform::ILocale& locale, std::u16string_view dir,
                       std::u16string_view ext);
  // Drops entries whose file is gone, then duplicates.
  void Validate(platform::IFiles& files, platform::ILocale& locale);
  // Keeps the first entry of every path.
  void RemoveDublicates(platform::ILocale& locale);
  void Clear() { Items.Clear(); }
  // An index out of range does nothing.
  void deleteItem(int index) { Items.Delete(index); }
  void PopBack() { Items.Delete(Items.Count() - 1); }
  // A negative count counts as 0.
  void setMax(int count);

  int MaxCount = std::numeric_limits<int>::max();
  TQxPtrVector<TMruItem> Items;

 private:
  void TrimToMax();
};

}  // namespace tolvane::storage
