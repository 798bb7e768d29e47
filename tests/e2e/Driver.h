#pragma once
// Driving tolvane.exe from a test: start it as a child process, find its windows, stop it. A child that is
// still running when its owner goes out of scope is terminated, so a failing test leaves no process behind.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"

namespace tolvane::e2e {

// Makes this process see the same pixel coordinates as a per-monitor aware program.
void UsePhysicalPixels();

// A build-tree path as the child sees it. Wine maps the Linux root to drive Z:; Windows paths pass unchanged.
std::wstring WindowsPath(std::string_view buildPath);

// One argument quoted for CreateProcessW so that CommandLineToArgvW gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);

// A fresh folder under the user's temp folder, removed with everything in it at the end of the scope.
class TTempFolder {
 public:
  TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();

  const std::filesystem::path& Path() const { return Folder; }
  std::filesystem::path File(std::wstring_view name) const { return Folder / name; }

 private:
  std::filesystem::path Folder;
};

class TChildProcess {
 public:
  // Throws std::system_error when the program cannot be started.
  TChildProcess(const std::wstring& program, const std::vector<std::wstring>& arguments);
  TChildProcess(TChildProcess&&) = default;
  TChildProcess& operator=(TChildProcess&&) = default;
  ~TChildProcess();

  DWORD Id() const { return ProcessId; }
  bool IsRunning() const;
  // True when the process ended within the time.
  bool WaitForExit(DWORD timeoutMs) const;
  // Nullopt while it still runs.
  std::optional<DWORD> ExitCode() const;
  void Terminate();

 private:
  win32::unique_handle Process;
  DWORD ProcessId = 0;
};

// The first visible top-level window of the class that belongs to the process; null when none appears within
// the time or the process ends first.
HWND WaitForProcessWindow(const TChildProcess& process, const wchar_t* className, DWORD timeoutMs);

// All top-level windows of the class that belong to the process, visible or not.
std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className);

std::wstring WindowClass(HWND window);
std::wstring WindowCaption(HWND window);
RECT WindowBounds(HWND window);
RECT WorkAreaOf(HWND window);

}  // namespace tolvane::e2e
