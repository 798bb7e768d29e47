#include "platform/win32/Fonts.h"

#include "platform/win32/Win.h"

namespace tolvane::win32 {
namespace {

int CALLBACK AddTrueTypeFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM target) {
  if ((fontType & TRUETYPE_FONTTYPE) != 0) {
    auto& families = *reinterpret_cast<std::vector<platform::TFontFamily>*>(target);
    families.push_back({Narrow16(font->lfFaceName), (font->lfPitchAndFamily & 0x3) == FIXED_PITCH});
  }
  return 1;  // go on
}

// The screen's device context for the scope.
class TScreenDc {
 public:
  TScreenDc() : Dc(::GetDC(nullptr)) {}
  TScreenDc(const TScreenDc&) = delete;
  TScreenDc& operator=(const TScreenDc&) = delete;
  ~TScreenDc() {
    if (Dc != nullptr)
      ::ReleaseDC(nullptr, Dc);
  }
  HDC get() const { return Dc; }

 private:
  HDC Dc;
};

}  // namespace

std::vector<platform::TFontFamily> TFonts::TrueTypeFamilies() {
  std::vector<platform::TFontFamily> families;
  const TScreenDc screen;
  if (screen.get() == nullptr)
    return families;
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;  // with an empty face name: every family in every character set
  ::EnumFontFamiliesExW(screen.get(), &filter, &AddTrueTypeFamily, reinterpret_cast<LPARAM>(&families), 0);
  return families;
}

}  // namespace tolvane::win32
