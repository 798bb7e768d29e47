#pragma once
// Images compiled into the program (resources/Uiimages.rc) as PNG data.

#include "graphics/Qxbitmap.h"
#include "platform/Messagebox.h"
#include "platform/win32/Win.h"

namespace tolvane::ui {

// The resource name of a message box kind's 48 × 48 image.
const wchar_t* MsgKindImageName(platform::TMsgKind kind);

// Decodes the named RCDATA resource of the module; false (bitmap unchanged) when it is missing or not a
// valid PNG.
[[nodiscard]] bool LoadPngResource(HMODULE module, const wchar_t* name, graphics::TQxBitmap& bitmap);

}  // namespace tolvane::ui
