#include "platform/win32/Shell.h"

#include <string>

#include "platform/win32/Systemerror.h"
#include "platform/win32/Win.h"

// After Win.h, so the shell headers see the same Windows configuration.
#include <shellapi.h>

namespace tolvane::win32 {

namespace {

// ShellExecuteW reports failures as its own SE_ERR_ codes, not through GetLastError; the low ones already
// are system error codes.
DWORD ErrorFromShellResult(INT_PTR result) {
  switch (result) {
    case 0:
    case SE_ERR_OOM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE:
      return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
      return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND:
      return ERROR_DLL_NOT_FOUND;
    default:
      return static_cast<DWORD>(result);
  }
}

const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

bool TShell::Open(const platform::TShellOpenRequest& request) {
  const std::wstring file = Wide(request.File);
  const std::wstring parameters = Wide(request.Parameters);
  const std::wstring directory = Wide(request.Directory);
  const HINSTANCE instance =
      ::ShellExecuteW(reinterpret_cast<HWND>(request.Owner), L"open", file.c_str(), OrNull(parameters),
                      OrNull(directory), static_cast<int>(request.Show));
  const auto result = reinterpret_cast<INT_PTR>(instance);
  if (result > 32)
    return true;
  Error = SystemError(ErrorFromShellResult(result));
  return false;
}

}  // namespace tolvane::win32
