// Pick soak: picks in a row from a popup of tolvane.exe's bar by key, alternating two text clips and a
// keystroke macro, into a multi-line edit control of this process that the program's foreground history makes
// the paste target. Each pick waits until the target's text has grown by what the pick adds; at the end the
// whole text is read back as picks (wrong, missing and doubled ones counted) and no modifier key may be down.
// The program starts on a new settings file, so auto-hide is on and the bar hides whenever the target is in
// front. Under Wine it needs a virtual desktop, which scripts/bench gives it.
//
// tolvane_bench_picksoak [--picks N] [--deadline SECONDS] [--tolvane EXE]

#include <atomic>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "Benchprocess.h"
#include "Benchstats.h"
#include "Picktally.h"
#include "Windowthread.h"

namespace {

using tolvane::bench::TBenchError;
using tolvane::bench::TProbedProgram;
using tolvane::uimodel::TProbe;

constexpr DWORD kExitTimeoutMs = 30000;
constexpr DWORD kStepDeadlineMs = 10000;  // for the menus' answer to one key, and for one pick's text
constexpr DWORD kKeyReleaseDeadlineMs = 2000;
constexpr int kProgressEvery = 100;
constexpr int kSilentPicksToGiveUp = 3;
constexpr wchar_t kTargetClass[] = L"TolvanePickTarget";

// What each kind of pick adds to the target, in the order of the folder's rows; none is a prefix of another,
// so the target's text reads back as picks without doubt.
const std::vector<std::u16string> kPickTexts{u"alpha-clip;", u"bravo-clip;", u"zulu-macro\r\n"};
const char* const kPickNames[] = {"clip A", "clip B", "macro"};

// The bar's second entry, after the program's own, is a folder with one row per kind of pick.
constexpr char kMenu[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<TolvaneDataFile ver=\"1.0.0.1\">\r\n"
    "  <Name>Pick soak</Name>\r\n"
    "  <Item Type=\"2\" Img=\"-1\">\r\n"
    "    <Name>Picks</Name>\r\n"
    "    <Item Type=\"0\" Img=\"-1\"><Name>Alpha</Name><Code>alpha-clip;</Code></Item>\r\n"
    "    <Item Type=\"0\" Img=\"-1\"><Name>Bravo</Name><Code>bravo-clip;</Code></Item>\r\n"
    "    <Item Type=\"6\" Img=\"-1\"><Name>Zulu</Name><KeyMacro>zulu-macro\\0D\\0v</KeyMacro></Item>\r\n"
    "  </Item>\r\n"
    "</TolvaneDataFile>\r\n";
constexpr LRESULT kMenuItems = 4;
constexpr WPARAM kFolderKey = '2';

struct TOptions {
  std::wstring Tolvane = tolvane::e2e::WindowsPath(TOLVANE_EXE);
  int Picks = 1000;
  DWORD DeadlineMs = 60000;
};

bool ParseOptions(int argc, wchar_t** argv, TOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const wchar_t* value = argv[i + 1];
    if (name == L"--picks")
      options.Picks = std::max(1, static_cast<int>(std::wcstol(value, nullptr, 10)));
    else if (name == L"--deadline")
      options.DeadlineMs = static_cast<DWORD>(std::max(1L, std::wcstol(value, nullptr, 10))) * 1000;
    else if (name == L"--tolvane")
      options.Tolvane = value;
    else
      return false;
  }
  return argc % 2 == 1;
}

// The target: a top-level window filled by a multi-line edit control that takes the keyboard whenever the
// window does, as an editor would. The edit control's length is kept as it changes, so that waiting for a
// pick's text sends the target's thread nothing while the pasted keys arrive.
struct TTarget {
  HWND Window = nullptr;
  HWND Edit = nullptr;
  std::atomic<std::size_t> Length{0};
  tolvane::win32::unique_handle Changed{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
};

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* target = reinterpret_cast<TTarget*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      ::SetWindowLongPtrW(
          window, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_SETFOCUS:
      if (target->Edit != nullptr)
        ::SetFocus(target->Edit);
      return 0;
    case WM_SIZE:
      if (target->Edit != nullptr)
        ::MoveWindow(target->Edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE && target->Edit != nullptr) {
        target->Length.store(static_cast<std::size_t>(::GetWindowTextLengthW(target->Edit)));
        ::SetEvent(target->Changed.get());
      }
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// What the target's thread received, pick by pick: key and character messages as its loop takes them, with
// the Ctrl state the edit control then sees, and the activation and focus changes. For a wrong pick it tells
// whether the paste keystroke arrived whole and where.
class TTargetLog {
 public:
  // On the target's thread, whose messages the hooks then see.
  void Install() {
    Active = this;
    ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId());
    ::SetWindowsHookExW(WH_CALLWNDPROC, &CallWndProcHook, nullptr, ::GetCurrentThreadId());
  }
  void SetPick(int pick) { Pick.store(pick); }
  void SetEdit(HWND edit) { Edit = edit; }

  std::string Describe(int pick) const {
    const std::lock_guard<std::mutex> lock(Mutex);
    std::string text;
    for (const TRecord& record : Records) {
      if (record.Pick != pick)
        continue;
      char entry[64];
      std::snprintf(entry, sizeof(entry), "%s%s %#x%s%s", text.empty() ? "" : " | ", Name(record.Message),
                    static_cast<unsigned>(record.Value), record.ToEdit ? " edit" : "",
                    record.CtrlDown ? " +ctrl" : "");
      text += entry;
    }
    return text.empty() ? "nothing" : text;
  }

 private:
  struct TRecord {
    int Pick;
    UINT Message;
    WPARAM Value;
    bool ToEdit;
    bool CtrlDown;
  };

  static const char* Name(UINT message) {
    switch (message) {
      case WM_KEYDOWN:
        return "KEYDOWN";
      case WM_KEYUP:
        return "KEYUP";
      case WM_SYSKEYDOWN:
        return "SYSKEYDOWN";
      case WM_SYSKEYUP:
        return "SYSKEYUP";
      case WM_CHAR:
        return "CHAR";
      case WM_ACTIVATE:
        return "ACTIVATE";
      case WM_SETFOCUS:
        return "SETFOCUS";
      case WM_KILLFOCUS:
        return "KILLFOCUS";
      default:
        return "MESSAGE";
    }
  }

  // The Ctrl state is read only while a key message is being handled: Wine may bring a thread's key state in
  // line with the system's whenever it is asked for it between input messages.
  void Add(HWND window, UINT message, WPARAM value, bool keyMessage) {
    const bool ctrl = keyMessage && (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const std::lock_guard<std::mutex> lock(Mutex);
    Records.push_back({Pick.load(), message, value, window == Edit, ctrl});
  }

  static LRESULT CALLBACK GetMessageHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && message->message >= WM_KEYFIRST &&
        message->message <= WM_KEYLAST)
      Active->Add(message->hwnd, message->message, message->wParam, true);
    return ::CallNextHookEx(nullptr, code, removed, lParam);
  }

