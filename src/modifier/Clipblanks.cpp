#include "modifier/Linesplit.h"
#include "modifier/Qxclipline.h"

namespace tolvane::modifier {
namespace {

bool IsTrimBlank(char16_t c) {
  return c <= 32 || c == 0x0085 || c == 0x00A0 || c == 0x2028 || c == 0x2029;
}

template <class TIsBlank>
void TrimWhere(TLineText& text, TTrimSide side, TIsBlank isBlank) {
  std::size_t end = text.size();
  if (side != TTrimSide::Left) {
    while (end > 0 && isBlank(text[end - 1]))
      --end;
  }
  std::size_t start = 0;
  if (side != TTrimSide::Right) {
    while (start < end && isBlank(text[start]))
      ++start;
  }
  // Cut at both ends without a copy: a line that views its text keeps viewing it.
  text.Truncate(end);
  text.DropFront(start);
}

}  // namespace

void TClipLine::Trim(TTrimSide side) {
  TrimWhere(Text, side, IsTrimBlank);
}

void TClipLine::TrimSpecial(TTrimSide side, std::u16string_view extra) {
  TrimWhere(Text, side,
            [extra](char16_t c) { return c <= 32 || extra.find(c) != std::u16string_view::npos; });
}

std::u16string TClipLine::LeadingIndentation() const {
  return std::u16string(modifier::LeadingIndentation(Text));
}

}  // namespace tolvane::modifier
