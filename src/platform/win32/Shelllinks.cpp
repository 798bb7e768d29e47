#include "platform/win32/Shelllinks.h"

#include <string>

#include "platform/win32/Comptr.h"
#include "platform/win32/Systemerror.h"
#include "platform/win32/Windowspath.h"
#include "platform/win32/Wow64redirect.h"

// After Win.h (through Comptr.h), so the shell headers see the same Windows configuration.
#include <shlobj.h>

namespace tolvane::win32 {
namespace {

// Spelled out rather than taken from the uuid library, which not every toolchain links by default.
constexpr CLSID ShellLinkClass = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID ShellLinkInterface = {
    0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID PersistFileInterface = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Each setter runs only while the previous ones succeeded; optional parts are left unset when empty.
HRESULT DescribeLink(IShellLinkW& shellLink, const platform::TShellLink& link) {
  HRESULT result = shellLink.SetPath(Wide(link.Target).c_str());
  if (SUCCEEDED(result) && !link.Arguments.empty())
    result = shellLink.SetArguments(Wide(link.Arguments).c_str());
  if (SUCCEEDED(result) && !link.Description.empty())
    result = shellLink.SetDescription(Wide(link.Description).c_str());
  if (SUCCEEDED(result) && !link.IconFile.empty())
    result = shellLink.SetIconLocation(Wide(link.IconFile).c_str(), link.IconIndex);
  return result;
}

HRESULT SaveLink(IShellLinkW& shellLink, std::u16string_view linkFile) {
  TComPtr<IPersistFile> persistFile;
  const HRESULT result = shellLink.QueryInterface(PersistFileInterface, persistFile.put());
  if (FAILED(result))
    return result;
  // FALSE: the link file does not become the object's current file.
  return persistFile->Save(ToWindowsPath(linkFile).c_str(), FALSE);
}

HRESULT WriteLink(const platform::TShellLink& link, std::u16string_view linkFile) {
  const TComApartment apartment;
  if (!apartment.Usable())
    return apartment.Status();
  const TWow64RedirectOff redirectionOff;
  TComPtr<IShellLinkW> shellLink;
  HRESULT result =
      ::CoCreateInstance(ShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, ShellLinkInterface, shellLink.put());
  if (SUCCEEDED(result))
    result = DescribeLink(*shellLink.get(), link);
  if (SUCCEEDED(result))
    result = SaveLink(*shellLink.get(), linkFile);
  return result;
}

}  // namespace

bool TShellLinks::Create(const platform::TShellLink& link, std::u16string_view linkFile) {
  const HRESULT result = WriteLink(link, linkFile);
  if (SUCCEEDED(result))
    return true;
  const auto code = static_cast<DWORD>(result);
  ::SetLastError(code);
  Error = SystemError(code);
  return false;
}

}  // namespace tolvane::win32
