#include "platform/recording/Memorypath.h"

#include "platform/recording/Casefold.h"

namespace tolvane::recording {
namespace {

bool IsSeparator(char16_t c) {
  return c == u'/' || c == u'\\';
}

std::size_t LastSeparator(std::u16string_view path) {
  return path.find_last_of(u"/\\");
}

}  // namespace

std::u16string TidyPath(std::u16string_view path) {
  std::u16string tidy;
  tidy.reserve(path.size());
  for (const char16_t c : path) {
    if (IsSeparator(c) && !tidy.empty() && IsSeparator(tidy.back()))
      continue;
    tidy.push_back(c);
  }
  while (!tidy.empty() && IsSeparator(tidy.back()))
    tidy.pop_back();
  return tidy;
}

std::u16string PathKey(std::u16string_view tidyPath) {
  std::u16string key = FoldCase(tidyPath);
  for (char16_t& c : key) {
    if (c == u'\\')
      c = u'/';
  }
  return key;
}

std::u16string_view ParentPath(std::u16string_view tidyPath) {
  const std::size_t separator = LastSeparator(tidyPath);
  return separator == std::u16string_view::npos ? std::u16string_view() : tidyPath.substr(0, separator);
}

std::u16string_view LeafName(std::u16string_view tidyPath) {
  const std::size_t separator = LastSeparator(tidyPath);
  return separator == std::u16string_view::npos ? tidyPath : tidyPath.substr(separator + 1);
}

bool IsRootKey(std::u16string_view key) {
  return key.empty() || (LastSeparator(key) == std::u16string_view::npos && key.back() == u':');
}

}  // namespace tolvane::recording
