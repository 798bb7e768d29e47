#pragma once

#include "platform/Registry.h"
#include "platform/win32/Handles.h"

namespace tolvane::win32 {

// Read-only registry access (KEY_READ) under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
class TRegistry final : public platform::IRegistry {
 public:
  std::optional<std::vector<std::u16string>> SubKeyNames(platform::TRegistryRoot root,
                                                         std::u16string_view keyPath) override;
  std::optional<std::u16string> ReadString(platform::TRegistryRoot root, std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  platform::TSystemError LastError() const override { return Error; }

 private:
  unique_hkey OpenKey(platform::TRegistryRoot root, std::u16string_view keyPath);
  std::optional<std::u16string> QueryString(HKEY key, const std::wstring& valueName);
  void Fail(LSTATUS status);

  platform::TSystemError Error;
};

}  // namespace tolvane::win32
