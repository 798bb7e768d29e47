#include "platform/win32/Versionstrings.h"

#include <string>
#include <vector>

#include "platform/win32/Win.h"
#include "platform/win32/Windowspath.h"

// After Win.h, so the version headers see the same Windows configuration.
#include <winver.h>

namespace tolvane::win32 {
namespace {

std::vector<BYTE> VersionBlock(const std::wstring& file) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &ignored);
  std::vector<BYTE> block(size);
  if (size == 0 || !::GetFileVersionInfoW(file.c_str(), 0, size, block.data()))
    block.clear();
  return block;
}

std::wstring Hex4(WORD value) {
  static constexpr wchar_t Digits[] = L"0123456789ABCDEF";
  std::wstring text(4, L'0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4)
    *digit = Digits[value & 0xF];
  return text;
}

// "\StringFileInfo\" + language and code page as eight hex digits + "\" + key, for the first translation.
std::optional<std::wstring> StringPath(std::vector<BYTE>& block, std::u16string_view key) {
  void* translations = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translations, &length) ||
      length < 2 * sizeof(WORD))
    return std::nullopt;
  const auto* first = static_cast<const WORD*>(translations);
  return L"\\StringFileInfo\\" + Hex4(first[0]) + Hex4(first[1]) + L"\\" + Wide(key);
}

}  // namespace

std::optional<std::u16string> TVersionStrings::Value(std::u16string_view path, std::u16string_view key) {
  std::vector<BYTE> block = VersionBlock(ToWindowsPath(path));
  if (block.empty())
    return std::nullopt;
  const std::optional<std::wstring> stringPath = StringPath(block, key);
  void* value = nullptr;
  UINT length = 0;
  if (!stringPath || !::VerQueryValueW(block.data(), stringPath->c_str(), &value, &length) ||
      value == nullptr)
    return std::nullopt;
  // The length counts characters, the terminator included where the resource stores one.
  const std::wstring_view text(static_cast<const wchar_t*>(value), length);
  return Narrow16(text.substr(0, text.find(L'\0')));
}

}  // namespace tolvane::win32
