#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

enum class TRegistryRoot { LocalMachine, CurrentUser };

// Read-only registry access. Key paths use backslashes ("Software\\Clients\\StartMenuInternet").
class IRegistry {
 public:
  virtual ~IRegistry() = default;

  // Names of the direct sub-keys, in the order the registry enumerates them; nullopt when the key cannot be
  // opened.
  virtual std::optional<std::vector<std::u16string>> SubKeyNames(TRegistryRoot root,
                                                                 std::u16string_view keyPath) = 0;
  // A string value (REG_SZ, or REG_EXPAND_SZ unexpanded); an empty value name reads the key's default value.
  // nullopt when the key or value is missing or not a string.
  virtual std::optional<std::u16string> ReadString(TRegistryRoot root, std::u16string_view keyPath,
                                                   std::u16string_view valueName) = 0;
  virtual TSystemError LastError() const = 0;
};

}  // namespace tolvane::platform
