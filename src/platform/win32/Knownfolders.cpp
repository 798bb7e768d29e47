#include "platform/win32/Knownfolders.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Procaddress.h"
#include "platform/win32/Win.h"

// After Win.h, so the shell headers see the same Windows configuration.
#include <shlobj.h>

namespace tolvane::win32 {

namespace {

struct TFolderIds {
  GUID KnownFolderId;
  int Csidl;
};

TFolderIds IdsOf(platform::TKnownFolder folder) {
  switch (folder) {
    case platform::TKnownFolder::RoamingAppData:
      return {{0x3EB685DB, 0x65F9, 0x4CF6, {0xA0, 0x3A, 0xE3, 0xEF, 0x65, 0x72, 0x9F, 0x3D}}, CSIDL_APPDATA};
    case platform::TKnownFolder::Startup:
      return {{0xB97D20BB, 0xF46A, 0x4C97, {0xBA, 0x10, 0x5E, 0x36, 0x08, 0x43, 0x08, 0x54}}, CSIDL_STARTUP};
    case platform::TKnownFolder::Desktop:
      return {{0xB4BFCC3A, 0xDB2C, 0x424C, {0xB0, 0x29, 0x7F, 0xE9, 0x9A, 0x87, 0xC6, 0x41}}, CSIDL_DESKTOP};
    case platform::TKnownFolder::StartMenu:
      return {{0x625B53C3, 0xAB48, 0x4EC1, {0xBA, 0x1F, 0xA1, 0xEF, 0x41, 0x46, 0xFC, 0x19}},
              CSIDL_STARTMENU};
  }
  return {};
}

// Vista and later.
using TGetKnownFolderPath = HRESULT(WINAPI*)(const GUID& id, DWORD flags, HANDLE token, PWSTR* path);

std::u16string WithoutTrailingBackslash(std::wstring_view path) {
  while (!path.empty() && path.back() == L'\\')
    path.remove_suffix(1);
  return Narrow16(path);
}

// E_NOTIMPL asks for the CSIDL fallback, like a system without the function; any other failure is final.
std::optional<std::u16string> FromKnownFolder(TGetKnownFolderPath function, const GUID& id, HRESULT& result) {
  PWSTR path = nullptr;
  result = function(id, 0, nullptr, &path);
  const unique_cotaskmem<wchar_t> owner(path);  // freed even on failure
  if (FAILED(result) || path == nullptr)
    return std::nullopt;
  return WithoutTrailingBackslash(path);
}

std::optional<std::u16string> FromCsidl(int csidl) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &list)))
    return std::nullopt;
  const unique_cotaskmem<ITEMIDLIST> owner(list);
  wchar_t path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(list, path) || path[0] == L'\0')
    return std::nullopt;
  return WithoutTrailingBackslash(path);
}

}  // namespace

std::optional<std::u16string> TKnownFolders::Path(platform::TKnownFolder folder) {
  const TFolderIds ids = IdsOf(folder);
  const auto function = Api == TKnownFolderApi::Automatic
                            ? ProcAddress<TGetKnownFolderPath>(L"shell32.dll", "SHGetKnownFolderPath")
                            : nullptr;
  if (function != nullptr) {
    HRESULT result = S_OK;
    auto path = FromKnownFolder(function, ids.KnownFolderId, result);
    if (result != E_NOTIMPL)
      return path;
  }
  return FromCsidl(ids.Csidl);
}

}  // namespace tolvane::win32
