#pragma once

#include <string>
#include <vector>

namespace tolvane::platform {

struct TFontFamily {
  std::u16string Name;
  bool FixedPitch = false;

  bool operator==(const TFontFamily&) const = default;
};

class IFonts {
 public:
  virtual ~IFonts() = default;

  // The installed TrueType families as the system enumerates them over all character sets: a family may come
  // once per character set, and vertical variants ("@" names) are included.
  virtual std::vector<TFontFamily> TrueTypeFamilies() = 0;
};

}  // namespace tolvane::platform
