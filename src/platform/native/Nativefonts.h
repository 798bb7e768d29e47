#pragma once

#include "platform/Fonts.h"

namespace tolvane::native {

// TrueType families through fontconfig. A family can come several times (once per set of alternative names
// its fonts carry), as on Windows once per character set.
class TNativeFonts final : public platform::IFonts {
 public:
  std::vector<platform::TFontFamily> TrueTypeFamilies() override;
};

}  // namespace tolvane::native
