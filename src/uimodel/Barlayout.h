#pragma once
// Geometry of the main window in menu mode: a bar one menu row high, framed by the bar edge ("EdgeSize") and
// one pixel of air on each side, whose frame lies just above the work area's top edge so that only the row
// shows; the sizer strips at its ends; where icons sit in a row; which mode a height means.

#include "common/Geometry.h"

namespace tolvane::uimodel {

inline constexpr int BarEdgeSize = 1;
inline constexpr int IconSize = 16;

// The row height for a menu font's line height: the line plus a quarter of it.
int RowHeightForTextHeight(int textHeight);
// ItemHeight + 2 × (EdgeSize + 1).
int BarHeightForRowHeight(int rowHeight, int edgeSize = BarEdgeSize);
// The full width of the work area, starting at its top edge.
TRect DockedBarRect(const TRect& workArea, int barHeight);

// The window's top while the bar shows: the frame above the work area, −(EdgeSize + 1) from its top.
int ShownBarTop(int workAreaTop, int edgeSize);
// The window's top while the bar hides: its bottom on the work area's top edge.
int HiddenBarTop(int workAreaTop, int barHeight);
// max(EdgeSize + 1, 3 at 120 pixels per inch or more, else 2).
int SizerStripWidth(int edgeSize, int ppi);
// (ItemHeight − IconSize) / 2, truncated toward zero.
int IconTop(int itemHeight);
// IconTop limited to 3 … 7.
int IconMargin(int itemHeight);

// Editor mode is any height above 100 pixels; the auto-hide and stay-on-top handling stop above 200; the
// mouse wheel sizes the bar only up to 70.
bool IsEditorHeight(int height);
bool IsAutoHideHeight(int height);
bool IsWheelSizingHeight(int height);
// Whether the window's top lies above the middle of the work area: popups then open downwards.
bool IsDockedAtTop(int windowTop, const TRect& workArea);

// The bounds after one notch of the mouse wheel: 5 pixels an edge, by the modifier keys held.
TRect WheelResized(const TRect& bounds, bool wheelUp, bool ctrl, bool shift);

}  // namespace tolvane::uimodel
