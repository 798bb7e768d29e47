#pragma once

#include "platform/Shell.h"

namespace tolvane::win32 {

// ShellExecuteW with the "open" verb.
class TShell final : public platform::IShell {
 public:
  [[nodiscard]] bool Open(const platform::TShellOpenRequest& request) override;
  platform::TSystemError LastError() const override { return Error; }

 private:
  platform::TSystemError Error;
};

}  // namespace tolvane::win32
