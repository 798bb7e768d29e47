#include "ui/Menuglyphs.h"

#include "ui/Uiresources.h"

namespace tolvane::ui {

bool TMenuGlyphs::Load(HMODULE module, int pixelsPerInch) {
  graphics::TQxBitmap userStrip;
  graphics::TQxBitmap builtInStrip;
  graphics::TQxBitmap arrow;
  return LoadPngResource(module, L"USER_GLYPHS", userStrip) && graphics::MakeUserGlyphs(userStrip, User) &&
         LoadPngResource(module, L"BUILTIN_GLYPHS", builtInStrip) &&
         graphics::CutStrip(builtInStrip, graphics::GlyphSize, BuiltIn) &&
         LoadPngResource(module, L"SUBMENU_ARROW", arrow) &&
         graphics::MakeArrowGlyphs(arrow, pixelsPerInch, Arrows);
}

}  // namespace tolvane::ui
