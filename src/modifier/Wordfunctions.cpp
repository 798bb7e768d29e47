#include <algorithm>
#include <optional>
#include <utility>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

void InsertAtWord(TQxClipTxt& clip, int wordNumber, std::u16string_view text, bool after) {
  ForEachLine(clip, [&](TClipLine& line) {
    if (!line.LocateWord(wordNumber, clip.Separators))
      return;
    const auto at = static_cast<std::size_t>(line.KeyStart + (after ? line.KeyLength : 0));
    line.Text.Edit().insert(at, text);
    line.ClearKey();
  });
}

// The VAR with the number, or null after the message.
const std::u16string* FindVar(TQxClipTxt& clip, std::int32_t number) {
  if (number < 1 || static_cast<std::size_t>(number) > clip.Vars.size()) {
    clip.Messages.Error(u"Function Error", u"No VAR's or to few VAR's are loaded");
    return nullptr;
  }
  return &clip.Vars[static_cast<std::size_t>(number) - 1];
}

struct TWordSpan {
  std::size_t Start = 0;
  std::size_t Length = 0;
};

std::optional<TWordSpan> LocateWordSpan(TClipLine& line, int number, const TSeparatorSet& separators) {
  if (!line.LocateWord(number, separators) || line.KeyLength <= 0)
    return std::nullopt;
  return TWordSpan{static_cast<std::size_t>(line.KeyStart), static_cast<std::size_t>(line.KeyLength)};
}

void SwapInLine(TClipLine& line, int first, int second, const TSeparatorSet& separators) {
  const std::optional<TWordSpan> a = LocateWordSpan(line, first, separators);
  const std::optional<TWordSpan> b = LocateWordSpan(line, second, separators);
  line.ClearKey();
  // Word numbers below 1 all name word 1, so both may be the same word.
  if (!a || !b || a->Start == b->Start)
    return;
  const std::u16string_view text(line.Text);
  std::u16string swapped(text.substr(0, a->Start));
  swapped += text.substr(b->Start, b->Length);
  swapped += text.substr(a->Start + a->Length, b->Start - a->Start - a->Length);
  swapped += text.substr(a->Start, a->Length);
  swapped += text.substr(b->Start + b->Length);
  line.Text = std::move(swapped);
}

}  // namespace

void InsertAfterWord(TQxClipTxt& clip, const TArgs& args) {
  InsertAtWord(clip, args[0].Number, args[1].TextValue, true);
}

void InsertBeforeWord(TQxClipTxt& clip, const TArgs& args) {
  InsertAtWord(clip, args[0].Number, args[1].TextValue, false);
}

void InsertVAR_AfterWord(TQxClipTxt& clip, const TArgs& args) {
  if (const std::u16string* var = FindVar(clip, args[2].Number))
    InsertAtWord(clip, args[0].Number, args[1].TextValue + *var, true);
}

void InsertVAR_BeforeWord(TQxClipTxt& clip, const TArgs& args) {
  if (const std::u16string* var = FindVar(clip, args[2].Number))
    InsertAtWord(clip, args[0].Number, *var + args[1].TextValue, false);
}

void SwapWords(TQxClipTxt& clip, const TArgs& args) {
  const std::int32_t first = std::min(args[0].Number, args[1].Number);
  const std::int32_t second = std::max(args[0].Number, args[1].Number);
  if (first == second)
    return;
  ForEachLine(clip, [&](TClipLine& line) { SwapInLine(line, first, second, clip.Separators); });
}

}  // namespace tolvane::modifier::functions
