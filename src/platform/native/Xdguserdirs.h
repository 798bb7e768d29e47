#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::native {

// The folder a user-dirs.dirs file gives for a key such as "XDG_DESKTOP_DIR", with a leading "$HOME" replaced
// by `home`; nullopt when the key is missing or its value is neither absolute nor under $HOME.
std::optional<std::string> XdgUserDir(std::istream& dirsFile, std::string_view key, const std::string& home);

}  // namespace tolvane::native
