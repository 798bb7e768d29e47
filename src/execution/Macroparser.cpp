#include "execution/Macroparser.h"

#include <cstddef>
#include <cstdint>

namespace tolvane::execution {
namespace {

constexpr char16_t Backslash = u'\\';
// Key-up codes write their low digit this many character positions higher ("0" becomes "b", "A" becomes "s").
constexpr char16_t KeyUpShift = 50;

// The value of one digit of a two-digit key code; the high digit may be written shifted too.
std::uint16_t KeyCodeDigit(char16_t c) {
  if (c >= u'b' && c <= u'x')
    c = static_cast<char16_t>(c - KeyUpShift);
  if (c >= u'0' && c <= u'9')
    return static_cast<std::uint16_t>(c - u'0');
  if (c >= u'A' && c <= u'F')
    return static_cast<std::uint16_t>(c - u'A' + 10);
  return 0;
}

// Characters that are not hexadecimal digits are passed over, so "0x41" reads as 0x041.
std::uint16_t CodeUnitValue(std::u16string_view digits) {
  std::uint16_t value = 0;
  for (const char16_t c : digits) {
    int digit = -1;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else if (c >= u'a' && c <= u'f')
      digit = c - u'a' + 10;
    if (digit >= 0)
      value = static_cast<std::uint16_t>(value * 16 + digit);
  }
  return value;
}

TInputItem KeyEvent(char16_t high, char16_t low) {
  const auto code = static_cast<std::uint16_t>(KeyCodeDigit(high) * 16 + KeyCodeDigit(low));
  if (code == PauseCode)
    return {TInputKind::Pause, PauseCode, false};
  // Whatever lies at or beyond "G" counts as shifted, which is why "a" to "f" make key-ups.
  const TInputKind kind = low >= u'G' ? TInputKind::KeyUp : TInputKind::KeyDown;
  return {kind, code, IsExtendedKey(code)};
}

TInputItem Character(char16_t c) {
  return {TInputKind::Character, static_cast<std::uint16_t>(c), false};
}

}  // namespace

std::vector<TInputItem> ParseMacro(std::u16string_view text) {
  std::vector<TInputItem> items;
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    const char16_t c = text[i];
    if (c == Backslash && i + 2 < n && text[i + 1] != Backslash) {
      if (text[i + 1] == u'!') {
        if (i + 5 >= n)
          break;
        items.push_back(Character(static_cast<char16_t>(CodeUnitValue(text.substr(i + 2, 4)))));
        i += 6;
      } else {
        items.push_back(KeyEvent(text[i + 1], text[i + 2]));
        i += 3;
      }
      continue;
    }
    items.push_back(Character(c));
    // A doubled backslash, or one with too little after it, takes the next character with it.
    i += c == Backslash ? 2 : 1;
  }
  return items;
}

}  // namespace tolvane::execution
