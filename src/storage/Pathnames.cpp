#include "storage/Pathnames.h"

#include "common/Asciicase.h"

namespace tolvane::storage {
namespace {

// Length of the folder part: up to and including the last separator, else a drive prefix.
std::size_t FolderLength(std::u16string_view path) {
  const std::size_t last = path.find_last_of(u"\\/");
  if (last != std::u16string_view::npos)
    return last + 1;
  return path.size() >= 2 && path[1] == u':' ? 2 : 0;
}

}  // namespace

bool IsPathDelimiter(char16_t c) {
  return c == u'\\' || c == u'/';
}

std::u16string_view ExtractFilePath(std::u16string_view path) {
  return path.substr(0, FolderLength(path));
}

std::u16string_view ExtractFileName(std::u16string_view path) {
  return path.substr(FolderLength(path));
}

std::u16string_view RemoveExtension(std::u16string_view path) {
  const std::size_t folder = FolderLength(path);
  const std::size_t dot = path.rfind(u'.');
  return dot == std::u16string_view::npos || dot < folder ? path : path.substr(0, dot);
}

std::u16string IncludeTrailingDelimiter(std::u16string_view path) {
  std::u16string result(path);
  if (!result.empty() && !IsPathDelimiter(result.back()))
    result.push_back(PathDelimiter);
  return result;
}

bool EndsWithIgnoringCase(std::u16string_view text, std::u16string_view suffix) {
  if (text.size() < suffix.size())
    return false;
  const std::u16string_view tail = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    if (AsciiLower(tail[i]) != AsciiLower(suffix[i]))
      return false;
  }
  return true;
}

}  // namespace tolvane::storage
