#include "Benchprocess.h"

#include <filesystem>
#include <utility>

namespace tolvane::bench {
namespace {

constexpr DWORD kPollMs = 2;

UINT ProbeMessage() {
  static const UINT message =
      ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(uimodel::ProbeMessageName));
  return message;
}

std::string Seconds(DWORD milliseconds) {
  return std::to_string(milliseconds / 1000) + "." + std::to_string(milliseconds % 1000 / 100) + " s";
}

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search.first && ::IsWindowVisible(window) != FALSE)
    search.second.push_back(window);
  return TRUE;
}

// What the process shows instead, such as a message box about the menu file.
std::string VisibleWindows(DWORD processId) {
  std::pair<DWORD, std::vector<HWND>> search{processId, {}};
  ::EnumWindows(&CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
  if (search.second.empty())
    return "; it shows no window at all";
  std::string list = "; it shows";
  for (HWND window : search.second) {
    list += " [" + Utf8(e2e::WindowClass(window)) + " \"" + Utf8(e2e::WindowCaption(window)) + "\"]";
  }
  return list;
}

}  // namespace

double MillisecondsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

const char* ProbeName(uimodel::TProbe probe) {
  using uimodel::TProbe;
  switch (probe) {
    case TProbe::MenuReady:
      return "MenuReady";
    case TProbe::ItemCount:
      return "ItemCount";
    case TProbe::MenuModified:
      return "MenuModified";
    case TProbe::EditorMode:
      return "EditorMode";
    case TProbe::HistoryEntry:
      return "HistoryEntry";
    case TProbe::MenuFileReadOnly:
      return "MenuFileReadOnly";
    case TProbe::DialogOpen:
      return "DialogOpen";
    case TProbe::LoadCount:
      return "LoadCount";
    case TProbe::BarHidden:
      return "BarHidden";
    case TProbe::PopupLevels:
      return "PopupLevels";
    case TProbe::HotRow:
      return "HotRow";
    case TProbe::KeyTargetLevel:
      return "KeyTargetLevel";
    case TProbe::EntryBounds:
      return "EntryBounds";
    case TProbe::RowCount:
      return "RowCount";
    case TProbe::TreeNodeCount:
      return "TreeNodeCount";
    default:
      // The names serve only the errors, which must not stop building when the program adds a query.
      return "(a newer probe)";
  }
}

std::string Utf8(std::wstring_view text) {
  if (text.empty())
    return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
  return bytes;
}

std::optional<LRESULT> AskProbe(HWND window, uimodel::TProbe probe, LPARAM lParam, DWORD timeoutMs) {
  DWORD_PTR answer = 0;
  if (::SendMessageTimeoutW(window, ProbeMessage(), static_cast<WPARAM>(probe), lParam, SMTO_NORMAL,
                            timeoutMs, &answer) == 0) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(answer);
}

void BringToFront(HWND window, DWORD deadlineMs) {
  const DWORD start = ::GetTickCount();
  ::SetForegroundWindow(window);
  while (::GetForegroundWindow() != window) {
    if (::GetTickCount() - start >= deadlineMs) {
      throw TBenchError("window [" + Utf8(e2e::WindowClass(window)) + "] did not come to the front within " +
                        Seconds(deadlineMs) + "; in front is [" +
                        Utf8(e2e::WindowClass(::GetForegroundWindow())) + "]");
    }
    ::Sleep(kPollMs);
  }
}

TProbedProgram::TProbedProgram(const std::wstring& program, const std::vector<std::wstring>& arguments,
                               std::wstring className)
    : Started(TClock::now()),
      Process(program, arguments),
      ClassName(std::move(className)),
      ProgramName(Utf8(std::filesystem::path(program).filename().wstring())) {}

