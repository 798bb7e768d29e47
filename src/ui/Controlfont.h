#pragma once
// Fonts for the common controls, sized for the window's scale.

#include <string_view>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "uimodel/Scale.h"

namespace tolvane::ui {

// The system's message font at the scale, which every control gets when it is created. One font per scale,
// kept until the program ends.
HFONT ControlFont(const uimodel::TScale& scale);

// A font by family name and size in points at the scale, for the code and settings fonts.
win32::unique_hfont CreatePointFont(std::u16string_view family, int points, bool bold,
                                    const uimodel::TScale& scale);

}  // namespace tolvane::ui
