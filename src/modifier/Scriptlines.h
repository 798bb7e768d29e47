#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "modifier/Functiontable.h"
#include "platform/Locale.h"

namespace tolvane::modifier {

// A script's lines, split at CR LF, CR or LF. A break at the very end does not add an empty line.
std::vector<std::u16string> SplitScriptLines(std::u16string_view script);

struct TLookUp {
  std::int32_t Id = 0;       // an entry's Id, funcid::Skip or funcid::Unknown
  std::u16string ParamText;  // from the first "(" to the end of the line
};

// Matches one script line to the table. The name before the first "(" is taken exactly as written (a blank
// before or after it makes it unknown) and compared case-insensitively in the locale's sense.
TLookUp LookUpFunction(const TFunctionTable& table, platform::ILocale& locale, std::u16string_view line);

}  // namespace tolvane::modifier
