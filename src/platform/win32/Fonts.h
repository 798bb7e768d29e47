#pragma once

#include "platform/Fonts.h"

namespace tolvane::win32 {

// EnumFontFamiliesExW over all character sets on the screen's device context.
class TFonts final : public platform::IFonts {
 public:
  std::vector<platform::TFontFamily> TrueTypeFamilies() override;
};

}  // namespace tolvane::win32
