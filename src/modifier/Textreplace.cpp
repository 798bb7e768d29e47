#include "modifier/Textreplace.h"

namespace tolvane::modifier {

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  if (from.empty())
    return;
  std::size_t found = text.find(from);
  if (found == std::u16string::npos)
    return;
  const std::u16string_view source(text);
  std::u16string result;
  std::size_t done = 0;
  while (found != std::u16string::npos) {
    result.append(source.substr(done, found - done));
    result.append(to);
    done = found + from.size();
    found = source.find(from, done);
  }
  result.append(source.substr(done));
  text = std::move(result);
}

}  // namespace tolvane::modifier
