#include "modifier/Template.h"

#include <algorithm>
#include <cstdint>

#include "modifier/Qxcliptxt.h"
#include "modifier/Textreplace.h"

namespace tolvane::modifier {

std::optional<std::size_t> FindTemplateEnd(const std::vector<std::u16string>& scriptLines,
                                           std::size_t begin) {
  if (begin + 2 >= scriptLines.size())
    return std::nullopt;
  for (std::size_t i = begin + 1; i < scriptLines.size(); ++i) {
    if (scriptLines[i].find(u"ApplyToThisTemplateEnd") != std::u16string::npos)
      return i;
  }
  return std::nullopt;
}

std::u16string TemplateText(const std::vector<std::u16string>& scriptLines, std::size_t begin,
                            std::size_t end) {
  std::u16string text;
  for (std::size_t i = begin + 1; i < end; ++i) {
    if (i > begin + 1)
      text += u"\r\n";
    text += scriptLines[i];
  }
  return text;
}

std::u16string Placeholder(std::u16string_view stem, std::size_t number) {
  std::u16string placeholder(stem);
  placeholder += static_cast<char16_t>(u'0' + number);
  placeholder += u']';
  return placeholder;
}

namespace {

constexpr std::size_t MarkCount = 0x10000;  // the character after the stem wraps around with the number

// The characters c for which stem + c + "]" occurs in the text.
std::vector<char16_t> PlaceholderMarks(std::u16string_view text, std::u16string_view stem) {
  std::vector<char16_t> marks;
  for (std::size_t at = text.find(stem); at != std::u16string_view::npos; at = text.find(stem, at + 1)) {
    const std::size_t mark = at + stem.size();
    if (mark + 1 < text.size() && text[mark + 1] == u']')
      marks.push_back(text[mark]);
  }
  return marks;
}

// The lowest number from `from` on whose placeholder character is the mark.
std::size_t FirstNumberWithMark(char16_t mark, std::size_t from) {
  const std::size_t base = (mark + MarkCount - u'0') % MarkCount;
  if (base >= from)
    return base;
  return base + (from - base + MarkCount - 1) / MarkCount * MarkCount;
}

// The same as replacing the placeholder of every number in turn, but a number whose placeholder is not in
// the text is skipped without a pass over it: with thousands of values and a short text, most are.
void ReplaceNumbered(std::u16string& text, std::u16string_view stem,
                     const std::vector<std::u16string>& values) {
  std::size_t next = 1;
  while (next <= values.size()) {
    std::size_t number = SIZE_MAX;
    for (const char16_t mark : PlaceholderMarks(text, stem))
      number = std::min(number, FirstNumberWithMark(mark, next));
    if (number > values.size())
      return;
    ReplaceAll(text, Placeholder(stem, number), values[number - 1]);
    next = number + 1;
  }
}

}  // namespace

std::u16string FillTemplate(std::u16string_view templateText, const std::vector<std::u16string>& vars,
                            const std::vector<std::u16string>& words, std::u16string_view lineText) {
  std::u16string text(templateText);
  ReplaceNumbered(text, u"[VAR", vars);
  ReplaceNumbered(text, u"[WORD", words);
  ReplaceAll(text, u"[LINE]", lineText);
  return text;
}

void TQxClipTxt::ApplyTemplate(std::u16string_view templateText, bool skipNoWordLines) {
  for (TClipLine& line : Lines) {
    line.Words = SplitWords(line.Text, Separators);
    if (line.Words.empty() && skipNoWordLines)
      continue;
    line.Text = FillTemplate(templateText, Vars, line.Words.Get(), line.Text);
  }
}

}  // namespace tolvane::modifier
