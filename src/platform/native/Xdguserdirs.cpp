#include "platform/native/Xdguserdirs.h"

#include <utility>

namespace tolvane::native {
namespace {

// The value of `KEY="value"`, unquoted; nullopt when the line does not set the key.
std::optional<std::string> ValueOf(std::string_view line, std::string_view key) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos)
    return std::nullopt;
  line.remove_prefix(start);
  if (!line.starts_with(key) || line.substr(key.size(), 2) != "=\"")
    return std::nullopt;
  line.remove_prefix(key.size() + 2);
  const std::size_t end = line.find('"');
  if (end == std::string_view::npos)
    return std::nullopt;
  return std::string(line.substr(0, end));
}

}  // namespace

std::optional<std::string> XdgUserDir(std::istream& dirsFile, std::string_view key, const std::string& home) {
  std::optional<std::string> found;
  for (std::string line; std::getline(dirsFile, line);) {
    if (auto value = ValueOf(line, key))
      found = std::move(value);  // the last setting wins, as in a shell
  }
  if (!found)
    return std::nullopt;
  if (found->starts_with("$HOME")) {
    const std::string rest = found->substr(5);
    if (!rest.empty() && rest.front() != '/')
      return std::nullopt;
    return home + rest;
  }
  if (found->starts_with('/'))
    return found;
  return std::nullopt;
}

}  // namespace tolvane::native
