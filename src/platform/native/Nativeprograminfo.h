#pragma once

#include "platform/Programinfo.h"

namespace tolvane::native {

// Executables carry no version resource natively; the running program knows its own version from the build.
class TNativeProgramInfo final : public platform::IProgramInfo {
 public:
  std::u16string ExecutablePath() override;
  std::optional<std::u16string> FileVersion(std::u16string_view path) override;
  bool IsWow64() override { return false; }
};

}  // namespace tolvane::native
