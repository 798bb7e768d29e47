#include "platform/recording/Casefold.h"

namespace tolvane::recording {

std::u16string FoldCase(std::u16string_view text) {
  std::u16string folded(text);
  for (char16_t& c : folded) {
    const bool asciiUpper = c >= u'A' && c <= u'Z';
    const bool latin1Upper = c >= 0xC0 && c <= 0xDE && c != 0xD7;  // 0xD7 is the multiplication sign
    if (asciiUpper || latin1Upper)
      c = static_cast<char16_t>(c + 0x20);
  }
  return folded;
}

}  // namespace tolvane::recording
