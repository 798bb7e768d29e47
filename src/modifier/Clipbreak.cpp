#include "modifier/Linesplit.h"
#include "modifier/Qxclipline.h"

namespace tolvane::modifier {
namespace {

// Keeps the split's first part and returns the next line's text; autoIndent starts a non-empty next line
// with the kept part's leading indentation.
std::u16string ApplySplit(TLineText& line, const std::optional<TSplitPoint>& split, bool autoIndent) {
  if (!split)
    return {};
  std::u16string remainder(line.View().substr(split->RestStart));
  line.Truncate(split->KeptEnd);
  // Indenting an empty remainder would turn nothing into a line of blanks.
  if (autoIndent && !remainder.empty())
    remainder.insert(0, LeadingIndentation(line));
  return remainder;
}

}  // namespace

std::u16string TClipLine::BreakAtWidth(int width, bool autoIndent) {
  return ApplySplit(Text, SplitAtWidth(TPendingText(Text), width), autoIndent);
}

std::u16string TClipLine::BreakAfter(std::u16string_view text, int minLength, bool autoIndent) {
  return ApplySplit(Text, SplitAfter(TPendingText(Text), text, minLength), autoIndent);
}

std::u16string TClipLine::BreakBefore(std::u16string_view text, int minLength, bool autoIndent) {
  return ApplySplit(Text, SplitBefore(TPendingText(Text), text, minLength), autoIndent);
}

}  // namespace tolvane::modifier
