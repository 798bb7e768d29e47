#include "Preview.h"

#include <algorithm>

#include "Palette.h"
#include "graphics/Glyphlist.h"
#include "graphics/Gradient.h"

namespace tolvane::imagegen {
namespace {

using graphics::TGlyphList;
using graphics::TQxBitmap;
using graphics::TQxColor;
using tolvane::TRect;

// The default menu colours.
const TQxColor MenuTop = Rgb(0xf0f0f0);
const TQxColor MenuBottom = Rgb(0xb1b1b1);
const TQxColor SelTop = Rgb(0xfcfcfc);
const TQxColor SelBottom = Rgb(0x7f7f7f);
constexpr int Row = 24;  // a menu row at the default item height

const TQxBitmap& Image(const TArtwork& artwork, std::string_view name) {
  return std::find_if(artwork.Images.begin(), artwork.Images.end(),
                      [&](const TImageFile& f) { return f.Name == name; })
      ->Image;
}

// One menu row of glyphs, normal and selected, 4 px apart.
int DrawGlyphRows(TQxBitmap& sheet, const TGlyphList& glyphs, int top) {
  for (int pass = 0; pass < 2; ++pass) {
    const TRect row{0, top, sheet.Width(), top + Row};
    if (pass == 1) {
      graphics::FillPipe(sheet, row, SelTop, SelBottom, 65);
    }
    for (int i = 0; i < glyphs.Count(); ++i) {
      (void)glyphs.Draw(sheet, i, 6 + i * (glyphs.CellSize() + 4), top + (Row - glyphs.CellSize()) / 2);
    }
    top += Row;
  }
  return top + 8;
}

// The close image, the message images at full size and at 32 px, and the icon frames, in one row.
void DrawImages(TQxBitmap& sheet, const TArtwork& artwork, int top) {
  const TQxBitmap& close = Image(artwork, "close.png");
  sheet.AlphaBlend(close, close.Bounds(), 6, top);
  int x = 40;
  for (const char* name :
       {"msg-question.png", "msg-exclamation.png", "msg-error.png", "msg-information.png"}) {
    const TQxBitmap& image = Image(artwork, name);
    sheet.AlphaBlend(image, image.Bounds(), x, top);
    TQxBitmap small(32, 32);
    small.DrawScaled(image, image.Bounds(), small.Bounds(), graphics::TScaleFilter::Area);
    sheet.AlphaBlend(small, small.Bounds(), x + 8, top + 56);
    x += 60;
  }
  for (const TIconFrame& frame : artwork.IconFrames) {
    if (frame.Size <= 48) {
      sheet.AlphaBlend(frame.Image, frame.Image.Bounds(), x, top);
      x += frame.Size + 8;
    }
  }
  const TIconFrame& large = artwork.IconFrames.back();
  TQxBitmap half(128, 128);
  half.DrawScaled(large.Image, large.Image.Bounds(), half.Bounds(), graphics::TScaleFilter::Area);
  sheet.AlphaBlend(half, half.Bounds(), x, top);
}

}  // namespace

TQxBitmap MakeGlyphSheet(const TArtwork& artwork) {
  TQxBitmap sheet(600, 420);
  graphics::FillGradient(sheet, sheet.Bounds(), MenuTop, MenuBottom);
  TGlyphList user;
  TGlyphList builtin;
  TGlyphList arrows;
  int top = 8;
  if (graphics::CutStrip(Image(artwork, "user-glyphs.png"), 16, user)) {
    top = DrawGlyphRows(sheet, user, top);
  }
  if (graphics::CutStrip(Image(artwork, "builtin-glyphs.png"), 16, builtin)) {
    top = DrawGlyphRows(sheet, builtin, top);
  }
  for (const int ppi : {96, 120, 144}) {
    if (graphics::MakeArrowGlyphs(Image(artwork, "submenu-arrow.png"), ppi, arrows)) {
      top = DrawGlyphRows(sheet, arrows, top);
    }
  }
  DrawImages(sheet, artwork, top);
  return sheet;
}

TQxBitmap MakePickerSheet(const TArtwork& artwork) {
  TGlyphList glyphs;
  if (!graphics::MakeUserGlyphs(Image(artwork, "user-glyphs.png"), glyphs)) {
    return TQxBitmap();
  }
  constexpr int Cell = 26;
  const int rows = glyphs.Count() / graphics::GlyphVariants;
  TQxBitmap sheet(graphics::GlyphVariants * Cell + 2, rows * Cell + 2);
  graphics::FillGradient(sheet, sheet.Bounds(), MenuTop, MenuBottom);
  for (int i = 0; i < glyphs.Count(); ++i) {
    (void)glyphs.Draw(sheet, i, 1 + 5 + i % graphics::GlyphVariants * Cell,
                      1 + 5 + i / graphics::GlyphVariants * Cell);
  }
  return sheet;
}

}  // namespace tolvane::imagegen
