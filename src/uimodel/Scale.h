#pragma once
// The program's one sizing rule: a size designed at 144 pixels per inch is drawn as n × ppi / 144 on the
// monitor the window is on. Each window keeps one TScale and replaces it when its monitor's DPI changes.

#include "common/Geometry.h"

namespace tolvane::uimodel {

inline constexpr int DesignPpi = 144;
inline constexpr int DefaultPpi = 96;

class TScale {
 public:
  constexpr TScale() = default;
  // A ppi of 0 or less (a failed query) counts as the default 96.
  explicit constexpr TScale(int ppi) : PixelsPerInch(ppi > 0 ? ppi : DefaultPpi) {}

  constexpr int Ppi() const { return PixelsPerInch; }
  // n × ppi / 144, truncated toward zero.
  constexpr int operator()(int designPixels) const { return designPixels * PixelsPerInch / DesignPpi; }
  constexpr TSize operator()(TSize design) const { return {(*this)(design.Width), (*this)(design.Height)}; }
  constexpr TRect operator()(const TRect& design) const {
    return {(*this)(design.Left), (*this)(design.Top), (*this)(design.Right), (*this)(design.Bottom)};
  }
  // A value measured at this scale, converted to another (font heights, remembered bounds).
  constexpr int To(const TScale& other, int pixels) const {
    return pixels * other.PixelsPerInch / PixelsPerInch;
  }

  constexpr bool operator==(const TScale&) const = default;

 private:
  int PixelsPerInch = DefaultPpi;
};

}  // namespace tolvane::uimodel
