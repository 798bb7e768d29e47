#pragma once
// The texts a file dialog is given, built the same way on every system so the rules are tested natively.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Filedialogs.h"

namespace tolvane {

// The file-type list in the system's form: description NUL patterns NUL … and one more NUL at the end; empty
// when no filter is usable. The system reads pairs up to the first empty string, so a NUL inside a text
// (which would shift every later pair) is dropped, an entry without patterns is left out, and an empty
// description is replaced by the patterns.
std::u16string FilterListText(const std::vector<platform::TFileFilter>& filters);

// The default extension as the system wants it: without leading dots. Empty, so none is added, when what
// remains holds a dot, a separator, a wildcard or another character file names may not hold.
std::u16string DefaultExtensionText(std::u16string_view extension);

}  // namespace tolvane
