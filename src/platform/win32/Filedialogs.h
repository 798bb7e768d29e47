#pragma once

#include "platform/Filedialogs.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// GetOpenFileNameW and GetSaveFileNameW, Explorer style. The process's working folder is the same after the
// dialog as before, whichever folder the user browsed to.
class TFileDialogs final : public platform::IFileDialogs {
 public:
  [[nodiscard]] platform::TFileDialogResult OpenFile(const platform::TFileDialogRequest& request) override;
  [[nodiscard]] platform::TFileDialogResult SaveFile(const platform::TFileDialogRequest& request) override;
};

// The error of a failed dialog, from CommDlgExtendedError's code (those codes have no system message text).
platform::TSystemError FileDialogError(DWORD code);

}  // namespace tolvane::win32
