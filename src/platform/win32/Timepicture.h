#pragma once

#include <string>
#include <string_view>

namespace tolvane::win32 {

// A time picture without its seconds and the separator before them ("h:mm:ss tt" -> "h:mm tt"), for systems
// that have no short time format of their own. Quoted text stays as it is.
std::u16string WithoutSeconds(std::u16string_view picture);

}  // namespace tolvane::win32
