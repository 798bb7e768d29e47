#pragma once

#include "platform/Registry.h"

namespace tolvane::native {

// Linux has no registry: every read finds nothing.
class TNativeRegistry final : public platform::IRegistry {
 public:
  std::optional<std::vector<std::u16string>> SubKeyNames(platform::TRegistryRoot root,
                                                         std::u16string_view keyPath) override;
  std::optional<std::u16string> ReadString(platform::TRegistryRoot root, std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  platform::TSystemError LastError() const override { return Error; }

 private:
  platform::TSystemError Error;
};

}  // namespace tolvane::native
