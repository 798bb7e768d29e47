#include "modifier/Scriptlines.h"

#include "modifier/Functionids.h"

namespace tolvane::modifier {

std::vector<std::u16string> SplitScriptLines(std::u16string_view script) {
  std::vector<std::u16string> lines;
  std::size_t position = 0;
  while (position < script.size()) {
    const std::size_t end = script.find_first_of(u"\r\n", position);
    if (end == std::u16string_view::npos) {
      lines.emplace_back(script.substr(position));
      break;
    }
    lines.emplace_back(script.substr(position, end - position));
    position = end + 1;
    if (script[end] == u'\r' && position < script.size() && script[position] == u'\n')
      ++position;
  }
  return lines;
}

TLookUp LookUpFunction(const TFunctionTable& table, platform::ILocale& locale, std::u16string_view line) {
  if (line.empty())
    return {funcid::Skip, {}};
  const std::size_t open = line.find(u'(');
  if (open == std::u16string_view::npos)
    return {funcid::Unknown, {}};
  TLookUp result{funcid::Unknown, std::u16string(line.substr(open))};
  // An empty name matches the separator entry, so "(anything)" is skipped like an empty line.
  const std::u16string lowerName = locale.LowerCase(line.substr(0, open));
  for (const TFunc& func : table) {
    if (func.LowerName == lowerName) {
      result.Id = func.Id;
      break;
    }
  }
  return result;
}

}  // namespace tolvane::modifier
