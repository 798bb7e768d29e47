#include "Artwork.h"
#include "Palette.h"
#include "Vectorart.h"

namespace tolvane::imagegen {
namespace {

constexpr double Centre = MessageImageSize / 2.0;
constexpr double Stroke = 2.6;  // half the width of the marks' strokes

TQxBitmap Disc48(TQxColor rim, TQxColor light, TQxColor dark) {
  TQxBitmap image(MessageImageSize, MessageImageSize);
  Paint(image, Disc(Centre, Centre + 1.5, 22), Rgb(0x000000, 60));
  Paint(image, Disc(Centre, Centre, 22), rim);
  Paint(image, Disc(Centre, Centre, 20.8), VerticalGradient(3, light, 45, dark));
  // A soft highlight across the upper half.
  Paint(image, Minus(Disc(Centre, Centre, 19.5), Disc(Centre, Centre + 16, 27)), Rgb(0xffffff, 70));
  return image;
}

}  // namespace

TQxBitmap DrawQuestionImage() {
  TQxBitmap image = Disc48(BlueDark, BlueLight, BlueMid);
  const TShape hook = ArcBand(Centre, 18.5, 5.6 - Stroke, 5.6 + Stroke, 275, 140);
  const TShape stem =
      Union(Capsule({27.6, 23.3}, {Centre, 27.0}, Stroke), Capsule({Centre, 27.0}, {Centre, 30.0}, Stroke));
  Paint(image, Union(hook, Union(stem, Disc(Centre, 36.5, 3.0))), White);
  return image;
}

TQxBitmap DrawInformationImage() {
  TQxBitmap image = Disc48(BlueDark, BlueLight, BlueMid);
  Paint(image, Disc(Centre, 13.5, 3.2), White);
  Paint(image, RoundBox(Centre - Stroke - 0.2, 19.5, Centre + Stroke + 0.2, 36.5, 1.5), White);
  return image;
}

TQxBitmap DrawErrorImage() {
  TQxBitmap image = Disc48(RedDark, RedLight, RedMid);
  const double a = 15.5;
  const double b = MessageImageSize - a;
  Paint(image, Union(Capsule({a, a}, {b, b}, 3.0), Capsule({b, a}, {a, b}, 3.0)), White);
  return image;
}

TQxBitmap DrawExclamationImage() {
  TQxBitmap image(MessageImageSize, MessageImageSize);
  const TShape triangle = Polygon({{Centre, 5.5}, {43.5, 41.5}, {4.5, 41.5}});
  Paint(image, Grown(triangle, 2.6), Rgb(0x000000, 40));
  Paint(image, Grown(triangle, 1.8), AmberDark);
  Paint(image, Grown(triangle, 0.8), VerticalGradient(6, AmberLight, 42, AmberMid));
  Paint(image, Capsule({Centre, 17.0}, {Centre, 29.5}, Stroke), Ink);
  Paint(image, Disc(Centre, 35.5, 2.9), Ink);
  return image;
}

}  // namespace tolvane::imagegen
