#include "Driver.h"

#include <algorithm>
#include <atomic>
#include <system_error>

namespace tolvane::e2e {

namespace {

constexpr DWORD kPollMs = 50;

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

struct TWindowSearch {
  DWORD ProcessId;
  const wchar_t* ClassName;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TWindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search.ProcessId && WindowClass(window) == search.ClassName)
    search.Found.push_back(window);
  return TRUE;
}

std::wstring CommandLine(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  std::wstring line = QuoteArgument(program);
  for (const std::wstring& argument : arguments)
    line += L' ' + QuoteArgument(argument);
  return line;
}

}  // namespace

void UsePhysicalPixels() {
  using TSetContext = BOOL(WINAPI*)(HANDLE);
  const auto setContext = reinterpret_cast<TSetContext>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (setContext == nullptr || setContext(perMonitorV2) == FALSE)
    ::SetProcessDPIAware();
}

std::wstring WindowsPath(std::string_view buildPath) {
  std::wstring path(buildPath.begin(), buildPath.end());
  if (!path.empty() && path.front() == L'/') {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    path.insert(0, L"Z:");
  }
  return path;
}

std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
    return argument;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count as escapes only in front of a quote.
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L'"';
}

TTempFolder::TTempFolder() {
  static std::atomic<unsigned> counter{0};
  const std::wstring name = L"tolvane-e2e-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                            std::to_wstring(::GetTickCount()) + L"-" + std::to_wstring(counter++);
  Folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(Folder);
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

TChildProcess::TChildProcess(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  std::wstring line = CommandLine(program, arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info) == FALSE) {
    ThrowLastError("Starting the program failed");
  }
  const win32::unique_handle thread(info.hThread);
  Process.reset(info.hProcess);
  ProcessId = info.dwProcessId;
}

TChildProcess::~TChildProcess() {
  Terminate();
}

bool TChildProcess::IsRunning() const {
  return Process && !WaitForExit(0);
}

bool TChildProcess::WaitForExit(DWORD timeoutMs) const {
  return !Process || ::WaitForSingleObject(Process.get(), timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> TChildProcess::ExitCode() const {
  DWORD code = 0;
  if (!Process || ::GetExitCodeProcess(Process.get(), &code) == FALSE || code == STILL_ACTIVE)
    return {};
  return code;
}

void TChildProcess::Terminate() {
  if (!IsRunning())
    return;
  ::TerminateProcess(Process.get(), 1);
  WaitForExit(5000);
}

HWND WaitForProcessWindow(const TChildProcess& process, const wchar_t* className, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    for (HWND window : ProcessWindows(process.Id(), className)) {
      if (::IsWindowVisible(window) != FALSE)
        return window;
    }
    if (!process.IsRunning() || ::GetTickCount() - start >= timeoutMs)
      return nullptr;
    ::Sleep(kPollMs);
  }
}

std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className) {
  TWindowSearch search{processId, className, {}};
  ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

std::wstring WindowCaption(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT WindowBounds(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  return bounds;
}

RECT WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

}  // namespace tolvane::e2e
