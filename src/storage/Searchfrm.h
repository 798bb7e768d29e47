#pragma once
// The search over all items of a menu: what the Search dialog shows, without the dialog. The dialog feeds
// the two terms in as they are typed and draws Rows(), Caption() and DetailLines().

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Locale.h"
#include "platform/Time.h"
#include "storage/Item.h"

namespace tolvane::storage {

// How many of an item's values a term is looked for in.
inline constexpr std::size_t SearchedValueCount = 12;

// One row of the result list. Its texts view the item's name and the engine's records, so building the rows
// copies no text: they stay valid until the engine loads again or ends, while the items keep their names.
struct TSearchRow {
  int ImageIndex = -1;
  std::u16string_view Title;
  int ParentImageIndex = -1;
  std::u16string_view Path;
  std::u16string_view TypeName;
  TItem* Item = nullptr;

  bool operator==(const TSearchRow&) const = default;
};

// One item as the search sees it: its searched values lower-cased and joined once, so each keystroke runs
// one search per item.
struct TSearchRecord {
  // The lower-case values in the order a term is tried (Name, Tip, Code, KeyMacro, XClip, Subject, Email,
  // Bcc, Cc, File, Program, Url), each followed by a null so that no term without one spans two values. The
  // engine keeps the texts of all records back to back in list order, so a filter reads memory in sequence.
  // A record whose code units are all below 256 (most text) keeps them in NarrowText as one byte each,
  // which halves what a filter reads; Text is then empty.
  std::u16string_view Text;
  std::string_view NarrowText;
  // Where each value ends in the text, for a term that holds a null itself.
  std::array<std::uint32_t, SearchedValueCount> ValueEnds{};
  TSearchRow Row;  // the item's row, its Path viewing the engine's copy of the item's SearchPath
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

  // An item to record with the index of its search path in the engine's paths.
  struct TEntry {
    TItem* Item;
    std::uint32_t Path;
  };

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
  // A list of records with the milliseconds its build took, and what it was built from: the lower-case
  // term and the version of the source list, so a term that only grows can narrow it instead of rebuilding.
  struct TResultList {
    TRecordList Records;
    std::uint32_t Milliseconds = 0;
    bool Built = false;
    std::u16string LowerTerm;
    std::uint64_t Version = 0;
    std::uint64_t SourceVersion = 0;
  };

  // Appends the record's values to SearchedText or SearchedNarrowText; its view of them is set once those
  // stop growing.
  TSearchRecord MakeRecord(const TEntry& entry);
  // The item's searched values lower-cased, each followed by a null; `ends` gets where each value ends.
  std::u16string LowerValues(const TItem& item, std::array<std::uint32_t, SearchedValueCount>& ends);
  // Sorts by name ignoring case in the user's locale, keeping the order of equal names.
  void SortByName(std::vector<TEntry>& entries);
  // Fills `to` with the records of `from` that contain the term and notes how long that took.
  void Filter(const TResultList& from, TResultList& to, std::u16string_view term);
  void Show(const TRecordList& records, std::uint32_t milliseconds);

  platform::ILocale& Locale;
  platform::ITime& Time;
  std::u16string SearchedText;         // the Text of every record
  std::string SearchedNarrowText;      // the NarrowText of every record
  std::vector<std::u16string> Paths;   // the search path of every parent's children, viewed by the rows
  std::vector<TSearchRecord> Records;  // in the order of the all list; the lists point into it
  TResultList All;
  TResultList AfterTerm1;
  TResultList AfterTerm2;
  std::u16string Term1;
  std::u16string Term2;
  std::vector<TSearchRow> ShownRows;
  std::uint32_t ShownMilliseconds = 0;
  std::uint64_t LastVersion = 0;
};

}  // namespace tolvane::storage
