#include "modifier/Functionsupport.h"
#include "modifier/Modifierfunctions.h"

namespace tolvane::modifier::functions {
namespace {

void TrimAll(TQxClipTxt& clip, TTrimSide side) {
  ForEachLine(clip, [side](TClipLine& line) { line.Trim(side); });
}

void TrimAllSpecial(TQxClipTxt& clip, TTrimSide side, std::u16string_view extra) {
  ForEachLine(clip, [side, extra](TClipLine& line) { line.TrimSpecial(side, extra); });
}

}  // namespace

void Trim(TQxClipTxt& clip, const TArgs&) {
  TrimAll(clip, TTrimSide::Both);
}

void TrimLeft(TQxClipTxt& clip, const TArgs&) {
  TrimAll(clip, TTrimSide::Left);
}

void TrimRight(TQxClipTxt& clip, const TArgs&) {
  TrimAll(clip, TTrimSide::Right);
}

void TrimSpecial(TQxClipTxt& clip, const TArgs& args) {
  TrimAllSpecial(clip, TTrimSide::Both, args[0].TextValue);
}

void TrimSpecialLeft(TQxClipTxt& clip, const TArgs& args) {
  TrimAllSpecial(clip, TTrimSide::Left, args[0].TextValue);
}

void TrimSpecialRight(TQxClipTxt& clip, const TArgs& args) {
  TrimAllSpecial(clip, TTrimSide::Right, args[0].TextValue);
}

void Trim_NG_ReplySigns(TQxClipTxt& clip, const TArgs& args) {
  const std::u16string_view signs = args[0].TextValue;
  ForEachLine(clip, [signs](TClipLine& line) {
    std::size_t start = 0;
    while (start < line.Text.size()) {
      const char16_t c = line.Text[start];
      if (c > 32 && c != 0x00A0 && signs.find(c) == std::u16string_view::npos)
        break;
      ++start;
    }
    line.Text.DropFront(start);
  });
}

}  // namespace tolvane::modifier::functions
