#pragma once

#include <string_view>

namespace tolvane::native {

// The international calling code of a region ("DK" → 45, "US" → 1); 1 for regions not in the table, as the
// system's own default locale would report.
int CountryCallingCode(std::string_view region);

}  // namespace tolvane::native
