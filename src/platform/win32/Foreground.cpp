#include "platform/win32/Foreground.h"

#include <optional>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

namespace {

HWND ToHwnd(platform::TWindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

// Class names are limited to 256 characters.
constexpr int MaxClassNameLength = 257;

// Titles longer than this are cut; they only name the window in a message.
constexpr int MaxTitleLength = 512;

enum class TLevelQuery { Known, Denied, Unknown };

struct TIntegrity {
  TLevelQuery Query = TLevelQuery::Unknown;
  DWORD Level = 0;  // the mandatory label's relative id, e.g. SECURITY_MANDATORY_HIGH_RID
};

TIntegrity TokenIntegrity(HANDLE process) {
  HANDLE rawToken = nullptr;
  if (!::OpenProcessToken(process, TOKEN_QUERY, &rawToken))
    return {::GetLastError() == ERROR_ACCESS_DENIED ? TLevelQuery::Denied : TLevelQuery::Unknown, 0};
  const unique_handle token(rawToken);
  DWORD size = 0;
  (void)::GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL))
    return {};
  std::vector<BYTE> buffer(size);
  if (!::GetTokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), size, &size))
    return {};
  const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  const UCHAR count = *::GetSidSubAuthorityCount(sid);
  if (count == 0)
    return {};
  return {TLevelQuery::Known, *::GetSidSubAuthority(sid, count - 1)};
}

TIntegrity WindowIntegrity(HWND window) {
  DWORD processId = 0;
  if (::GetWindowThreadProcessId(window, &processId) == 0)
    return {};
  const unique_handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process)
    return {::GetLastError() == ERROR_ACCESS_DENIED ? TLevelQuery::Denied : TLevelQuery::Unknown, 0};
  return TokenIntegrity(process.get());
}

}  // namespace

platform::TWindowHandle TForegroundWindow::Get() {
  return reinterpret_cast<platform::TWindowHandle>(::GetForegroundWindow());
}

bool TForegroundWindow::Set(platform::TWindowHandle window) {
  return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

std::u16string TForegroundWindow::ClassName(platform::TWindowHandle window) {
  wchar_t name[MaxClassNameLength];
  const int length = ::GetClassNameW(ToHwnd(window), name, MaxClassNameLength);
  return Narrow16(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

bool TForegroundWindow::IsOwnWindow(platform::TWindowHandle window) {
  DWORD process = 0;
  if (::GetWindowThreadProcessId(ToHwnd(window), &process) == 0)
    return false;
  return process == ::GetCurrentProcessId();
}

bool TForegroundWindow::IsWindow(platform::TWindowHandle window) {
  return ::IsWindow(ToHwnd(window)) != FALSE;
}

std::u16string TForegroundWindow::Title(platform::TWindowHandle window) {
  wchar_t title[MaxTitleLength];
  const int length = ::GetWindowTextW(ToHwnd(window), title, MaxTitleLength);
  return Narrow16(std::wstring_view(title, length > 0 ? static_cast<std::size_t>(length) : 0));
}

platform::TInputAccess TForegroundWindow::InputAccess(platform::TWindowHandle window) {
  if (!IsWindow(window))
    return platform::TInputAccess::Gone;
  const TIntegrity target = WindowIntegrity(ToHwnd(window));
  // Only a process of higher rights keeps us from even looking at it.
  if (target.Query == TLevelQuery::Denied)
    return platform::TInputAccess::Refused;
  const TIntegrity own = TokenIntegrity(::GetCurrentProcess());
  if (target.Query == TLevelQuery::Known && own.Query == TLevelQuery::Known && target.Level > own.Level)
    return platform::TInputAccess::Refused;
  // A level that cannot be read is no reason to withhold the input.
  return platform::TInputAccess::Allowed;
}

}  // namespace tolvane::win32
