#pragma once

#include <string>
#include <string_view>

#include "modifier/Linetext.h"

namespace tolvane::modifier {

// Replaces every occurrence, case-sensitively, left to right and without overlap; the inserted text is not
// searched again. An empty `from` changes nothing. Neither `from` nor `to` may point into `text`.
void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to);
// The same on a line's text: a line without an occurrence keeps viewing its text.
void ReplaceAll(TLineText& text, std::u16string_view from, std::u16string_view to);

}  // namespace tolvane::modifier
