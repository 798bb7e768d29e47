#include "Artwork.h"
#include "Palette.h"
#include "Vectorart.h"

namespace tolvane::imagegen {
TQxBitmap DrawCancel() {
  TQxBitmap glyph(16, 16);
  Paint(glyph, Disc(8, 8, 7.4), RedDark);
  Paint(glyph, Disc(8, 8, 6.4), VerticalGradient(1.5, RedLight, 14.5, RedMid));
  Paint(glyph, Union(Capsule({5.3, 5.3}, {10.7, 10.7}, 1.2), Capsule({10.7, 5.3}, {5.3, 10.7}, 1.2)), White);
  return glyph;
}

TQxBitmap DrawSearch() {
  TQxBitmap glyph(16, 16);
  Paint(glyph, Capsule({10.2, 10.2}, {14.2, 14.2}, 2.0), Ink);
  Paint(glyph, Capsule({10.8, 10.8}, {13.7, 13.7}, 1.0), Rgb(0x8a5a2b));
  Paint(glyph, Disc(6.5, 6.5, 5.6), Ink);
  Paint(glyph, Disc(6.5, 6.5, 4.2), VerticalGradient(2.5, Rgb(0xeaf3ff), 10.5, Rgb(0x9fc5f8)));
  Paint(glyph, ArcBand(6.5, 6.5, 2.4, 3.3, 280, 350), White);
  return glyph;
}

TQxBitmap DrawVideo() {
  TQxBitmap glyph(16, 16);
  Paint(glyph, RoundBox(0.5, 2.5, 15.5, 13.5, 3.2), RedDark);
  Paint(glyph, RoundBox(1.5, 3.5, 14.5, 12.5, 2.4), VerticalGradient(3.5, RedLight, 12.5, RedMid));
  Paint(glyph, Polygon({{6.2, 5.2}, {11.6, 8}, {6.2, 10.8}}), White);
  return glyph;
}

TQxBitmap DrawMarkedDisc(const TQxBitmap& mark) {
  TQxBitmap glyph(16, 16);
  Paint(glyph, Disc(8, 8, 7.5), BlueDark);
  Paint(glyph, Disc(8, 8, 6.5), VerticalGradient(1.5, BlueLight, 14.5, BlueMid));
  glyph.AlphaBlend(mark, mark.Bounds(), 0, 0);
  return glyph;
}

}  // namespace tolvane::imagegen
