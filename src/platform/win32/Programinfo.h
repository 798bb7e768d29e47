#pragma once

#include "platform/Programinfo.h"

namespace tolvane::win32 {

class TProgramInfo final : public platform::IProgramInfo {
 public:
  std::u16string ExecutablePath() override;
  // From the fixed part of the version resource (VS_FIXEDFILEINFO), not from its string table.
  std::optional<std::u16string> FileVersion(std::u16string_view path) override;
  bool IsWow64() override;
};

}  // namespace tolvane::win32
