#pragma once
// Geometry of the menu bar in menu mode. The bar is one menu row high: the row's height comes from the menu
// font's line height plus a quarter (the rule the menu items use too), framed by the bar edge and one pixel
// of air on each side.

#include "common/Geometry.h"

namespace tolvane::uimodel {

inline constexpr int BarEdgeSize = 1;

int RowHeightForTextHeight(int textHeight);
int BarHeightForRowHeight(int rowHeight);
// The full width of the work area, starting at its top edge.
TRect DockedBarRect(const TRect& workArea, int barHeight);

}  // namespace tolvane::uimodel
