#pragma once

#include "platform/Shelllinks.h"

namespace tolvane::win32 {

// .lnk files through the shell-link object. Each call initialises COM for itself and runs with WOW64
// file-system redirection off, so a 32-bit process links to the real system folders.
class TShellLinks final : public platform::IShellLinks {
 public:
  [[nodiscard]] bool Create(const platform::TShellLink& link, std::u16string_view linkFile) override;
  platform::TSystemError LastError() const override { return Error; }

 private:
  platform::TSystemError Error;
};

}  // namespace tolvane::win32
