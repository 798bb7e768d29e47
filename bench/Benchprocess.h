#pragma once
// Starting the program (or its baseline) for a benchmark and waiting on its main window's state through the
// probe message. Every wait has a deadline and ends in a TBenchError that says what was seen instead.

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Driver.h"
#include "uimodel/Uimessages.h"

namespace tolvane::bench {

class TBenchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start);
const char* ProbeName(uimodel::TProbe probe);
std::string Utf8(std::wstring_view text);

// The window's answer, or nullopt when it gave none within timeoutMs (busy, hung or gone).
std::optional<LRESULT> AskProbe(HWND window, uimodel::TProbe probe, LPARAM lParam = 0,
                                DWORD timeoutMs = 1000);
// Makes the window the foreground window and waits until the system says it is.
void BringToFront(HWND window, DWORD deadlineMs);

// One started program and its main window: the first visible top-level window of the class in the process.
class TProbedProgram {
 public:
  TProbedProgram(const std::wstring& program, const std::vector<std::wstring>& arguments,
                 std::wstring className);

  // Polls every few milliseconds for the window and then for MenuReady == 1; returns the milliseconds from
  // just before the process was created.
  double WaitUntilMenuReady(DWORD deadlineMs);
  // Polls the probe (with its argument) until accept takes the answer, which is returned. expected names the
  // awaited state in the error.
  LRESULT WaitForProbe(uimodel::TProbe probe, const std::function<bool(LRESULT)>& accept,
                       std::string_view expected, DWORD deadlineMs, LPARAM argument = 0);
  // The probe's answer now; a TBenchError when the window gives none.
  LRESULT Probe(uimodel::TProbe probe, LPARAM argument = 0);
  // A key press as the window (the main window when null) would get it from the keyboard, posted rather than
  // injected so that no other window can take it.
  void PostKey(WPARAM virtualKey, HWND window = nullptr);
  // The visible windows of the process, for an error that says what it shows instead.
  std::string ShownWindows() const;
  // Posts WM_CLOSE and waits for the process to end with exit code 0.
  void Close(DWORD timeoutMs);

  HWND Window() const { return MainWindow; }
  DWORD Id() const { return Process.Id(); }
  const std::string& Name() const { return ProgramName; }

 private:
  [[noreturn]] void Fail(const std::string& what) const;
  void ThrowWhenEnded(std::string_view waitingFor) const;

  TClock::time_point Started;  // before Process, so it is taken before the process is created
  e2e::TChildProcess Process;
  std::wstring ClassName;
  std::string ProgramName;
  HWND MainWindow = nullptr;
};

}  // namespace tolvane::bench
