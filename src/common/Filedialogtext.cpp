#include "common/Filedialogtext.h"

namespace tolvane {
namespace {

std::u16string WithoutNul(std::u16string_view text) {
  std::u16string kept;
  kept.reserve(text.size());
  for (const char16_t c : text) {
    if (c != u'\0')
      kept += c;
  }
  return kept;
}

// The system wants no dot in it, and a file name never holds the others.
bool MayStandInAnExtension(char16_t c) {
  return c >= 0x20 && std::u16string_view(u"\\/:*?\"<>|;.").find(c) == std::u16string_view::npos;
}

}  // namespace

std::u16string FilterListText(const std::vector<platform::TFileFilter>& filters) {
  std::u16string text;
  for (const platform::TFileFilter& filter : filters) {
    const std::u16string patterns = WithoutNul(filter.Patterns);
    if (patterns.empty())
      continue;
    const std::u16string description = WithoutNul(filter.Description);
    text += description.empty() ? patterns : description;
    text += u'\0';
    text += patterns;
    text += u'\0';
  }
  if (!text.empty())
    text += u'\0';
  return text;
}

std::u16string DefaultExtensionText(std::u16string_view extension) {
  const std::size_t start = extension.find_first_not_of(u'.');
  if (start == std::u16string_view::npos)
    return {};
  const std::u16string_view rest = extension.substr(start);
  for (const char16_t c : rest) {
    if (!MayStandInAnExtension(c))
      return {};
  }
  if (rest.back() == u' ')
    return {};  // Windows drops a name's trailing blanks, so the extension would not be the one asked for
  return std::u16string(rest);
}

}  // namespace tolvane
