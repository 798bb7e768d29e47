#pragma once
// The shade colours of an owner-drawn button, derived from a dark and a light base colour.

#include <functional>

#include "graphics/Qxcolor.h"
#include "platform/Systemcolors.h"

namespace tolvane::graphics {

class TQxButtonShades {
 public:
  explicit TQxButtonShades(platform::ISystemColors& systemColors) : SystemColors(systemColors) {}

  // Called after a change that needs the button drawn again.
  std::function<void()> OnRepaint;

  // Hot = c, disabled = grey of c, dimmed = c with a third of its saturation taken away; repaints.
  void setClAutoDark(TColor color);
  // Hot = c, disabled = grey of c, dimmed = c at a third of its saturation and 1/15 darker; repaints.
  void setClAutoLight(TColor color);

  // Each repaints only when the value changes.
  void setClHotDark(TColor color) { SetShade(HotDark, color); }
  void setClHotLight(TColor color) { SetShade(HotLight, color); }
  void setClDimmedDark(TColor color) { SetShade(DimmedDark, color); }
  void setClDimmedLight(TColor color) { SetShade(DimmedLight, color); }
  void setClDisabDark(TColor color) { SetShade(DisabDark, color); }
  void setClDisabLight(TColor color) { SetShade(DisabLight, color); }
  void setClSelDownDark(TColor color) { SetShade(SelDownDark, color); }
  void setClSelDownLight(TColor color) { SetShade(SelDownLight, color); }

  TColor ClAutoDark() const { return AutoDark; }
  TColor ClAutoLight() const { return AutoLight; }
  TColor ClHotDark() const { return HotDark; }
  TColor ClHotLight() const { return HotLight; }
  TColor ClDimmedDark() const { return DimmedDark; }
  TColor ClDimmedLight() const { return DimmedLight; }
  TColor ClDisabDark() const { return DisabDark; }
  TColor ClDisabLight() const { return DisabLight; }
  TColor ClSelDownDark() const { return SelDownDark; }
  TColor ClSelDownLight() const { return SelDownLight; }

 private:
  void SetShade(TColor& shade, TColor color);
  TColor GreyOf(TColor color);
  void Repaint();

  platform::ISystemColors& SystemColors;
  TColor AutoDark = 0;
  TColor AutoLight = 0;
  TColor HotDark = 0;
  TColor HotLight = 0;
  TColor DimmedDark = 0;
  TColor DimmedLight = 0;
  TColor DisabDark = 0;
  TColor DisabLight = 0;
  TColor SelDownDark = 0;
  TColor SelDownLight = 0;
};

}  // namespace tolvane::graphics
