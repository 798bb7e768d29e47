#include <algorithm>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"
#include "modifier/Textreplace.h"

namespace tolvane::modifier::functions {
namespace {

void ReplaceCharacter(TQxClipTxt& clip, char16_t from, char16_t to) {
  ForEachLine(clip, [&](TClipLine& line) {
    if (line.Text.find(from) == std::u16string_view::npos)
      return;
    std::u16string& text = line.Text.Edit();
    std::replace(text.begin(), text.end(), from, to);
  });
}

void ReplaceEverywhere(TQxClipTxt& clip, std::u16string_view from, std::u16string_view to) {
  ReplaceInLines(clip.Lines, from, to);
}

}  // namespace

void UpperCaseAll(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [&](TClipLine& line) { line.Text = clip.Services.Locale.UpperCase(line.Text); });
}

void LowerCaseAll(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [&](TClipLine& line) { line.Text = clip.Services.Locale.LowerCase(line.Text); });
}

void UpperCaseFirstCharacterInWords(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [&](TClipLine& line) {
    bool wordStart = true;
    for (char16_t& c : line.Text.Edit()) {
      const bool separator = clip.Separators.IsSeparator(c);
      if (wordStart && !separator)
        c = clip.Services.Locale.UpperChar(c);
      wordStart = separator;
    }
  });
}

void BackSlashToForwardSlash(TQxClipTxt& clip, const TArgs&) {
  ReplaceCharacter(clip, u'\\', u'/');
}

void ForwardSlashToBackSlash(TQxClipTxt& clip, const TArgs&) {
  ReplaceCharacter(clip, u'/', u'\\');
}

void ConvertTabsTo(TQxClipTxt& clip, const TArgs& args) {
  // An empty replacement keeps the TABs rather than deleting them.
  if (!args[0].TextValue.empty())
    ReplaceEverywhere(clip, u"\t", args[0].TextValue);
}

void EscapeCharacter(TQxClipTxt& clip, const TArgs& args) {
  const char16_t escape = args[0].Character;
  const char16_t character = args[1].Character;
  if (IsMissingCharacter(escape))
    return;
  ReplaceEverywhere(clip, std::u16string_view(&character, 1), std::u16string{escape, character});
}

void Replace(TQxClipTxt& clip, const TArgs& args) {
  ReplaceEverywhere(clip, args[0].TextValue, args[1].TextValue);
}

}  // namespace tolvane::modifier::functions
