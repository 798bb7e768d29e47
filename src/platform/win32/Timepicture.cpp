#include "platform/win32/Timepicture.h"

namespace tolvane::win32 {

namespace {

bool IsLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

}  // namespace

std::u16string WithoutSeconds(std::u16string_view picture) {
  std::u16string result;
  // Where the last field or quoted text ended: separators after it are dropped together with the seconds.
  std::size_t fieldEnd = 0;
  bool quoted = false;
  for (const char16_t c : picture) {
    if (c == u'\'') {
      quoted = !quoted;
      result += c;
      if (!quoted)
        fieldEnd = result.size();
    } else if (!quoted && c == u's') {
      result.resize(fieldEnd);
    } else {
      result += c;
      if (!quoted && IsLetter(c))
        fieldEnd = result.size();
    }
  }
  return result;
}

}  // namespace tolvane::win32
