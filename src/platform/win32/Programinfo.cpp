#include "platform/win32/Programinfo.h"

#include <string>
#include <vector>

#include "platform/win32/Procaddress.h"
#include "platform/win32/Win.h"

// After Win.h, so the version headers see the same Windows configuration.
#include <winver.h>

namespace tolvane::win32 {

namespace {

// Windows XP SP2 and later.
using TIsWow64Process = BOOL(WINAPI*)(HANDLE process, PBOOL wow64);

constexpr DWORD FixedInfoSignature = 0xFEEF04BD;

std::u16string VersionText(DWORD mostSignificant, DWORD leastSignificant) {
  const std::wstring text =
      std::to_wstring(HIWORD(mostSignificant)) + L'.' + std::to_wstring(LOWORD(mostSignificant)) + L'.' +
      std::to_wstring(HIWORD(leastSignificant)) + L'.' + std::to_wstring(LOWORD(leastSignificant));
  return Narrow16(text);
}

}  // namespace

std::u16string TProgramInfo::ExecutablePath() {
  // The result is cut short without an error code on older systems, so grow until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow16(path);
    }
    path.resize(path.size() * 2);
  }
}

std::optional<std::u16string> TProgramInfo::FileVersion(std::u16string_view path) {
  const std::wstring file = Wide(path);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0)
    return std::nullopt;
  std::vector<BYTE> data(size);
  if (!::GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
    return std::nullopt;
  void* block = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data.data(), L"\\", &block, &length) || length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
  if (info->dwSignature != FixedInfoSignature)
    return std::nullopt;
  return VersionText(info->dwFileVersionMS, info->dwFileVersionLS);
}

bool TProgramInfo::IsWow64() {
  const auto isWow64Process = ProcAddress<TIsWow64Process>(L"kernel32.dll", "IsWow64Process");
  BOOL wow64 = FALSE;
  return isWow64Process != nullptr && isWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace tolvane::win32
