#pragma once
// The search over all items of a menu: what the Search dialog shows, without the dialog. The dialog feeds
// the two terms in as they are typed and draws Rows(), Caption() and DetailLines().

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Locale.h"
#include "platform/Time.h"
#include "storage/Item.h"

namespace tolvane::storage {

// One item as the search sees it: its searched values lower-cased once, so each keystroke only compares.
struct TSearchRecord {
  std::u16string Name;
  std::u16string Code;
  std::u16string XClip;
  std::u16string KeyMacro;
  std::u16string Tip;
  std::u16string Bcc;
  std::u16string Cc;
  std::u16string Email;
  std::u16string File;
  std::u16string Program;
  std::u16string Subject;
  std::u16string Url;
  int ItemType = ItemTypeClip;
  int ImageIndex = -1;
  const TItem* Parent = nullptr;
  TItem* Item = nullptr;
};

// One row of the result list.
struct TSearchRow {
  int ImageIndex = -1;
  std::u16string Title;
  int ParentImageIndex = -1;
  std::u16string Path;
  std::u16string TypeName;
  TItem* Item = nullptr;

  bool operator==(const TSearchRow&) const = default;
};

// Detail-pane colours as blue-green-red values (red in the lowest byte).
inline constexpr std::uint32_t DetailBlue = 0xFF0000;
inline constexpr std::uint32_t DetailGreen = 0x008000;
inline constexpr std::uint32_t DetailNavy = 0x800000;
inline constexpr std::uint32_t DetailPurple = 0x800080;
inline constexpr std::uint32_t DetailMaroon = 0x000080;

struct TDetailLine {
  std::u16string Text;
  std::uint32_t Color = 0;

  bool operator==(const TDetailLine&) const = default;
};

// "Clip", "Folder Clip", "Folder", "Action", "Website", "Mail", "Macro" for types 0 to 6, else empty.
std::u16string_view SearchTypeName(int itemType);
// The ancestors' names below the root joined by "\"; the root's name for an item directly below it.
std::u16string SearchPath(const TItem& item);
// The item's values for the detail pane, one line each; nothing for types without a detail view.
std::vector<TDetailLine> SearchDetailLines(const TItem& item);

class TSearchEngine {
 public:
  TSearchEngine(platform::ILocale& locale, platform::ITime& time) : Locale(locale), Time(time) {}
  TSearchEngine(const TSearchEngine&) = delete;
  TSearchEngine& operator=(const TSearchEngine&) = delete;

  // Records every user item below the root (types 0 to 7 at the top, with all their descendants), sorted
  // by name, and shows them all. The tree must outlive the engine's use of it.
  void Load(TItem& root);
  // The text of a term box after it changed.
  void SetTerm1(std::u16string_view term);
  void SetTerm2(std::u16string_view term);

  const std::vector<TSearchRow>& Rows() const { return ShownRows; }
  // "Tolvane Search - Found N Items in M milliseconds".
  std::u16string Caption() const;
  // The detail lines of a row's item; nothing for a row that does not exist.
  std::vector<TDetailLine> DetailLines(std::size_t row) const;

 private:
  using TRecordList = std::vector<const TSearchRecord*>;
  // A list of records with the milliseconds its build took.
  struct TResultList {
    TRecordList Records;
    std::uint32_t Milliseconds = 0;
  };

  TSearchRecord MakeRecord(TItem& item) const;
  void AddRecords(TItem& item);
  // Fills `to` with the records of `from` that contain the term and notes how long that took.
  void Filter(const TRecordList& from, TResultList& to, std::u16string_view term);
  void Show(const TRecordList& records, std::uint32_t milliseconds);

  platform::ILocale& Locale;
  platform::ITime& Time;
  std::vector<TSearchRecord> Records;  // in tree order; the lists point into it
  TResultList All;
  TResultList AfterTerm1;
  TResultList AfterTerm2;
  std::u16string Term1;
  std::u16string Term2;
  std::vector<TSearchRow> ShownRows;
  std::uint32_t ShownMilliseconds = 0;
};

}  // namespace tolvane::storage
