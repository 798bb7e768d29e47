#pragma once

#include "platform/Versionstrings.h"

namespace tolvane::win32 {

// Through the version functions: GetFileVersionInfoW and VerQueryValueW.
class TVersionStrings final : public platform::IVersionStrings {
 public:
  std::optional<std::u16string> Value(std::u16string_view path, std::u16string_view key) override;
};

}  // namespace tolvane::win32