  static LRESULT CALLBACK CallWndProcHook(int code, WPARAM sent, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && (message->message == WM_ACTIVATE || message->message == WM_SETFOCUS ||
                              message->message == WM_KILLFOCUS))
      Active->Add(message->hwnd, message->message, message->wParam, false);
    return ::CallNextHookEx(nullptr, code, sent, lParam);
  }

  static inline TTargetLog* Active = nullptr;
  std::atomic<int> Pick{-1};
  HWND Edit = nullptr;
  mutable std::mutex Mutex;
  std::vector<TRecord> Records;
};

// On the target's own thread. Placed well below the bar and its popups, which it must not overlap.
void CreateTarget(TTarget& target, TTargetLog& log) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &TargetProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kTargetClass;
  if (::RegisterClassExW(&windowClass) == 0)
    throw TBenchError("cannot register the target's window class");
  target.Window = ::CreateWindowExW(0, kTargetClass, L"Pick target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                    400, 640, 400, nullptr, nullptr, instance, &target);
  if (target.Window == nullptr)
    throw TBenchError("cannot create the target window");
  RECT client{};
  ::GetClientRect(target.Window, &client);
  target.Edit =
      ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0,
                        0, client.right, client.bottom, target.Window, nullptr, instance, nullptr);
  if (target.Edit == nullptr)
    throw TBenchError("cannot create the target's edit control");
  // The default limit of about 32,000 characters would cut a long soak short.
  ::SendMessageW(target.Edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  ::SetFocus(target.Edit);
  log.SetEdit(target.Edit);
  log.Install();
}

