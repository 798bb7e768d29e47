#pragma once
// The pixel-art source of the 16 × 16 glyphs (resources/images/src/glyphs.art).

#include <map>
#include <string>
#include <string_view>

#include "graphics/Qxbitmap.h"

namespace tolvane::imagegen {

inline constexpr int ArtSize = 16;

struct TArtBook {
  std::map<std::string, graphics::TQxBitmap, std::less<>> Glyphs;
};

// False with a message naming the line for anything malformed: an unknown palette character, a row of the
// wrong length, a glyph without 16 rows, a name used twice.
[[nodiscard]] bool ParseArt(std::string_view text, TArtBook& book, std::string& error);

}  // namespace tolvane::imagegen
