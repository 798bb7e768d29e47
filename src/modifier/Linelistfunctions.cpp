#include <algorithm>
#include <string_view>
#include <vector>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

bool IsDigitsOnly(std::u16string_view word) {
  return std::all_of(word.begin(), word.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

std::size_t SkipWhile(std::u16string_view text, std::size_t i, bool separators, const TSeparatorSet& set) {
  while (i < text.size() && set.IsSeparator(text[i]) == separators)
    ++i;
  return i;
}

// Calls take(word) for every word of every line that the function keeps.
template <class TTake>
void ForEachKeptWord(const TQxClipTxt& clip, bool removeNumbers, TTake take) {
  for (const TClipLine& line : clip.Lines) {
    const std::u16string_view text = line.Text;
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t start = SkipWhile(text, i, true, clip.Separators);
      i = SkipWhile(text, start, false, clip.Separators);
      const std::u16string_view word = text.substr(start, i - start);
      if (!word.empty() && !(removeNumbers && IsDigitsOnly(word)))
        take(word);
    }
  }
}

}  // namespace

void RemoveEmptyLines(TQxClipTxt& clip, const TArgs&) {
  TClipLines::TStorage lines = clip.Lines.ReleaseAll();
  std::erase_if(lines, [](const TClipLine& line) { return line.Text.empty(); });
  clip.Lines.Assign(std::move(lines));
}

void RemoveLineBreaks(TQxClipTxt& clip, const TArgs&) {
  if (clip.Lines.Empty())
    return;
  std::u16string joined(clip.Lines[0]->Text.View());
  for (int i = 1; i < clip.Lines.Count(); ++i) {
    const std::u16string_view text = clip.Lines[i]->Text;
    if (!text.empty()) {
      joined += u' ';
      joined += text;
    }
  }
  clip.Vars.clear();
  clip.Lines.Clear();
  clip.Lines.Add(TClipLine(std::move(joined), true));
}

void WordsToLines(TQxClipTxt& clip, const TArgs& args) {
  const bool removeNumbers = args[0].YesNo;
  // The words are counted in one pass and made into lines in a second, straight into a list of the right
  // size: scanning twice costs less than a list of every word's place, which for a large text is half the
  // size of the new lines. The old lines go only at the end, so the second pass sees them unchanged. A word
  // in the text the lines view views it too, which the list keeps; one of an edited line is copied.
  std::size_t count = 0;
  ForEachKeptWord(clip, removeNumbers, [&count](std::u16string_view) { ++count; });
  TClipLines::TStorage words;
  words.reserve(count);
  ForEachKeptWord(clip, removeNumbers, [&clip, &words](std::u16string_view word) {
    words.emplace_back(clip.Lines.InSource(word) ? TLineText::Viewing(word) : TLineText(std::u16string(word)),
                       true);
  });
  clip.Vars.clear();
  clip.Lines.Assign(std::move(words));
}

void WordSeparators(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string& characters = args[0].TextValue;
  clip.Separators.Assign(characters.empty() ? std::u16string_view(u" \t\r\n") : characters);
}

}  // namespace tolvane::modifier::functions
