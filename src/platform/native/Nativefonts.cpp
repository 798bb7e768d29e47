#include "platform/native/Nativefonts.h"

#include <fontconfig/fontconfig.h>

#include <memory>

#include "common/Unicode.h"

namespace tolvane::native {
namespace {

struct TPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct TObjectSetDeleter {
  void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
};
struct TFontSetDeleter {
  void operator()(FcFontSet* fonts) const { FcFontSetDestroy(fonts); }
};

// The first (untranslated) family name and whether every glyph has the same advance.
bool ReadFamily(FcPattern* font, platform::TFontFamily& family) {
  FcChar8* name = nullptr;
  if (FcPatternGetString(font, FC_FAMILY, 0, &name) != FcResultMatch || name == nullptr)
    return false;
  int spacing = FC_PROPORTIONAL;
  (void)FcPatternGetInteger(font, FC_SPACING, 0, &spacing);  // absent means proportional
  family.Name = Utf8ToUtf16(reinterpret_cast<const char*>(name));
  family.FixedPitch = spacing >= FC_MONO;
  return true;
}

}  // namespace

std::vector<platform::TFontFamily> TNativeFonts::TrueTypeFamilies() {
  const std::unique_ptr<FcPattern, TPatternDeleter> pattern(FcPatternCreate());
  const std::unique_ptr<FcObjectSet, TObjectSetDeleter> objects(
      FcObjectSetBuild(FC_FAMILY, FC_SPACING, static_cast<char*>(nullptr)));
  std::vector<platform::TFontFamily> families;
  if (!pattern || !objects ||
      !FcPatternAddString(pattern.get(), FC_FONTFORMAT, reinterpret_cast<const FcChar8*>("TrueType")))
    return families;
  const std::unique_ptr<FcFontSet, TFontSetDeleter> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
  for (int i = 0; fonts && i < fonts->nfont; ++i) {
    platform::TFontFamily family;
    if (ReadFamily(fonts->fonts[i], family))
      families.push_back(std::move(family));
  }
  return families;
}

}  // namespace tolvane::native
