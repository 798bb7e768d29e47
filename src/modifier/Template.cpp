#include "modifier/Template.h"

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

std::u16string FillTemplate(std::u16string_view templateText, const std::vector<std::u16string>& vars,
                            const std::vector<std::u16string>& words, std::u16string_view lineText) {
  std::u16string text(templateText);
  for (std::size_t k = 1; k <= vars.size(); ++k)
    ReplaceAll(text, Placeholder(u"[VAR", k), vars[k - 1]);
  for (std::size_t k = 1; k <= words.size(); ++k)
    ReplaceAll(text, Placeholder(u"[WORD", k), words[k - 1]);
  ReplaceAll(text, u"[LINE]", lineText);
  return text;
}

void TQxClipTxt::ApplyTemplate(std::u16string_view templateText, bool skipNoWordLines) {
  for (TClipLine& line : Lines) {
    line.Words = SplitWords(line.Text, Separators);
    if (line.Words.empty() && skipNoWordLines)
      continue;
    line.Text = FillTemplate(templateText, Vars, line.Words, line.Text);
  }
}

}  // namespace tolvane::modifier
