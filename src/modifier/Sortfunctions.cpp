#include <algorithm>
#include <optional>
#include <vector>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

struct TSortOrder {
  bool Descending = false;
  bool IgnoreCase = false;
};

// "Case Sensitive ?" yes has always selected the comparison that ignores case; stored scripts rely on it.
TSortOrder OrderFrom(const TVar& descending, const TVar& caseSensitive) {
  return {descending.YesNo, caseSensitive.YesNo};
}

// The key of one line and where the line stood. Sorting these side by side, rather than the lines they
// point into, keeps the comparisons close together in memory.
struct TSortEntry {
  std::u16string_view Key;
  int Line = 0;
};

// Lines move with their text, but the line breaks stay where they were: otherwise a last line without a
// break would be glued to whatever line follows it after the sort.
void Rearrange(TQxClipTxt& clip, const std::vector<TSortEntry>& order) {
  std::vector<bool> breaks;
  for (const TClipLine& line : clip.Lines)
    breaks.push_back(line.HasLineBreak);
  TClipLines::TStorage lines = clip.Lines.ReleaseAll();
  clip.Lines.Reserve(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    TClipLine& line = clip.Lines.Add(std::move(lines[static_cast<std::size_t>(order[i].Line)]));
    line.HasLineBreak = breaks[i];
  }
}

// keyOf gives a line's key, or nullopt for a line without one. Those take no part in the order: they follow
// the sorted lines as they stood, whichever the direction.
template <class TKeyOf>
void SortLines(TQxClipTxt& clip, const TSortOrder& order, TKeyOf keyOf) {
  if (clip.Lines.Count() < 2)
    return;
  std::vector<TSortEntry> keyed;
  std::vector<TSortEntry> keyless;
  for (int i = 0; i < clip.Lines.Count(); ++i) {
    const std::optional<std::u16string_view> key = keyOf(*clip.Lines[i]);
    (key ? keyed : keyless).push_back({key.value_or(std::u16string_view()), i});
  }
  platform::ILocale& locale = clip.Services.Locale;
  std::stable_sort(keyed.begin(), keyed.end(), [&](const TSortEntry& a, const TSortEntry& b) {
    return TextLess(a.Key, b.Key, order.IgnoreCase, locale);
  });
  if (order.Descending)
    std::reverse(keyed.begin(), keyed.end());
  keyed.insert(keyed.end(), keyless.begin(), keyless.end());
  Rearrange(clip, keyed);
}

template <class TLocate>
void SortOnKey(TQxClipTxt& clip, const TSortOrder& order, TLocate locate) {
  SortLines(clip, order, [&](TClipLine& line) -> std::optional<std::u16string_view> {
    if (!locate(line))
      return std::nullopt;
    return line.Key();
  });
}

}  // namespace

void Sort(TQxClipTxt& clip, const TArgs& args) {
  SortLines(clip, OrderFrom(args[0], args[1]),
            [](const TClipLine& line) { return std::optional<std::u16string_view>(line.Text); });
}

void SortOnWordNr(TQxClipTxt& clip, const TArgs& args) {
  SortOnKey(clip, OrderFrom(args[1], args[2]),
            [&](TClipLine& line) { return line.LocateWord(args[0].Number, clip.Separators); });
}

void SortOnWordAfterSign(TQxClipTxt& clip, const TArgs& args) {
  SortOnKey(clip, OrderFrom(args[1], args[2]),
            [&](TClipLine& line) { return line.LocateWordAfterSign(args[0].Character, clip.Separators); });
}

void SortOnWordBeforeSign(TQxClipTxt& clip, const TArgs& args) {
  SortOnKey(clip, OrderFrom(args[1], args[2]),
            [&](TClipLine& line) { return line.LocateWordBeforeSign(args[0].Character, clip.Separators); });
}

}  // namespace tolvane::modifier::functions
