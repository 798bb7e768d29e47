#pragma once

#include <string>
#include <string_view>

#include "modifier/Qxclipline.h"

namespace tolvane::modifier {

// Replaces every occurrence, case-sensitively, left to right and without overlap; the inserted text is not
// searched again. An empty `from` changes nothing. Neither `from` nor `to` may point into `text`.
void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to);
// The same in every line. Lines without an occurrence anywhere stay as they are; otherwise all lines are
// rewritten into one block, which a save then hands over without joining them again.
void ReplaceInLines(TClipLines& lines, std::u16string_view from, std::u16string_view to);

}  // namespace tolvane::modifier
