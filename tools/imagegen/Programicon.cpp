#include <cmath>

#include "Artwork.h"
#include "Palette.h"
#include "Vectorart.h"

namespace tolvane::imagegen {
namespace {

// The icon is designed on a 16 × 16 grid; edges are rounded to whole pixels at every size so that the small
// frames stay sharp.
class TIconGrid {
 public:
  explicit TIconGrid(int size) : Scale(size / 16.0) {}

  double At(double unit) const { return std::round(unit * Scale); }
  TShape Box(double left, double top, double right, double bottom, double radius) const {
    return RoundBox(At(left), At(top), At(right), At(bottom), radius * Scale);
  }

 private:
  double Scale;
};

}  // namespace

TQxBitmap DrawProgramIcon(int size) {
  TQxBitmap icon(size, size);
  const TIconGrid grid(size);
  const double pixel = 1.0;
  // The tile.
  Paint(icon, grid.Box(0, 0, 16, 16, 3), Rgb(0x163f82));
  Paint(icon, RoundBox(pixel, pixel, size - pixel, size - pixel, 3 * size / 16.0 - pixel),
        VerticalGradient(0, Rgb(0x4a8fe7), size, Rgb(0x1f56b0)));
  // The menu bar across the top with two entries, the second one open.
  Paint(icon, grid.Box(2, 2, 14, 5, 0.5), Rgb(0xf4f7fb));
  Paint(icon, grid.Box(3, 3, 6, 4, 0), Rgb(0x1f56b0));
  Paint(icon, grid.Box(7, 2, 11, 5, 0.3), Rgb(0xf2a93b));
  // Its pop-up with a shadow, two items and the hot one between them.
  Paint(icon, grid.Box(7.5, 5.5, 14.5, 14.5, 0.3), Rgb(0x000000, 70));
  Paint(icon, grid.Box(7, 5, 14, 14, 0.3), Rgb(0xffffff));
  Paint(icon, grid.Box(8, 6, 13, 7, 0), Rgb(0x8c9bb0));
  Paint(icon, grid.Box(7, 8, 14, 11, 0), Rgb(0xf2a93b));
  Paint(icon, grid.Box(8, 9, 12, 10, 0), Rgb(0xffffff));
  Paint(icon, grid.Box(8, 12, 12, 13, 0), Rgb(0x8c9bb0));
  // Text lines of the clip on the left.
  for (const double y : {7.0, 9.0, 11.0}) {
    Paint(icon, grid.Box(2, y, 5, y + 1, 0), Rgb(0xdbe7f7));
  }
  return icon;
}

}  // namespace tolvane::imagegen
