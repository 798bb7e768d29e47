#pragma once
// Geometry of the menu bar in menu mode.
//
// The bar is one menu row high. The row height comes from the system menu font measured at the DPI of the
// bar's monitor (line height plus a quarter, the same rule the menu items use), not from SM_CYMENU: that
// metric follows the system DPI only and ignores a menu font the user enlarged, so the caption could be
// clipped. The row is framed by the bar edge (kEdgeSize) and one pixel of air on each side.

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

inline constexpr int kEdgeSize = 1;
inline constexpr UINT kDesignDpi = 96;

int RowHeightForTextHeight(int textHeight);
int BarHeightForRowHeight(int rowHeight);

// The full width of the work area, starting at its top edge.
RECT DockedBarRect(const RECT& workArea, int barHeight);

// Effective DPI of a monitor; the system DPI where the per-monitor query is not available.
UINT MonitorDpi(HMONITOR monitor);

// The user's menu font as it should look at the given DPI.
win32::unique_hfont CreateMenuFont(UINT dpi);

// Height of one line of text in the font (ascent + descent, no external leading).
int FontLineHeight(HFONT font);

// Work area of a monitor; the primary monitor's when the monitor is gone.
RECT MonitorWorkArea(HMONITOR monitor);

}  // namespace tolvane::ui
