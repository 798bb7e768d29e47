#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace tolvane::recording {

// A registry tree filled by the test. Key and value names compare ignoring case; sub-keys enumerate in the
// order they were added.
class TMemoryRegistry final : public platform::IRegistry {
 public:
  std::optional<std::vector<std::u16string>> SubKeyNames(platform::TRegistryRoot root,
                                                         std::u16string_view keyPath) override;
  std::optional<std::u16string> ReadString(platform::TRegistryRoot root, std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  platform::TSystemError LastError() const override { return Error; }

  // Creates the key and its missing parents.
  void AddKey(platform::TRegistryRoot root, std::u16string_view keyPath);
  void SetString(platform::TRegistryRoot root, std::u16string_view keyPath, std::u16string_view valueName,
                 std::u16string_view value);
  // A value of a non-string type (a number, binary data), which ReadString refuses.
  void SetNonString(platform::TRegistryRoot root, std::u16string_view keyPath, std::u16string_view valueName);

 private:
  struct TValue {
    std::u16string Name;
    std::optional<std::u16string> Text;  // nullopt for non-string values
  };
  struct TKey {
    std::u16string Name;
    std::vector<TKey> SubKeys;
    std::vector<TValue> Values;
  };

  TKey& RootKey(platform::TRegistryRoot root);
  TKey* FindKey(platform::TRegistryRoot root, std::u16string_view keyPath);
  TKey& MakeKey(platform::TRegistryRoot root, std::u16string_view keyPath);
  void SetValue(platform::TRegistryRoot root, std::u16string_view keyPath, std::u16string_view valueName,
                std::optional<std::u16string> text);
  void Fail(std::uint32_t code, std::u16string message);

  TKey LocalMachine;
  TKey CurrentUser;
  platform::TSystemError Error;
};

}  // namespace tolvane::recording
