#pragma once

#include <string>
#include <utility>

#include "platform/Shell.h"

namespace tolvane::native {

// Opens files and URLs with the desktop's opener program, started detached. The opener takes only the file,
// so the request's parameters, folder and show state are not passed on.
class TNativeShell final : public platform::IShell {
 public:
  explicit TNativeShell(std::string opener = "xdg-open") : Opener(std::move(opener)) {}

  [[nodiscard]] bool Open(const platform::TShellOpenRequest& request) override;
  platform::TSystemError LastError() const override { return Error; }

 private:
  std::string Opener;
  platform::TSystemError Error;
};

}  // namespace tolvane::native
