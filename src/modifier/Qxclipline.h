#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "modifier/Linetext.h"
#include "modifier/Separators.h"
#include "platform/Clipboard.h"
#include "platform/Locale.h"

namespace tolvane::modifier {

enum class TTrimSide { Left, Right, Both };

// A line's words as last split by a template. Most lines never have any, so the list takes a block of its
// own only once made: a line is then 16 bytes shorter, which counts over hundreds of thousands of lines.
class TLineWords {
 public:
  TLineWords() = default;
  TLineWords(const TLineWords& other) : List(other.List ? std::make_unique<TList>(*other.List) : nullptr) {}
  TLineWords(TLineWords&&) noexcept = default;
  TLineWords& operator=(const TLineWords& other) {
    if (this != &other)
      List = other.List ? std::make_unique<TList>(*other.List) : nullptr;
    return *this;
  }
  TLineWords& operator=(TLineWords&&) noexcept = default;
  TLineWords& operator=(std::vector<std::u16string> words) {
    List = std::make_unique<TList>(std::move(words));
    return *this;
  }

  const std::vector<std::u16string>& Get() const { return List ? *List : Empty(); }
  bool empty() const { return !List || List->empty(); }

 private:
  using TList = std::vector<std::u16string>;
  static const TList& Empty() {
    static const TList none;
    return none;
  }
  std::unique_ptr<TList> List;
};

// One line of the working text. The key fields are scratch values: the sort and alignment functions locate
// a word or sign just before they use it.
struct TClipLine {
  TClipLine() = default;
  explicit TClipLine(TLineText text, bool hasLineBreak = true)
      : Text(std::move(text)), HasLineBreak(hasLineBreak) {}
  explicit TClipLine(std::u16string text, bool hasLineBreak = true)
      : TClipLine(TLineText(std::move(text)), hasLineBreak) {}

  TLineWords Words;          // as last split by a template
  TLineText Text;            // never holds the line's own break; a template may put CR LF inside
  bool HasLineBreak = true;  // followed by CR LF when the lines are joined
  int KeyStart = -1;         // index into Text, -1 when there is no key
  std::int32_t KeyLength = -1;
  std::int32_t KeyOffset = -1;  // the located word or sign, -1 when none

  bool HasKey() const { return KeyStart >= 0; }
  std::u16string_view Key() const;
  void ClearKey();

  // Word n counted from 1 (n below 1 counts as 1). False, and no key, when the line has fewer words.
  bool LocateWord(int n, const TSeparatorSet& separators);
  // The word after, or the word directly before, the first occurrence of the sign.
  bool LocateWordAfterSign(char16_t sign, const TSeparatorSet& separators);
  bool LocateWordBeforeSign(char16_t sign, const TSeparatorSet& separators);
  // Sets only KeyOffset: the first occurrence of the sign or -1.
  bool LocateSign(char16_t sign);

  // Pads in front of KeyOffset so the located word or sign begins at the column; a line without one, or
  // whose one already stands right of the column, is unchanged.
  void InsertAtColumn(int column, char16_t padding);
  // Pads to the length; a longer line keeps its first `length` characters.
  void PadLeft(int length, char16_t padding);
  void PadRight(int length, char16_t padding);

  // Code 32 or less and U+0085, U+00A0, U+2028, U+2029.
  void Trim(TTrimSide side);
  // Code 32 or less and the extra characters.
  void TrimSpecial(TTrimSide side, std::u16string_view extra);
  // The blanks (code below 33) at the start, leaving at least the last character out.
  std::u16string LeadingIndentation() const;

  // Each keeps the first part of the line and returns what is to go on a new line (empty when the line stays
  // whole). With autoIndent a non-empty remainder starts with the kept part's leading indentation.
  std::u16string BreakAtWidth(int width, bool autoIndent);
  std::u16string BreakAfter(std::u16string_view text, int minLength, bool autoIndent);
  std::u16string BreakBefore(std::u16string_view text, int minLength, bool autoIndent);

 private:
  void SetKey(std::size_t start, std::size_t length);
};

// Where a rewrite of the lines puts a line's new text: the first pass only counts, the second copies into a
// block of the counted size. A copy never writes past the block.
class TLineSink {
 public:
  TLineSink() = default;  // counts
  // Counts, and notes whether any part but a break holds a CR.
  explicit TLineSink(bool noteCarriageReturns) : NoteCarriageReturns(noteCarriageReturns) {}
  TLineSink(char16_t* block, std::size_t size) : Block(block), Capacity(size) {}

  void Append(std::u16string_view part) {
    if (Block != nullptr)
      Copy(part);
    else if (NoteCarriageReturns && !SawCr)
      Note(part);
    Used += part.size();
  }
  // A line's CR LF, which is not a CR inside a line.
  void AppendBreak() {
    if (Block != nullptr)
      Copy(u"\r\n");
    Used += 2;
  }
  std::size_t Size() const { return Used; }
  bool SawCarriageReturn() const { return SawCr; }

