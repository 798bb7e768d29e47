#pragma once
// Every image the program ships, made from the pixel art and the drawing code.

#include <string>
#include <vector>

#include "Pixelart.h"
#include "graphics/Qxbitmap.h"

namespace tolvane::imagegen {

struct TImageFile {
  std::string Name;  // file name inside resources/images
  graphics::TQxBitmap Image;
};

struct TIconFrame {
  int Size = 0;
  graphics::TQxBitmap Image;
};

struct TArtwork {
  std::vector<TImageFile> Images;
  std::vector<TIconFrame> IconFrames;
};

// False with a message when a glyph the strips name is missing from the art.
[[nodiscard]] bool MakeArtwork(const TArtBook& art, TArtwork& artwork, std::string& error);

// The glyph strips side by side, each glyph from the art or drawn.
[[nodiscard]] bool MakeUserStrip(const TArtBook& art, graphics::TQxBitmap& strip, std::string& error);
[[nodiscard]] bool MakeBuiltinStrip(const TArtBook& art, graphics::TQxBitmap& strip, std::string& error);

// Discs and other round glyphs of the built-in strip (16 × 16).
graphics::TQxBitmap DrawCancel();
graphics::TQxBitmap DrawSearch();
graphics::TQxBitmap DrawVideo();
graphics::TQxBitmap DrawMarkedDisc(const graphics::TQxBitmap& mark);

// The message box images, 48 × 48: the size at 144 pixels per inch, scaled down smoothly on other screens.
inline constexpr int MessageImageSize = 48;
graphics::TQxBitmap DrawQuestionImage();
graphics::TQxBitmap DrawExclamationImage();
graphics::TQxBitmap DrawErrorImage();
graphics::TQxBitmap DrawInformationImage();

// The program icon at one size, drawn on its own pixel grid so small sizes stay sharp.
graphics::TQxBitmap DrawProgramIcon(int size);

}  // namespace tolvane::imagegen
