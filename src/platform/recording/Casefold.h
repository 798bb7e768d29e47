#pragma once

#include <string>
#include <string_view>

namespace tolvane::recording {

// Lower-cases ASCII and Latin-1 letters: enough for the doubles' Windows-like case-insensitive names.
std::u16string FoldCase(std::u16string_view text);

}  // namespace tolvane::recording