 private:
  void Copy(std::u16string_view part);
  void Note(std::u16string_view part);
  char16_t* Block = nullptr;
  std::size_t Capacity = 0;
  std::size_t Used = 0;
  bool NoteCarriageReturns = false;
  bool SawCr = false;
};

// The lines of the working text, stored by value, their texts viewing the text they were read from until
// edited: a text of many short lines is then one block for the lines and the text it already was. A list read
// from a text is cut into lines only when something first asks for a line: a script that edits the text as a
// whole and saves it never holds a list of its lines. Adding or inserting a line may move the others, so a
// pointer or reference to a line holds only until the next change to the list.
class TClipLines {
 public:
  using TStorage = std::vector<TClipLine>;

  TClipLines() = default;
  explicit TClipLines(TStorage lines) : Items(std::move(lines)) {}
  // Lines viewing `source`, which the list keeps for as long as it has lines.
  TClipLines(TStorage lines, platform::TSharedText source)
      : Items(std::move(lines)), Source(std::move(source)) {}
  // The source cut at its breaks, the cutting left until a line is first asked for.
  static TClipLines Reading(platform::TSharedText source);

  int Count() const { return static_cast<int>(Cut().size()); }
  bool Empty() const { return Uncut ? Source->empty() : Items.empty(); }
  TClipLine* operator[](int index) { return &Cut()[static_cast<std::size_t>(index)]; }
  const TClipLine* operator[](int index) const { return &Cut()[static_cast<std::size_t>(index)]; }
  TClipLine* Last() { return Cut().empty() ? nullptr : &Items.back(); }
  const TClipLine* Last() const { return Cut().empty() ? nullptr : &Items.back(); }

  TStorage::iterator begin() { return Cut().begin(); }
  TStorage::iterator end() { return Cut().end(); }
  TStorage::const_iterator begin() const { return Cut().cbegin(); }
  TStorage::const_iterator end() const { return Cut().cend(); }

  void Reserve(std::size_t count) { Cut().reserve(count); }
  TClipLine& Add(TClipLine line) { return Cut().emplace_back(std::move(line)); }
  // Inserts before the given index; an index past the end appends, a negative one inserts at the front.
  TClipLine& Insert(int index, TClipLine line);
  // Nothing happens for an index out of range.
  void Delete(int index);
  void Clear() {
    Items.clear();
    Source.reset();
    Uncut = false;
  }
  // Stable sort of the lines [first, last) by a "less" predicate on lines.
  template <class TLess>
  void Sort(int first, int last, TLess less) {
    TStorage& lines = Cut();
    std::stable_sort(lines.begin() + first, lines.begin() + last, less);
  }
  // Empties the list and hands its lines to the caller. Their texts may view the list's source, which the
  // list keeps: they go back with Assign.
  TStorage ReleaseAll() { return std::exchange(Cut(), TStorage{}); }
  // Whether the text lies in the text the lines view, not in a line's own copy.
  bool InSource(std::u16string_view text) const {
    if (!Source || text.empty())
      return false;
    const std::less_equal<const char16_t*> notAfter;
    return notAfter(Source->data(), text.data()) &&
           notAfter(text.data() + text.size(), Source->data() + Source->size());
  }
  // Replaces the lines, keeping the source that released lines may still view.
  void Assign(TStorage lines) {
    Items = std::move(lines);
    Uncut = false;
  }
  // Whether any line's text satisfies the test, asked without cutting a list not yet cut.
  bool AnyText(const std::function<bool(std::u16string_view text)>& test) const;

  // The source when the lines, joined, are exactly it: each views its place there in order, with CR LF
  // after each line that has a break. Null otherwise. Saving the lines then hands over the source itself.
  platform::TSharedText SpelledSource() const;
  // Rewrites every line into one new block laid out as the joined text, each line then viewing its place
  // there, and drops the old source and the lines' own strings: an edit of many lines costs one block, not
  // one per line, and the block is already the text a save hands over. `rewrite` appends a line's new text
  // to the sink; it runs at least twice per line, first to size the block and last to fill it, and must
  // append the same each time. A list not yet cut stays so when the block, cut at its breaks, gives back the
  // same lines.
  void Rewrite(const std::function<void(std::u16string_view text, TLineSink& sink)>& rewrite);

 private:
  // The lines, cut from the source first when they are not yet.
  TStorage& Cut() const;
  void RewriteUncut(const std::function<void(std::u16string_view text, TLineSink& sink)>& rewrite);

  // Mutable so that reading a line of a list not yet cut can cut it; the list is one thread's.
  mutable TStorage Items;
  platform::TSharedText Source;
  mutable bool Uncut = false;  // the lines are Source cut at its breaks, Items not yet made
};

// A CR ends a line and takes a directly following LF with it; a lone LF is an ordinary character. A text
// ending in a break has no empty last line. The lines view the text, which the list keeps.
TClipLines LinesFromText(platform::TSharedText text);
TClipLines LinesFromText(std::u16string_view text);
// Each line's text followed by CR LF where it has a line break.
std::u16string JoinedText(const TClipLines& lines);

// The number in decimal, right-aligned to the width (at most 10) with the padding character.
std::u16string NumberText(std::int32_t number, int width, char16_t padding);

// Locale collation order ("less" is strictly before). Lines without a key sort after all lines with one.
bool TextLess(std::u16string_view a, std::u16string_view b, bool ignoreCase, platform::ILocale& locale);
bool KeyLess(const TClipLine& a, const TClipLine& b, bool ignoreCase, platform::ILocale& locale);

}  // namespace tolvane::modifier
