#include "platform/win32/Systemerror.h"

#include "platform/win32/Handles.h"

namespace tolvane::win32 {

platform::TSystemError SystemError(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  const unique_hlocal owner(buffer);
  std::wstring_view text(buffer != nullptr ? buffer : L"", length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.remove_suffix(1);
  return {code, Narrow16(text)};
}

platform::TSystemError LastSystemError() {
  return SystemError(::GetLastError());
}

}  // namespace tolvane::win32
