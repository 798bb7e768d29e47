#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::modifier {

// The characters that end words. Each interpreter starts with the default set, and a "WordSeparators" call
// replaces it for the rest of that run.
class TSeparatorSet {
 public:
  static constexpr std::size_t MaxLength = 255;

  // TAB & ( ) space [ ] { } \ ; ' < > " , - + * . : ? ! = | / % ~
  static std::u16string_view DefaultCharacters();

  TSeparatorSet() { Reset(); }

  void Reset() { Assign(DefaultCharacters()); }
  // Keeps at most the first MaxLength characters.
  void Assign(std::u16string_view characters);
  const std::u16string& Text() const { return Characters; }

  // Control characters other than TAB always separate; TAB, space and printable characters only when listed.
  bool IsSeparator(char16_t c) const {
    if (c < Ascii.size())
      return Ascii[c];
    return Characters.find(c) != std::u16string::npos;
  }

 private:
  std::u16string Characters;
  // The answer for every ASCII character, which is nearly all text: word functions test each character.
  std::bitset<128> Ascii;
};

// The maximal runs of non-separator characters, in order.
std::vector<std::u16string> SplitWords(std::u16string_view text, const TSeparatorSet& separators);

}  // namespace tolvane::modifier
