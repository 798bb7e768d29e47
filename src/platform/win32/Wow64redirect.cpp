#include "platform/win32/Wow64redirect.h"

#include "platform/win32/Procaddress.h"

namespace tolvane::win32 {
namespace {

using TIsWow64Process = BOOL(WINAPI*)(HANDLE process, PBOOL wow64);
using TDisableRedirection = BOOL(WINAPI*)(PVOID* oldValue);
using TRevertRedirection = BOOL(WINAPI*)(PVOID oldValue);

struct TRedirectionFunctions {
  TDisableRedirection Disable = nullptr;
  TRevertRedirection Revert = nullptr;
};

// Looked up once per process, and only under WOW64: elsewhere the functions exist but have nothing to do.
const TRedirectionFunctions& RedirectionFunctions() {
  static const TRedirectionFunctions functions = [] {
    const auto isWow64Process = ProcAddress<TIsWow64Process>(L"kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    if (isWow64Process == nullptr || !isWow64Process(::GetCurrentProcess(), &wow64) || !wow64)
      return TRedirectionFunctions{};
    return TRedirectionFunctions{
        ProcAddress<TDisableRedirection>(L"kernel32.dll", "Wow64DisableWow64FsRedirection"),
        ProcAddress<TRevertRedirection>(L"kernel32.dll", "Wow64RevertWow64FsRedirection")};
  }();
  return functions;
}

}  // namespace

TWow64RedirectOff::TWow64RedirectOff() {
  const TRedirectionFunctions& functions = RedirectionFunctions();
  if (functions.Disable != nullptr && functions.Revert != nullptr)
    Switched = functions.Disable(&OldValue) != FALSE;
}

TWow64RedirectOff::~TWow64RedirectOff() {
  if (Switched)
    RedirectionFunctions().Revert(OldValue);
}

}  // namespace tolvane::win32
