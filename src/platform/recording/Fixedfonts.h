#pragma once

#include <utility>
#include <vector>

#include "platform/Fonts.h"

namespace tolvane::recording {

// The font families a test installs, enumerated exactly as given (duplicates and "@" names included).
class TFixedFonts final : public platform::IFonts {
 public:
  std::vector<platform::TFontFamily> TrueTypeFamilies() override { return Families; }

  void SetFamilies(std::vector<platform::TFontFamily> families) { Families = std::move(families); }

 private:
  std::vector<platform::TFontFamily> Families;
};

}  // namespace tolvane::recording
