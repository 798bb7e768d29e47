#pragma once

#include <string>
#include <string_view>

namespace tolvane::native {

// The ICU locale id of a POSIX locale name: "da_DK.UTF-8" and "da_DK@euro" → "da_DK". "C", "POSIX" and an
// empty name, which ICU would read as its root locale, become "en_US".
std::string IcuLocaleId(std::string_view posixName);

// The locale that collation follows in this process's environment: LC_ALL, else LC_COLLATE, else LANG, the
// first that is set and not empty; empty when none is.
std::string EnvironmentLocaleName();

}  // namespace tolvane::native
