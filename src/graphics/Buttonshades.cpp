#include "graphics/Buttonshades.h"

#include "graphics/Qxhsl.h"

namespace tolvane::graphics {

void TQxButtonShades::setClAutoDark(TColor color) {
  AutoDark = color;
  HotDark = color;
  DisabDark = GreyOf(color);
  TQxHsl hsl = SystemColorToHsl(SystemColors, color);
  hsl.Saturation = static_cast<std::uint8_t>(hsl.Saturation - hsl.Saturation / 3);
  DimmedDark = HslToSystemColor(hsl);
  Repaint();
}

void TQxButtonShades::setClAutoLight(TColor color) {
  AutoLight = color;
  HotLight = color;
  DisabLight = GreyOf(color);
  TQxHsl hsl = SystemColorToHsl(SystemColors, color);
  hsl.Saturation = static_cast<std::uint8_t>(hsl.Saturation / 3);
  hsl.Lightness = static_cast<std::uint8_t>(hsl.Lightness - hsl.Lightness / 15);
  DimmedLight = HslToSystemColor(hsl);
  Repaint();
}

void TQxButtonShades::SetShade(TColor& shade, TColor color) {
  if (shade == color) {
    return;
  }
  shade = color;
  Repaint();
}

TColor TQxButtonShades::GreyOf(TColor color) {
  return Grey(TQxColor::FromColor(ResolveColor(SystemColors, color))).ToColor();
}

void TQxButtonShades::Repaint() {
  if (OnRepaint) {
    OnRepaint();
  }
}

}  // namespace tolvane::graphics
