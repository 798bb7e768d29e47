#pragma once

#include "platform/Versionstrings.h"

namespace tolvane::native {

// Executables carry no version resource natively. The running program answers for itself with the
// version-resource values the Windows build embeds.
class TNativeVersionStrings final : public platform::IVersionStrings {
 public:
  std::optional<std::u16string> Value(std::u16string_view path, std::u16string_view key) override;
};

}  // namespace tolvane::native
