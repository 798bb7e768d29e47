#pragma once
// The glyphs the menus and the editor draw: the user glyphs in their colour variants, the program's own
// glyphs and the sub-menu arrow in its variants, cut from the strip images compiled into the program.

#include "graphics/Glyphlist.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

struct TMenuGlyphs {
  graphics::TGlyphList User;
  graphics::TGlyphList BuiltIn;
  graphics::TGlyphList Arrows;

  // Cuts all three lists; the arrow is redrawn for the pixels per inch. False when an image is missing or
  // cannot be decoded (the lists that were cut stay).
  [[nodiscard]] bool Load(HMODULE module, int pixelsPerInch);
};

}  // namespace tolvane::ui
