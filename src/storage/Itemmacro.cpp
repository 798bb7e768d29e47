// The editing form of an item's keystroke macro: the stored text is one line with line-break codes.

#include <algorithm>

#include "storage/Item.h"

namespace tolvane::storage {
namespace {

// Enter down and up; with NewLineHome also Home down and up.
constexpr std::u16string_view LineBreakCode = u"\\0D\\0v";
constexpr std::u16string_view LineBreakHomeCode = u"\\0D\\0v\\24\\2f";

std::u16string_view LineBreakCodeOf(const TItem& item) {
  return item.NewLineHome ? LineBreakHomeCode : LineBreakCode;
}

}  // namespace

std::u16string TItem::GetMacroLines() const {
  const std::u16string_view code = LineBreakCodeOf(*this);
  const std::u16string_view macro = KeyMacro;
  std::u16string lines;
  std::size_t done = 0;
  for (std::size_t at = macro.find(code); at != std::u16string::npos; at = macro.find(code, done)) {
    lines.append(macro, done, at - done);
    lines += u"\r\n";
    done = at + code.size();
  }
  lines.append(macro, done);
  return lines;
}

void TItem::SetMacroLines(std::u16string_view text) {
  const std::u16string_view code = LineBreakCodeOf(*this);
  std::u16string macro;
  // Lines end at CR LF, LF or CR; a break at the very end does not start another line.
  bool firstLine = true;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find_first_of(u"\r\n", start), text.size());
    if (!firstLine)
      macro += code;
    firstLine = false;
    macro.append(text.substr(start, end - start));
    const bool crLf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
    start = end + (crLf ? 2 : 1);
  }
  if (!text.empty() && text.back() == u'\n')
    macro += code;
  KeyMacro = std::move(macro);
}

}  // namespace tolvane::storage
