#pragma once
// The program's own windows are designed at 144 pixels per inch and scaled by the screen's pixels per inch.

#include "platform/win32/Win.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

inline constexpr int kDesignPpi = 144;

// The screen's pixels per inch (the system DPI); 96 when the screen cannot be asked.
inline int ScreenPixelsPerInch() {
  const TWindowDc screen(nullptr);
  const int ppi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : 96;
}

// n × ppi / 144, truncated.
constexpr int ScaleFromDesign(int value, int ppi) {
  return value * ppi / kDesignPpi;
}

}  // namespace tolvane::ui
