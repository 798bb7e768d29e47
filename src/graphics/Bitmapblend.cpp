#include "graphics/Qxbitmap.h"

#include "graphics/Bitmapclip.h"

namespace tolvane::graphics {
namespace {

// x / 255 rounded to nearest, for 0 ≤ x ≤ 65535.
constexpr int Div255(int x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

}  // namespace

void BlendPixel(TQxColor& target, TQxColor color, int coverage) {
  const int sa = Div255(color.Alpha() * coverage);
  if (sa <= 0) {
    return;
  }
  if (sa >= 255) {
    target = color.WithAlpha(255);
    return;
  }
  const int da = Div255(target.Alpha() * (255 - sa));
  const int outAlpha = sa + da;
  // Straight alpha: each colour is weighted by its own alpha share of the result.
  const auto mix = [&](int s, int d) {
    return static_cast<std::uint8_t>((s * sa + d * da + outAlpha / 2) / outAlpha);
  };
  target = TQxColor::FromChannels(mix(color.Red(), target.Red()), mix(color.Green(), target.Green()),
                                  mix(color.Blue(), target.Blue()), static_cast<std::uint8_t>(outAlpha));
}

void TQxBitmap::AlphaBlend(const TQxBitmap& source, const TRect& sourceRect, int x, int y,
                           std::uint8_t opacity) {
  const TRect from = detail::ClipTransfer(source.Bounds(), sourceRect, Bounds(), x, y);
  for (int row = 0; row < from.Height(); ++row) {
    const TQxColor* in = source.Row(from.Top + row) + from.Left;
    TQxColor* out = Row(y + row) + x;
    for (int column = 0; column < from.Width(); ++column) {
      BlendPixel(out[column], in[column], opacity);
    }
  }
}

}  // namespace tolvane::graphics
