#pragma once

#include <string_view>
#include <vector>

#include "execution/Inputitem.h"

namespace tolvane::execution {

// Translates keystroke-macro notation into input events. Never fails: malformed codes become code 0, a
// backslash too close to the end is typed, and an incomplete "\!" escape ends the macro.
std::vector<TInputItem> ParseMacro(std::u16string_view text);

}  // namespace tolvane::execution
