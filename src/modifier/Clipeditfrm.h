#pragma once
// The rules of the clipboard-modifier editor, over its text and the function table and without any window:
// the function list filtered by the caret's line, inserting and completing call templates, widening a double
// click to a quoted value, the list rows as coloured runs and the help anchors.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modifier/Functiontable.h"
#include "platform/Locale.h"

namespace tolvane::modifier {

// The control ids of the editor's window, for its view and for tests that drive it from outside.
namespace clipeditcontrol {
inline constexpr int List = 101;
inline constexpr int ListCaption = 102;
inline constexpr int Help = 103;
inline constexpr int Editor = 104;
inline constexpr int Ok = 105;
inline constexpr int Cancel = 106;
inline constexpr int MonoFont = 107;
inline constexpr int ComposeMacro = 108;
inline constexpr int Sample = 109;
inline constexpr int Try = 110;
inline constexpr int Result = 111;
inline constexpr int ResultCaption = 112;
inline constexpr int Trace = 113;
inline constexpr int SampleCaption = 114;
inline constexpr int TraceCaption = 115;
}  // namespace clipeditcontrol

// The list as shown: indexes into the table in table order, the selected one and the caption.
struct TFunctionListView {
  std::vector<std::size_t> Shown;
  std::optional<std::size_t> Selected;  // an index into Shown: set when exactly one entry is listed
  std::u16string Caption;
};

// Every entry; the caption counts them without the separator entry.
TFunctionListView FullFunctionList(const TFunctionTable& table);
// The entries whose lower-case name contains the caret's line cut before its first "("; the full list for
// an empty line.
TFunctionListView FilterFunctionList(const TFunctionTable& table, platform::ILocale& locale,
                                     std::u16string_view caretLine);

// A change of the editor's text in lines: Text replaces line Line's own text (its break stays), goes in at
// the start of line Line, or is appended after the last line.
struct TLineEdit {
  enum class TKind { ReplaceLine, InsertBefore, Append };
  TKind Kind = TKind::Append;
  std::size_t Line = 0;
  std::u16string Text;  // "\r\n" between lines
};

// Inserting the entry's call template with the caret on caretLine of lines; nullopt for a separator entry.
std::optional<TLineEdit> InsertFunction(const TFunc& func, platform::ILocale& locale,
                                        const std::vector<std::u16string>& lines, std::size_t caretLine);

// Enter in the editor: the caret's line becomes the single listed function's call, unless the line already
// holds a closed call. nullopt when Enter only breaks the line.
std::optional<TLineEdit> CompleteOnEnter(const TFunctionTable& table, const TFunctionListView& list,
                                         const std::vector<std::u16string>& lines, std::size_t caretLine);

// A selection within one line, in UTF-16 units from the line's start; End is just behind it.
struct TLineRange {
  std::size_t Start = 0;
  std::size_t End = 0;
  bool operator==(const TLineRange&) const = default;
};

// After a double click selected the word at `selection` on `line`: the whole text between the single quotes
// around it, so a parameter value can be overtyped at once; nullopt when nothing should change.
std::optional<TLineRange> QuotedValueRange(std::u16string_view line, TLineRange selection);

// One piece of a list row; Color is 0x00BBGGRR, nullopt for the row's own text colour.
struct TRowRun {
  std::u16string Text;
  std::optional<std::uint32_t> Color;
  bool operator==(const TRowRun&) const = default;
};

namespace rowcolor {
inline constexpr std::uint32_t Character = 0x00BF71;
inline constexpr std::uint32_t YesNo = 0x2EB5FF;
inline constexpr std::uint32_t Number = 0xFF0000;
inline constexpr std::uint32_t Text = 0xFF00FF;
inline constexpr std::uint32_t Comma = 0x0000FF;
}  // namespace rowcolor

// The row of an entry: the name, then "()" or "(" 'Caption', … ")" with the captions in their kind's
// colour; nothing for the separator entry.
std::vector<TRowRun> FunctionRowRuns(const TFunc& func);

// The help page's anchor for F1: the selected function's (or the list's) while the list has the focus, the
// language's otherwise.
std::u16string FunctionHelpAnchor(bool listFocused, const TFunc* selected);

// The editor's text in lines, split at CR LF, CR or LF; an empty text is one empty line.
std::vector<std::u16string> EditorLines(std::u16string_view text);

}  // namespace tolvane::modifier
