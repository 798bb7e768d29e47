#include "platform/portable/Fixedsystemcolors.h"

namespace tolvane::portable {

std::uint32_t TFixedSystemColors::Color(int index) {
  if (const auto found = Overrides.find(index); found != Overrides.end())
    return found->second;
  if (index < 0 || index >= static_cast<int>(platform::DefaultSystemColors.size()))
    return 0;
  return platform::DefaultSystemColors[static_cast<std::size_t>(index)];
}

}  // namespace tolvane::portable
