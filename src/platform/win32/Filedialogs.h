#pragma once

#include "platform/Filedialogs.h"

namespace tolvane::win32 {

// GetOpenFileNameW and GetSaveFileNameW, Explorer style. The process's working folder is the same after the
// dialog as before, whichever folder the user browsed to.
class TFileDialogs final : public platform::IFileDialogs {
 public:
  [[nodiscard]] platform::TFileDialogResult OpenFile(const platform::TFileDialogRequest& request) override;
  [[nodiscard]] platform::TFileDialogResult SaveFile(const platform::TFileDialogRequest& request) override;
};

}  // namespace tolvane::win32
