#pragma once
// The menu font the bar measures its row with. The row height comes from the system menu font at the DPI of
// the bar's monitor, not from SM_CYMENU: that metric follows the system DPI only and ignores a menu font the
// user enlarged, so the caption could be clipped. The geometry itself is uimodel/Barlayout.h.

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

// The user's menu font as it should look at the given DPI.
win32::unique_hfont CreateMenuFont(UINT dpi);

// Height of one line of text in the font (ascent + descent, no external leading).
int FontLineHeight(HFONT font);

}  // namespace tolvane::ui
