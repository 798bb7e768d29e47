#include <algorithm>
#include <memory>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

// Keeps the first part of the line within the width and returns the rest (empty when the line stays whole).
template <class TSplit>
void BreakAll(TQxClipTxt& clip, int width, std::u16string_view fixedIndent, TSplit split) {
  if (clip.Lines.Empty())
    return;
  const bool lastHadBreak = clip.Lines.Last()->HasLineBreak;
  // An indent as wide as the line leaves no sound width for what follows it: one character per line still
  // makes progress and loses nothing.
  const auto indentWidth = static_cast<std::int64_t>(fixedIndent.size());
  const int continuationWidth = static_cast<int>(std::max<std::int64_t>(width - indentWidth, 1));
  TClipLines broken;
  for (std::unique_ptr<TClipLine>& line : clip.Lines.ReleaseAll()) {
    std::u16string remainder = split(*line, width);
    broken.Add(std::move(line));
    while (!remainder.empty()) {
      auto next = std::make_unique<TClipLine>(std::move(remainder), true);
      remainder = split(*next, continuationWidth);
      next->Text.insert(0, fixedIndent);
      broken.Add(std::move(next));
    }
  }
  for (TClipLine& line : broken)
    line.HasLineBreak = true;
  broken.Last()->HasLineBreak = lastHadBreak;
  clip.Lines = std::move(broken);
}

void BreakAtWidth(TQxClipTxt& clip, std::int32_t lineLength, bool autoIndent,
                  std::u16string_view fixedIndent) {
  BreakAll(clip, std::max(lineLength, 2), fixedIndent,
           [autoIndent](TClipLine& line, int width) { return line.BreakAtWidth(width, autoIndent); });
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
  BreakAll(clip, MinimumLength(args[1].Number), args[3].TextValue,
           [&](TClipLine& line, int width) { return line.BreakAfter(text, width, autoIndent); });
}

void BreakLinesBefore(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view text = args[0].TextValue;
  const bool autoIndent = args[2].YesNo;
  BreakAll(clip, MinimumLength(args[1].Number), args[3].TextValue,
           [&](TClipLine& line, int width) { return line.BreakBefore(text, width, autoIndent); });
}

void Break_NG_ReplyLines(TQxClipTxt& clip, const TArgs& args) {
  TArgs signs(1);
  signs[0].TextValue = u">|";
  Trim_NG_ReplySigns(clip, signs);
  // The quote sign and its blank take two columns of the line length.
  const auto width = std::clamp<std::int64_t>(std::int64_t{args[0].Number} - 2, INT32_MIN, INT32_MAX);
  BreakAtWidth(clip, static_cast<std::int32_t>(width), false, u"");
  ForEachLine(clip, [](TClipLine& line) { line.Text.insert(0, u"> "); });
}

}  // namespace tolvane::modifier::functions
