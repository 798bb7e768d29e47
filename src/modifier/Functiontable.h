#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "modifier/Var.h"
#include "platform/Locale.h"

namespace tolvane::modifier {

// One entry of the function table.
struct TFunc {
  std::u16string Name;
  std::u16string LowerName;  // the lookup key
  std::int32_t Id = 0;
  std::vector<TVar> Params;
};

using TFunctionTable = std::vector<TFunc>;

// The whole vocabulary of the language in the order the editor lists it, including the separator entry
// (empty name, funcid::Skip). LowerName follows the locale's lower-casing.
TFunctionTable BuildFunctionTable(platform::ILocale& locale);

// The entry with the id, or null.
const TFunc* FindFunction(const TFunctionTable& table, std::int32_t id);

// The text the editor inserts for the function: "Trim()", "AddFront( 'Text' )", or the whole template block.
std::u16string CallTemplate(const TFunc& func);

// The name parameter messages show for the function.
std::u16string ParameterMessageName(const TFunc& func);

}  // namespace tolvane::modifier
