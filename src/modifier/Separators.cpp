#include "modifier/Separators.h"

namespace tolvane::modifier {

std::u16string_view TSeparatorSet::DefaultCharacters() {
  return u"\t&() []{}\\;'<>\",-+*.:?!=|/%~";
}

void TSeparatorSet::Assign(std::u16string_view characters) {
  Characters = characters.substr(0, MaxLength);
  Ascii.reset();
  for (char16_t c = 0; c < 32; ++c)
    Ascii[c] = c != u'\t';
  for (const char16_t c : Characters) {
    if (c < Ascii.size())
      Ascii[c] = true;
  }
}

std::vector<std::u16string> SplitWords(std::u16string_view text, const TSeparatorSet& separators) {
  std::vector<std::u16string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && separators.IsSeparator(text[i]))
      ++i;
    const std::size_t start = i;
    while (i < text.size() && !separators.IsSeparator(text[i]))
      ++i;
    if (i > start)
      words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

}  // namespace tolvane::modifier
