#pragma once

#include "platform/Filedialogs.h"

namespace tolvane::portable {

// For a service set that has no user to ask: every dialog is answered as a user who cancels, the same way the
// stream message box answers as nobody clicking would.
class TUnattendedFileDialogs final : public platform::IFileDialogs {
 public:
  [[nodiscard]] platform::TFileDialogResult OpenFile(const platform::TFileDialogRequest&) override {
    return platform::TFileDialogResult::Cancelled();
  }
  [[nodiscard]] platform::TFileDialogResult SaveFile(const platform::TFileDialogRequest&) override {
    return platform::TFileDialogResult::Cancelled();
  }
};

}  // namespace tolvane::portable
