#include <algorithm>
#include <cstdlib>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

int DigitCount(std::int64_t number) {
  std::uint64_t magnitude = static_cast<std::uint64_t>(std::llabs(number));
  int digits = 1;
  while (magnitude >= 10) {
    magnitude /= 10;
    ++digits;
  }
  return digits;
}

// The digits of start + line count. A negative start also makes room for its own sign and digits, so that
// a run through zero stays aligned.
int PaddingWidth(std::int32_t start, int lineCount) {
  int width = DigitCount(static_cast<std::int64_t>(start) + lineCount);
  if (start < 0)
    width = std::max(width, DigitCount(start) + 1);
  return width;
}

template <class TPlace>
void PutNumbers(TQxClipTxt& clip, const TArgs& args, TPlace place) {
  const std::int32_t start = args[0].Number;
  const char16_t padding = args[2].Character;
  const bool padded = args[1].YesNo && !IsMissingCharacter(padding);
  const int width = padded ? PaddingWidth(start, clip.Lines.Count()) : 0;
  std::int64_t number = start;
  ForEachLine(clip, [&](TClipLine& line) {
    // The numbers count on in 32 bits, as the script's own arithmetic does.
    place(line, NumberText(static_cast<std::int32_t>(number++), width, padding));
  });
}

}  // namespace

void NumbersLeft(TQxClipTxt& clip, const TArgs& args) {
  PutNumbers(clip, args, [](TClipLine& line, const std::u16string& number) {
    line.Text.Edit().insert(0, number + u" ");
  });
}

void NumbersRight(TQxClipTxt& clip, const TArgs& args) {
  PutNumbers(clip, args, [](TClipLine& line, const std::u16string& number) { line.Text.Edit() += number; });
}

}  // namespace tolvane::modifier::functions
