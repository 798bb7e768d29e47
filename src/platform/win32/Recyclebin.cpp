#include "platform/win32/Recyclebin.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/Windowspath.h"

namespace tolvane::win32 {
namespace {

using platform::TRecycleResult;

// The shell ignores FOF_ALLOWUNDO for a relative path, so the path is made full first; the "\\?\" form is
// dropped, as the shell's file operations do not take it.
std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0)
      return {};
    if (length < full.size()) {
      full.resize(length);
      break;
    }
    full.resize(length);
  }
  constexpr std::wstring_view LongUnc = L"\\\\?\\UNC\\";
  constexpr std::wstring_view Long = L"\\\\?\\";
  if (full.starts_with(LongUnc))
    return L"\\\\" + full.substr(LongUnc.size());
  if (full.starts_with(Long) && full.size() > Long.size() + 1 && full[Long.size() + 1] == L':')
    return full.substr(Long.size());
  return full;
}

// Removable and network drives have no bin of their own; a folder redirected to a share may, but there the
// caller merely asks once too often.
bool HasRecycleBin(const std::wstring& fullPath) {
  const std::wstring root = fullPath.substr(0, RootLength(fullPath));
  if (::GetDriveTypeW(root.c_str()) != DRIVE_FIXED)
    return false;
  SHQUERYRBINFO bin{};
  bin.cbSize = sizeof bin;
  return SUCCEEDED(::SHQueryRecycleBinW(root.c_str(), &bin));
}

// SHFileOperationW reports some failures with numbers of its own that mean unrelated things as system error
// codes; those that a single file's deletion can give become the matching system codes.
DWORD SystemCodeOf(int result) {
  switch (result) {
    case 0x75:  // cancelled
      return ERROR_CANCELLED;
    case 0x78:  // access denied to the source
      return ERROR_ACCESS_DENIED;
    case 0x79:  // path too deep
    case 0x81:  // name too long
    case 0xB7:  // path longer than MAX_PATH
      return ERROR_FILENAME_EXCED_RANGE;
    case 0x7C:   // invalid source
    case 0x402:  // unknown, usually an invalid path
      return ERROR_PATH_NOT_FOUND;
    default:
      return static_cast<DWORD>(result);
  }
}

}  // namespace

TRecycleOutcome MoveToRecycleBin(std::u16string_view path) {
  const std::wstring full = FullPath(ToWindowsPath(path));
  if (full.empty())
    return {TRecycleResult::Failed, ::GetLastError()};
  if (full.size() >= MAX_PATH)
    return {TRecycleResult::Failed, ERROR_FILENAME_EXCED_RANGE};
  const DWORD attributes = ::GetFileAttributesW(full.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return {TRecycleResult::Failed, ::GetLastError()};
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return {TRecycleResult::Failed, ERROR_ACCESS_DENIED};
  if (!HasRecycleBin(full))
    return {TRecycleResult::NoRecycleBin, ERROR_SUCCESS};

  std::wstring files = full;
  files.push_back(L'\0');  // the list ends with an empty name; c_str() adds its terminator
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = files.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  const int result = ::SHFileOperationW(&operation);
  if (result != 0)
    return {TRecycleResult::Failed, SystemCodeOf(result)};
  if (operation.fAnyOperationsAborted)
    return {TRecycleResult::Failed, ERROR_CANCELLED};
  return {TRecycleResult::Recycled, ERROR_SUCCESS};
}

}  // namespace tolvane::win32
