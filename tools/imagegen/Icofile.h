#pragma once

#include <string>
#include <vector>

#include "Artwork.h"

namespace tolvane::imagegen {

// An icon file: frames below 256 pixels as 32-bit bitmaps with their transparency mask, the 256-pixel frame
// as PNG, which is what the icon loader of every supported system reads. False when a frame cannot be
// encoded.
[[nodiscard]] bool EncodeIco(const std::vector<TIconFrame>& frames, std::string& bytes);

}  // namespace tolvane::imagegen
