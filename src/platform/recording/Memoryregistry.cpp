#include "platform/recording/Memoryregistry.h"

#include <algorithm>
#include <utility>

#include "platform/recording/Casefold.h"

namespace tolvane::recording {
namespace {

constexpr std::uint32_t ErrorFileNotFound = 2;
constexpr std::uint32_t ErrorUnsupportedType = 1630;

std::vector<std::u16string_view> SplitKeyPath(std::u16string_view keyPath) {
  std::vector<std::u16string_view> parts;
  while (!keyPath.empty()) {
    const std::size_t end = std::min(keyPath.find(u'\\'), keyPath.size());
    if (end > 0)
      parts.push_back(keyPath.substr(0, end));
    keyPath.remove_prefix(std::min(end + 1, keyPath.size()));
  }
  return parts;
}

template <typename TItem>
auto FindNamed(std::vector<TItem>& items, std::u16string_view name) {
  const std::u16string folded = FoldCase(name);
  return std::find_if(items.begin(), items.end(),
                      [&](const TItem& item) { return FoldCase(item.Name) == folded; });
}

}  // namespace

TMemoryRegistry::TKey& TMemoryRegistry::RootKey(platform::TRegistryRoot root) {
  return root == platform::TRegistryRoot::LocalMachine ? LocalMachine : CurrentUser;
}

TMemoryRegistry::TKey* TMemoryRegistry::FindKey(platform::TRegistryRoot root, std::u16string_view keyPath) {
  TKey* key = &RootKey(root);
  for (const std::u16string_view part : SplitKeyPath(keyPath)) {
    const auto found = FindNamed(key->SubKeys, part);
    if (found == key->SubKeys.end())
      return nullptr;
    key = &*found;
  }
  return key;
}

TMemoryRegistry::TKey& TMemoryRegistry::MakeKey(platform::TRegistryRoot root, std::u16string_view keyPath) {
  TKey* key = &RootKey(root);
  for (const std::u16string_view part : SplitKeyPath(keyPath)) {
    auto found = FindNamed(key->SubKeys, part);
    if (found == key->SubKeys.end()) {
      key->SubKeys.push_back(TKey{std::u16string(part), {}, {}});
      found = key->SubKeys.end() - 1;
    }
    key = &*found;
  }
  return *key;
}

void TMemoryRegistry::Fail(std::uint32_t code, std::u16string message) {
  Error = {code, std::move(message)};
}

std::optional<std::vector<std::u16string>> TMemoryRegistry::SubKeyNames(platform::TRegistryRoot root,
                                                                        std::u16string_view keyPath) {
  const TKey* key = FindKey(root, keyPath);
  if (key == nullptr) {
    Fail(ErrorFileNotFound, u"The system cannot find the file specified.");
    return std::nullopt;
  }
  std::vector<std::u16string> names;
  for (const TKey& subKey : key->SubKeys)
    names.push_back(subKey.Name);
  return names;
}

std::optional<std::u16string> TMemoryRegistry::ReadString(platform::TRegistryRoot root,
                                                          std::u16string_view keyPath,
                                                          std::u16string_view valueName) {
  TKey* key = FindKey(root, keyPath);
  if (key == nullptr) {
    Fail(ErrorFileNotFound, u"The system cannot find the file specified.");
    return std::nullopt;
  }
  const auto value = FindNamed(key->Values, valueName);
  if (value == key->Values.end()) {
    Fail(ErrorFileNotFound, u"The system cannot find the file specified.");
    return std::nullopt;
  }
  if (!value->Text) {
    Fail(ErrorUnsupportedType, u"Data of this type is not supported.");
    return std::nullopt;
  }
  return value->Text;
}

void TMemoryRegistry::AddKey(platform::TRegistryRoot root, std::u16string_view keyPath) {
  (void)MakeKey(root, keyPath);
}

void TMemoryRegistry::SetValue(platform::TRegistryRoot root, std::u16string_view keyPath,
                               std::u16string_view valueName, std::optional<std::u16string> text) {
  TKey& key = MakeKey(root, keyPath);
  const auto found = FindNamed(key.Values, valueName);
  if (found != key.Values.end()) {
    found->Text = std::move(text);
  } else {
    key.Values.push_back(TValue{std::u16string(valueName), std::move(text)});
  }
}

void TMemoryRegistry::SetString(platform::TRegistryRoot root, std::u16string_view keyPath,
                                std::u16string_view valueName, std::u16string_view value) {
  SetValue(root, keyPath, valueName, std::u16string(value));
}

void TMemoryRegistry::SetNonString(platform::TRegistryRoot root, std::u16string_view keyPath,
                                   std::u16string_view valueName) {
  SetValue(root, keyPath, valueName, std::nullopt);
}

}  // namespace tolvane::recording