std::u16string Text(HWND edit) {
  std::wstring text(static_cast<std::size_t>(::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return std::u16string(text.begin(), text.end());
}

// Readable on one line: line breaks and other control characters as escapes.
std::string Shown(std::u16string_view text) {
  std::wstring shown;
  for (const char16_t c : text) {
    if (c == u'\r')
      shown += L"\\r";
    else if (c == u'\n')
      shown += L"\\n";
    else if (c < u' ')
      shown += L"\\x" + std::to_wstring(static_cast<int>(c));
    else
      shown += static_cast<wchar_t>(c);
  }
  return "\"" + tolvane::bench::Utf8(shown) + "\"";
}

class TPickSoak {
 public:
  TPickSoak(TProbedProgram& program, HWND panel, TTarget& target)
      : Program(program), Panel(panel), Target(target) {}

  // One pick of the folder's row by key; returns how much the target's text grew within the deadline.
  std::size_t Pick(int row) {
    CloseMenus();
    if (::GetForegroundWindow() != Program.Window())
      tolvane::bench::BringToFront(Program.Window(), kStepDeadlineMs);
    const std::size_t before = Target.Length.load();
    try {
      OpenRow(row);
    } catch (const TBenchError& error) {
      throw TBenchError(error.what() + MenuState());
    }
    Program.PostKey(VK_RETURN, Panel);
    return WaitForGrowth(before, kPickTexts[static_cast<std::size_t>(row)].size());
  }

 private:
  // What the menus show now, for an error.
  std::string MenuState() const {
    const auto ask = [this](TProbe probe, LPARAM argument = 0) {
      const auto answer = tolvane::bench::AskProbe(Program.Window(), probe, argument);
      return answer ? std::to_string(*answer) : std::string("none");
    };
    return "; the bar's hot entry is " + ask(TProbe::HotRow) + ", popups shown " + ask(TProbe::PopupLevels) +
           ", keys go to level " + ask(TProbe::KeyTargetLevel) + ", in front is [" +
           tolvane::bench::Utf8(tolvane::e2e::WindowClass(::GetForegroundWindow())) + "]";
  }

  // A pick that timed out may have left its popup open, which would take the next pick's keys.
  void CloseMenus() {
    if (Program.Probe(TProbe::PopupLevels) == 0)
      return;
    Program.PostKey(VK_ESCAPE, Panel);
    Program.WaitForProbe(
        TProbe::PopupLevels, [](LRESULT levels) { return levels == 0; }, "0 after Esc", kStepDeadlineMs);
  }

  // The folder's entry opens its popup, Down takes the keys into it on the first row, a digit moves to the
  // row. Each key waits for the menus' answer: the bar forwards keys by posting, so a key sent before the
  // last one was handled would reach the wrong window.
  void OpenRow(int row) {
    Program.PostKey(kFolderKey, Panel);
    Program.WaitForProbe(
        TProbe::PopupLevels, [](LRESULT levels) { return levels == 1; }, "1 after the folder's key",
        kStepDeadlineMs);
    Program.PostKey(VK_DOWN, Panel);
    Program.WaitForProbe(
        TProbe::KeyTargetLevel, [](LRESULT level) { return level == 1; }, "1 after Down", kStepDeadlineMs);
    if (row > 0) {
      Program.PostKey('1' + static_cast<WPARAM>(row), Panel);
      Program.WaitForProbe(
          TProbe::HotRow, [row](LRESULT hot) { return hot == row; }, std::to_string(row) + " after its digit",
          kStepDeadlineMs, 1);
    }
  }

  std::size_t WaitForGrowth(std::size_t before, std::size_t length) {
    const DWORD start = ::GetTickCount();
    for (;;) {
      const std::size_t now = Target.Length.load();
      const DWORD waited = ::GetTickCount() - start;
      if (now >= before + length || waited >= kStepDeadlineMs)
        return now > before ? now - before : 0;
      ::WaitForSingleObject(Target.Changed.get(), kStepDeadlineMs - waited);
    }
  }

  TProbedProgram& Program;
  HWND Panel;
  TTarget& Target;
};

struct TKeyName {
  int Key;
  const char* Name;
};

constexpr TKeyName kModifierKeys[] = {{VK_LSHIFT, "left Shift"},
                                      {VK_RSHIFT, "right Shift"},
                                      {VK_LCONTROL, "left Ctrl"},
                                      {VK_RCONTROL, "right Ctrl"},
                                      {VK_LMENU, "left Alt"},
                                      {VK_RMENU, "right Alt"},
                                      {VK_LWIN, "left Win"},
                                      {VK_RWIN, "right Win"},
                                      {VK_SHIFT, "Shift"},
                                      {VK_CONTROL, "Ctrl"},
                                      {VK_MENU, "Alt"}};

std::string KeysDown() {
  std::string down;
  for (const TKeyName& key : kModifierKeys) {
    if ((::GetAsyncKeyState(key.Key) & 0x8000) != 0)
      down += std::string(down.empty() ? "" : ", ") + key.Name;
  }
  return down;
}

// The last injected release may still be on its way; a key that stays down past the deadline is stuck.
std::string KeysLeftDown() {
  const DWORD start = ::GetTickCount();
  std::string down = KeysDown();
  while (!down.empty() && ::GetTickCount() - start < kKeyReleaseDeadlineMs) {
    ::Sleep(10);
    down = KeysDown();
  }
  return down;
}

const char* ProblemName(tolvane::bench::TPickProblemKind kind) {
  switch (kind) {
    case tolvane::bench::TPickProblemKind::Wrong:
      return "WRONG";
    case tolvane::bench::TPickProblemKind::Missing:
      return "MISSING";
    case tolvane::bench::TPickProblemKind::Doubled:
      return "DOUBLED";
  }
  return "?";
}

constexpr std::size_t kDescribedProblems = 5;

bool Judge(const std::vector<int>& expected, const std::u16string& text, const TTargetLog& log) {
  std::size_t expectedLength = 0;
  for (const int kind : expected)
    expectedLength += kPickTexts[static_cast<std::size_t>(kind)].size();
  std::printf("  target text: %zu characters, %zu expected\n", text.size(), expectedLength);
  const tolvane::bench::TPickTally tally = tolvane::bench::TallyPicks(kPickTexts, expected, text);
  std::printf("  correct %d, wrong %d, missing %d, doubled %d\n", tally.Correct, tally.Wrong, tally.Missing,
              tally.Doubled);
  for (const tolvane::bench::TPickProblem& problem : tally.Problems) {
    const int kind = expected.empty() ? 0 : expected[static_cast<std::size_t>(problem.Pick)];
    std::printf("  %s pick %d (%s)%s%s\n", ProblemName(problem.Kind), problem.Pick + 1, kPickNames[kind],
                problem.Got.empty() ? "" : ": got ", problem.Got.empty() ? "" : Shown(problem.Got).c_str());
  }
  for (std::size_t i = 0; i < std::min(tally.Problems.size(), kDescribedProblems); ++i) {
    const int pick = tally.Problems[i].Pick;
    std::printf("  the target during pick %d received: %s\n", pick + 1, log.Describe(pick).c_str());
  }
  return tally.Clean();
}

// Under Wine, scripts/bench gives this program a virtual desktop of its own (see pick_soak_desktop there).
std::string DesktopName() {
  wchar_t name[256] = {};
  DWORD size = 0;
  if (::GetUserObjectInformationW(::GetThreadDesktop(::GetCurrentThreadId()), UOI_NAME, name, sizeof(name),
                                  &size) == FALSE)
    return "?";
  return tolvane::bench::Utf8(name);
}

bool Run(const TOptions& options) {
  const tolvane::e2e::TTempFolder folder;
  const auto menu = folder.File(L"Picks.TvXml");
  std::ofstream(menu, std::ios::binary) << kMenu;
  TTarget target;
  TTargetLog targetLog;
  const tolvane::bench::TWindowThread targetThread([&] { CreateTarget(target, targetLog); });
  TProbedProgram program(options.Tolvane,
                         {L"-i" + folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()}, L"TForm1");
  std::printf("pick soak: %d picks alternating clip A, clip B and a keystroke macro into an edit control\n",
              options.Picks);
  std::printf("  desktop %s, menu ready after %.0f ms\n", DesktopName().c_str(),
              program.WaitUntilMenuReady(options.DeadlineMs));
  if (const LRESULT items = program.Probe(TProbe::ItemCount); items != kMenuItems)
    throw TBenchError("tolvane.exe loaded " + std::to_string(items) + " items instead of " +
                      std::to_string(kMenuItems));
  const HWND panel = ::FindWindowExW(program.Window(), nullptr, L"TPanelMainMenu", nullptr);
  if (panel == nullptr)
    throw TBenchError("tolvane.exe's main window has no TPanelMainMenu");

  // The pointer away from the bar's edge and the popups, where auto-hide and the menus would react to it.
  ::SetCursorPos(1200, 1000);
  // As a user works: the bar was in front, then the target, which the program's history takes in; then the
  // bar.
  tolvane::bench::BringToFront(program.Window(), kStepDeadlineMs);
  tolvane::bench::BringToFront(target.Window, kStepDeadlineMs);
  program.WaitForProbe(
      TProbe::HistoryEntry, [&](LRESULT entry) { return entry == reinterpret_cast<LRESULT>(target.Window); },
      "the target window", kStepDeadlineMs);

  TPickSoak soak(program, panel, target);
  std::vector<int> expected;
  std::vector<double> pickTimes;
  int silent = 0;
  const auto start = tolvane::bench::TClock::now();
  for (int pick = 1; pick <= options.Picks; ++pick) {
    const int kind = (pick - 1) % static_cast<int>(kPickTexts.size());
    expected.push_back(kind);
    targetLog.SetPick(pick - 1);
    const auto pickStart = tolvane::bench::TClock::now();
    const std::size_t grown = soak.Pick(kind);
    pickTimes.push_back(tolvane::bench::MillisecondsSince(pickStart));
    silent = grown == 0 ? silent + 1 : 0;
    if (silent >= kSilentPicksToGiveUp)
      throw TBenchError("the last " + std::to_string(silent) + " picks (up to pick " + std::to_string(pick) +
                        ") added nothing to the target; in front is [" +
                        tolvane::bench::Utf8(tolvane::e2e::WindowClass(::GetForegroundWindow())) + "]" +
                        program.ShownWindows());
    if (pick % kProgressEvery == 0) {
      std::printf("  %d picks, %.1f picks/s\n", pick, pick * 1000 / tolvane::bench::MillisecondsSince(start));
      std::fflush(stdout);
    }
  }
  const double total = tolvane::bench::MillisecondsSince(start);
  std::printf("  %d picks in %.1f s: %.1f picks/s, median %.1f ms per pick, slowest %.1f ms\n", options.Picks,
              total / 1000, options.Picks * 1000 / total, tolvane::bench::Median(pickTimes),
              *std::max_element(pickTimes.begin(), pickTimes.end()));

  const std::string keysDown = KeysLeftDown();
  std::printf("  keys left down: %s\n", keysDown.empty() ? "none" : keysDown.c_str());
  const bool clean = Judge(expected, Text(target.Edit), targetLog);
  program.Close(kExitTimeoutMs);
  return clean && keysDown.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: tolvane_bench_picksoak [--picks N] [--deadline SECONDS] [--tolvane EXE]\n");
    return 2;
  }
  try {
    return Run(options) ? 0 : 1;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "pick soak stopped: %s\n", error.what());
    return 2;
  }
}
