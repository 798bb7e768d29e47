#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

// Removing half of a surrogate pair would leave text that no program can show or convert.
void EraseFirstCharacter(TLineText& text) {
  if (text.empty())
    return;
  const bool pair = text.size() >= 2 && IsHighSurrogate(text[0]) && IsLowSurrogate(text[1]);
  text.DropFront(pair ? 2 : 1);
}

void EraseLastCharacter(TLineText& text) {
  if (text.empty())
    return;
  const std::size_t size = text.size();
  const bool pair = size >= 2 && IsHighSurrogate(text[size - 2]) && IsLowSurrogate(text[size - 1]);
  text.Truncate(size - (pair ? 2 : 1));
}

std::size_t TrailingEnd(std::u16string_view text, std::size_t end, bool separators,
                        const TSeparatorSet& set) {
  while (end > 0 && set.IsSeparator(text[end - 1]) == separators)
    --end;
  return end;
}

}  // namespace

void AddFront(TQxClipTxt& clip, const TArgs& args) {
  ForEachLine(clip, [&](TClipLine& line) { line.Text.Edit().insert(0, args[0].TextValue); });
}

void AddEnd(TQxClipTxt& clip, const TArgs& args) {
  ForEachLine(clip, [&](TClipLine& line) { line.Text.Edit() += args[0].TextValue; });
}

void DeleteFirstChar(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [](TClipLine& line) { EraseFirstCharacter(line.Text); });
}

void DeleteLastChar(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [](TClipLine& line) { EraseLastCharacter(line.Text); });
}

void DeleteFirstWord(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [&](TClipLine& line) {
    if (line.LocateWord(2, clip.Separators))
      line.Text.DropFront(static_cast<std::size_t>(line.KeyStart));
    else
      line.Text = std::u16string();
    line.ClearKey();
  });
}

void DeleteLastWord(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [&](TClipLine& line) {
    std::size_t end = TrailingEnd(line.Text, line.Text.size(), true, clip.Separators);
    end = TrailingEnd(line.Text, end, false, clip.Separators);
    line.Text.Truncate(TrailingEnd(line.Text, end, true, clip.Separators));
  });
}

void MultilineComment(TQxClipTxt& clip, const TArgs& args) {
  if (clip.Lines.Empty())
    return;
  clip.Lines[0]->Text.Edit().insert(0, args[0].TextValue);
  clip.Lines.Last()->Text.Edit() += args[1].TextValue;
}

}  // namespace tolvane::modifier::functions
