#include <algorithm>

#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

template <class TPredicate>
void RemoveCharacters(TQxClipTxt& clip, TPredicate remove) {
  ForEachLine(clip, [&](TClipLine& line) {
    const std::u16string_view text = line.Text;
    if (std::any_of(text.begin(), text.end(), remove))
      std::erase_if(line.Text.Edit(), remove);
  });
}

// Where the first occurrence of the text starts; npos for an empty text, which is never found.
std::size_t FindText(std::u16string_view line, std::u16string_view text) {
  return text.empty() ? std::u16string_view::npos : line.find(text);
}

}  // namespace

void RemoveDublicateSpaces(TQxClipTxt& clip, const TArgs&) {
  ForEachLine(clip, [](TClipLine& line) {
    if (line.Text.View().find(u"  ") == std::u16string_view::npos)
      return;
    std::u16string& text = line.Text.Edit();
    const auto end =
        std::unique(text.begin(), text.end(), [](char16_t a, char16_t b) { return a == u' ' && b == u' '; });
    text.erase(end, text.end());
  });
}

void RemoveSpaceAndTabs(TQxClipTxt& clip, const TArgs&) {
  RemoveCharacters(clip, [](char16_t c) { return c == u' ' || c == u'\t'; });
}

void RemoveTheseCharacters(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view characters = args[0].TextValue;
  RemoveCharacters(clip,
                   [characters](char16_t c) { return characters.find(c) != std::u16string_view::npos; });
}

void RemoveThisFromFront(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view text = args[0].TextValue;
  ForEachLine(clip, [text](TClipLine& line) {
    if (line.Text.starts_with(text))
      line.Text.DropFront(text.size());
  });
}

void RemoveFromToEnd(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view text = args[0].TextValue;
  const bool include = args[1].YesNo;
  ForEachLine(clip, [&](TClipLine& line) {
    const std::size_t at = FindText(line.Text, text);
    if (at != std::u16string_view::npos)
      line.Text.Truncate(include ? at : at + text.size());
  });
}

void RemoveUpTo(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view text = args[0].TextValue;
  const bool include = args[1].YesNo;
  ForEachLine(clip, [&](TClipLine& line) {
    const std::size_t at = FindText(line.Text, text);
    if (at != std::u16string_view::npos)
      line.Text.DropFront(include ? at + text.size() : at);
  });
}

}  // namespace tolvane::modifier::functions
