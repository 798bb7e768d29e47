#include "platform/win32/Windowspath.h"

#include <algorithm>

namespace tolvane::win32 {

namespace {

constexpr std::wstring_view LongPrefix = L"\\\\?\\";
constexpr std::wstring_view LongUncPrefix = L"\\\\?\\UNC\\";
constexpr std::wstring_view UncPrefix = L"\\\\";

bool IsDriveLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// "X:" or "X:\" at the start of the text.
std::size_t DriveLength(std::wstring_view path) {
  if (path.size() < 2 || !IsDriveLetter(path[0]) || path[1] != L':')
    return 0;
  return path.size() > 2 && path[2] == L'\\' ? 3 : 2;
}

// "server\share\" after a UNC prefix.
std::size_t ShareLength(std::wstring_view rest) {
  const std::size_t serverEnd = rest.find(L'\\');
  if (serverEnd == std::wstring_view::npos)
    return rest.size();
  const std::size_t shareEnd = rest.find(L'\\', serverEnd + 1);
  return shareEnd == std::wstring_view::npos ? rest.size() : shareEnd + 1;
}

}  // namespace

std::wstring ToWindowsPath(std::u16string_view path) {
  std::wstring result(path.begin(), path.end());
  std::replace(result.begin(), result.end(), L'/', L'\\');
  return result;
}

std::size_t RootLength(std::wstring_view path) {
  if (path.starts_with(LongUncPrefix))
    return LongUncPrefix.size() + ShareLength(path.substr(LongUncPrefix.size()));
  if (path.starts_with(LongPrefix))
    return LongPrefix.size() + DriveLength(path.substr(LongPrefix.size()));
  if (path.starts_with(UncPrefix))
    return UncPrefix.size() + ShareLength(path.substr(UncPrefix.size()));
  if (const std::size_t drive = DriveLength(path); drive > 0)
    return drive;
  return path.starts_with(L'\\') ? 1 : 0;
}

}  // namespace tolvane::win32