double TProbedProgram::WaitUntilMenuReady(DWORD deadlineMs) {
  const DWORD start = ::GetTickCount();
  while (MainWindow == nullptr) {
    for (HWND window : e2e::ProcessWindows(Process.Id(), ClassName.c_str())) {
      if (::IsWindowVisible(window) != FALSE) {
        MainWindow = window;
        break;
      }
    }
    if (MainWindow != nullptr)
      break;
    ThrowWhenEnded("its main window");
    if (::GetTickCount() - start >= deadlineMs) {
      Fail("showed no visible top-level window of class " + Utf8(ClassName) + " within " +
           Seconds(deadlineMs) + VisibleWindows(Process.Id()));
    }
    ::Sleep(kPollMs);
  }
  WaitForProbe(
      uimodel::TProbe::MenuReady, [](LRESULT ready) { return ready == 1; }, "1",
      deadlineMs - std::min(deadlineMs, ::GetTickCount() - start));
  return MillisecondsSince(Started);
}

LRESULT TProbedProgram::WaitForProbe(uimodel::TProbe probe, const std::function<bool(LRESULT)>& accept,
                                     std::string_view expected, DWORD deadlineMs, LPARAM argument) {
  const DWORD start = ::GetTickCount();
  std::optional<LRESULT> last;
  bool answered = false;
  for (;;) {
    const DWORD left = deadlineMs - std::min(deadlineMs, ::GetTickCount() - start);
    last = AskProbe(MainWindow, probe, argument, std::max<DWORD>(1, std::min<DWORD>(left, 1000)));
    if (last && accept(*last))
      return *last;
    answered = answered || last.has_value();
    ThrowWhenEnded(std::string("probe ") + ProbeName(probe) + " to be " + std::string(expected));
    if (::GetTickCount() - start >= deadlineMs)
      break;
    ::Sleep(kPollMs);
  }
  std::string what = std::string("gave no answer to the probe ") + ProbeName(probe) +
                     (argument != 0 ? "(" + std::to_string(argument) + ")" : std::string()) + " = " +
                     std::string(expected) + " within " + Seconds(deadlineMs) + ": ";
  if (!answered)
    what += "the window did not process the probe message at all (busy or hung)";
  else if (last)
    what += "its last answer was " + std::to_string(*last);
  else
    what += "its last probe timed out";
  // DefWindowProc answers 0 to an unknown registered message, so a window that never answers anything else
  // looks exactly like one that is not ready yet.
  if (answered && *last == 0)
    what += " (0 is also what a window that does not handle \"Tolvane.Probe\" answers)";
  if (const auto dialog = AskProbe(MainWindow, uimodel::TProbe::DialogOpen, 0, 200); dialog && *dialog == 1)
    what += "; a modal dialog of the main window is open";
  Fail(what + VisibleWindows(Process.Id()));
}

LRESULT TProbedProgram::Probe(uimodel::TProbe probe, LPARAM argument) {
  return WaitForProbe(
      probe, [](LRESULT) { return true; }, "any value", 10000, argument);
}

void TProbedProgram::PostKey(WPARAM virtualKey, HWND window) {
  if (window == nullptr)
    window = MainWindow;
  const auto scanCode = static_cast<LPARAM>(::MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
  const LPARAM down = 1 | (scanCode << 16);
  const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
  if (::PostMessageW(window, WM_KEYDOWN, virtualKey, down) == FALSE ||
      ::PostMessageW(window, WM_KEYUP, virtualKey, up) == FALSE) {
    Fail("refused a posted key (error " + std::to_string(::GetLastError()) + ")");
  }
}

std::string TProbedProgram::ShownWindows() const {
  return VisibleWindows(Process.Id());
}

void TProbedProgram::Close(DWORD timeoutMs) {
  if (MainWindow == nullptr || ::PostMessageW(MainWindow, WM_CLOSE, 0, 0) == FALSE)
    Fail("has no main window to close");
  if (!Process.WaitForExit(timeoutMs))
    Fail("was still running " + Seconds(timeoutMs) + " after WM_CLOSE");
  if (const auto code = Process.ExitCode(); code != std::optional<DWORD>(0))
    Fail("ended with exit code " + std::to_string(code.value_or(0)) + " after WM_CLOSE");
}

void TProbedProgram::Fail(const std::string& what) const {
  throw TBenchError(ProgramName + " (process " + std::to_string(Process.Id()) + ") " + what);
}

void TProbedProgram::ThrowWhenEnded(std::string_view waitingFor) const {
  if (const auto code = Process.ExitCode())
    Fail("ended with exit code " + std::to_string(*code) + " while waiting for " + std::string(waitingFor));
}

}  // namespace tolvane::bench
