#include <algorithm>
#include <utility>

#include "modifier/Functionsupport.h"
#include "modifier/Linesplit.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

struct TBreakShape {
  int Width = 0;              // the first piece of each line
  int ContinuationWidth = 0;  // the pieces after it, which get the fixed indent in front
  bool AutoIndent = false;
  std::u16string_view FixedIndent;
};

// The leading blanks of [0, end), leaving at least its last character out, as LeadingIndentation counts them.
std::u16string Indentation(const TPendingText& text, std::size_t end) {
  std::size_t length = 0;
  while (length + 1 < end && text[length] < 33)
    ++length;
  return text.Substr(0, length);
}

// A piece of a line that views its text views the same text when nothing goes in front of it.
TLineText Piece(const TLineText& line, const TPendingText& pending, std::size_t end,
                std::u16string_view indent) {
  if (line.IsView() && indent.empty()) {
    if (const std::optional<std::u16string_view> slice = pending.Slice(0, end))
      return TLineText::Viewing(*slice);
  }
  std::u16string text(indent);
  pending.AppendTo(text, 0, end);
  return text;
}

// Splits one line until every piece fits. What is still to split is never copied whole: each split only makes
// the piece that stays, so a long line costs time in proportion to its length. The line keeps the first piece
// in its own text, cut short once the pieces after it, read from that text, have been made.
template <class TSplit>
void SplitLine(TClipLine&& line, TClipLines& broken, const TBreakShape& shape, TSplit split) {
  TPendingText pending(line.Text);
  std::optional<TSplitPoint> point = split(pending, shape.Width);
  if (!point) {
    broken.Add(std::move(line));  // most lines fit as they are
    return;
  }
  // The pieces are read from the line's own text, so it moves to the list only once they are made.
  const std::size_t firstEnd = point->KeptEnd;
  const int firstIndex = broken.Count();
  broken.Add(TClipLine());
  while (point->RestStart < pending.size()) {
    pending.Advance(point->RestStart, shape.AutoIndent ? Indentation(pending, point->KeptEnd) : u"");
    point = split(pending, shape.ContinuationWidth);
    broken.Add(
        TClipLine(Piece(line.Text, pending, point ? point->KeptEnd : pending.size(), shape.FixedIndent)));
    if (!point)
      break;
  }
  line.Text.Truncate(firstEnd);
  *broken[firstIndex] = std::move(line);
}

// How many lines SplitLine makes of the text, found without making them.
template <class TSplit>
std::size_t PieceCount(std::u16string_view text, const TBreakShape& shape, TSplit split) {
  TPendingText pending(text);
  std::optional<TSplitPoint> point = split(pending, shape.Width);
  std::size_t count = 1;
  while (point && point->RestStart < pending.size()) {
    pending.Advance(point->RestStart, shape.AutoIndent ? Indentation(pending, point->KeptEnd) : u"");
    point = split(pending, shape.ContinuationWidth);
    ++count;
  }
  return count;
}

template <class TSplit>
void BreakAll(TQxClipTxt& clip, int width, bool autoIndent, std::u16string_view fixedIndent, TSplit split) {
  if (clip.Lines.Empty())
    return;
  const bool lastHadBreak = clip.Lines.Last()->HasLineBreak;
  // An indent as wide as the line leaves no sound width for what follows it: one character per line still
  // makes progress and loses nothing.
  const auto indentWidth = static_cast<std::int64_t>(fixedIndent.size());
  const TBreakShape shape{width, static_cast<int>(std::max<std::int64_t>(width - indentWidth, 1)), autoIndent,
                          fixedIndent};
  // Counted first: a list grown step by step would hold up to twice the room it needs, and move every line
  // each time it grows.
  std::size_t pieces = 0;
  for (const TClipLine& line : clip.Lines)
    pieces += PieceCount(line.Text, shape, split);
  // The pieces may view the text the old lines viewed, which the list keeps.
  TClipLines broken;
  broken.Reserve(pieces);
  for (TClipLine& line : clip.Lines.ReleaseAll())
    SplitLine(std::move(line), broken, shape, split);
  for (TClipLine& line : broken)
    line.HasLineBreak = true;
  broken.Last()->HasLineBreak = lastHadBreak;
  clip.Lines.Assign(broken.ReleaseAll());
}

void BreakAtWidth(TQxClipTxt& clip, std::int32_t lineLength, bool autoIndent,
                  std::u16string_view fixedIndent) {
  BreakAll(clip, std::max(lineLength, 2), autoIndent, fixedIndent,
           [](const TPendingText& text, int width) { return SplitAtWidth(text, width); });
}

int MinimumLength(std::int32_t minLength) {
  return std::max(minLength, 1);
}

}  // namespace

void BreakLines(TQxClipTxt& clip, const TArgs& args) {
  BreakAtWidth(clip, args[0].Number, args[1].YesNo, args[2].TextValue);
}

void BreakLinesAfter(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view text = args[0].TextValue;
  const bool autoIndent = args[2].YesNo;
  BreakAll(clip, MinimumLength(args[1].Number), autoIndent, args[3].TextValue,
           [&](const TPendingText& line, int width) { return SplitAfter(line, text, width); });
}

void BreakLinesBefore(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view text = args[0].TextValue;
  const bool autoIndent = args[2].YesNo;
  BreakAll(clip, MinimumLength(args[1].Number), autoIndent, args[3].TextValue,
           [&](const TPendingText& line, int width) { return SplitBefore(line, text, width); });
}

void Break_NG_ReplyLines(TQxClipTxt& clip, const TArgs& args) {
  TArgs signs(1);
  signs[0].TextValue = u">|";
  Trim_NG_ReplySigns(clip, signs);
  // The quote sign and its blank take two columns of the line length.
  const auto width = std::clamp<std::int64_t>(std::int64_t{args[0].Number} - 2, INT32_MIN, INT32_MAX);
  BreakAtWidth(clip, static_cast<std::int32_t>(width), false, u"");
  ForEachLine(clip, [](TClipLine& line) { line.Text.Edit().insert(0, u"> "); });
}

}  // namespace tolvane::modifier::functions
