#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane::modifier {

enum class TVarKind : std::int32_t { Character = 0, YesNo = 1, Number = 2, Text = 3 };

// One parameter slot of a function, and the parsed value of one argument. Only the value member that
// matches Kind is meaningful.
struct TVar {
  bool YesNo = false;
  char16_t Character = 0;
  std::int32_t Number = 0;
  std::u16string TextValue;
  std::u16string Caption;
  TVarKind Kind = TVarKind::Text;
};

// The parsed arguments of one call, in the order of the function's parameters.
using TArgs = std::vector<TVar>;

}  // namespace tolvane::modifier
