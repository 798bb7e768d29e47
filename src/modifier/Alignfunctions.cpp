#include <algorithm>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

// Every line has its word or sign located (KeyOffset, -1 when absent); the rightmost one plus the extra
// length is where all of them move to.
void AlignLocated(TQxClipTxt& clip, char16_t padding, std::int32_t extraLength) {
  std::int64_t rightmost = 0;
  for (const TClipLine& line : clip.Lines)
    rightmost = std::max<std::int64_t>(rightmost, line.KeyOffset);
  const std::int64_t column = rightmost + extraLength;
  const bool usable = !IsMissingCharacter(padding) && column >= 0 && column <= INT32_MAX;
  ForEachLine(clip, [&](TClipLine& line) {
    if (usable)
      line.InsertAtColumn(static_cast<int>(column), padding);
    line.ClearKey();
  });
}

// The longest line plus the extra length; nullopt when there is nothing to pad to.
std::optional<int> PaddedLength(const TQxClipTxt& clip, char16_t padding, std::int32_t extraLength) {
  std::size_t longest = 0;
  for (const TClipLine& line : clip.Lines)
    longest = std::max(longest, line.Text.size());
  if (longest == 0 || IsMissingCharacter(padding))
    return std::nullopt;
  return static_cast<int>(
      std::clamp<std::int64_t>(static_cast<std::int64_t>(longest) + extraLength, 0, INT32_MAX));
}

}  // namespace

void AlignOnSign(TQxClipTxt& clip, const TArgs& args) {
  ForEachLine(clip, [&](TClipLine& line) { (void)line.LocateSign(args[0].Character); });
  AlignLocated(clip, args[1].Character, args[2].Number);
}

void AlignOnWord(TQxClipTxt& clip, const TArgs& args) {
  ForEachLine(clip, [&](TClipLine& line) { (void)line.LocateWord(args[0].Number, clip.Separators); });
  AlignLocated(clip, args[1].Character, args[2].Number);
}

void LinesEqualToLongestPadLeft(TQxClipTxt& clip, const TArgs& args) {
  if (const std::optional<int> length = PaddedLength(clip, args[0].Character, args[1].Number))
    ForEachLine(clip, [&](TClipLine& line) { line.PadLeft(*length, args[0].Character); });
}

void LinesEqualToLongestPadRight(TQxClipTxt& clip, const TArgs& args) {
  if (const std::optional<int> length = PaddedLength(clip, args[0].Character, args[1].Number))
    ForEachLine(clip, [&](TClipLine& line) { line.PadRight(*length, args[0].Character); });
}

}  // namespace tolvane::modifier::functions
