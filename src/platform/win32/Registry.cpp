#include "platform/win32/Registry.h"

#include <algorithm>

#include "platform/win32/Systemerror.h"

namespace tolvane::win32 {

namespace {

// Key names are at most 255 characters.
constexpr DWORD MaxKeyNameLength = 256;

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// The value's bytes as text up to the first zero; values stored without their terminator or with an odd byte
// count are common enough that neither may be relied on.
std::u16string TextFromBytes(const std::wstring& buffer, DWORD bytes) {
  const std::wstring_view text(buffer.data(), std::min<std::size_t>(bytes / sizeof(wchar_t), buffer.size()));
  return Narrow16(text.substr(0, text.find(L'\0')));
}

}  // namespace

std::optional<std::vector<std::u16string>> TRegistry::SubKeyNames(platform::TRegistryRoot root,
                                                                  std::u16string_view keyPath) {
  const unique_hkey key = OpenKey(root, keyPath);
  if (!key)
    return std::nullopt;
  std::vector<std::u16string> names;
  wchar_t name[MaxKeyNameLength];
  for (DWORD index = 0;; ++index) {
    DWORD length = MaxKeyNameLength;
    const LSTATUS status =
        ::RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS)
      return names;
    if (status != ERROR_SUCCESS) {
      Fail(status);
      return std::nullopt;
    }
    names.push_back(Narrow16(std::wstring_view(name, length)));
  }
}

std::optional<std::u16string> TRegistry::ReadString(platform::TRegistryRoot root, std::u16string_view keyPath,
                                                    std::u16string_view valueName) {
  const unique_hkey key = OpenKey(root, keyPath);
  if (!key)
    return std::nullopt;
  return QueryString(key.get(), Wide(valueName));
}

std::optional<std::u16string> TRegistry::QueryString(HKEY key, const std::wstring& valueName) {
  DWORD type = 0;
  DWORD bytes = 0;
  LSTATUS status = ::RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &bytes);
  std::wstring buffer;
  // The value can grow between asking for its size and reading it; then ask again.
  while (status == ERROR_SUCCESS && IsStringType(type)) {
    buffer.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD read = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    status = ::RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(buffer.data()), &read);
    if (status == ERROR_SUCCESS && IsStringType(type))
      return TextFromBytes(buffer, read);
    if (status == ERROR_MORE_DATA)
      status = ERROR_SUCCESS;
    bytes = read;
  }
  Fail(status != ERROR_SUCCESS ? status : ERROR_UNSUPPORTED_TYPE);
  return std::nullopt;
}

unique_hkey TRegistry::OpenKey(platform::TRegistryRoot root, std::u16string_view keyPath) {
  const HKEY rootKey = root == platform::TRegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  HKEY key = nullptr;
  const LSTATUS status = ::RegOpenKeyExW(rootKey, Wide(keyPath).c_str(), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) {
    Fail(status);
    return unique_hkey();
  }
  return unique_hkey(key);
}

void TRegistry::Fail(LSTATUS status) {
  Error = SystemError(static_cast<DWORD>(status));
}

}  // namespace tolvane::win32
