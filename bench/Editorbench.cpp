// Editor switch: the time from F12 posted to tolvane.exe's main window until editor mode is shown with a tree
// node for every item, against a reload of the same menu in menu mode in the same process (F5 until the
// probe's LoadCount grows), and the time of the F12 back to the bar. Each figure ends once the probe gives
// the new state and then no window of the program is left to paint, so it holds the painting too. Runs
// alternate editor, bar, reload after one warm-up of each.
//
// tolvane_bench_editor --menu FILE [--runs N] [--deadline SECONDS] [--tolvane EXE]

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Benchprocess.h"
#include "Benchstats.h"

namespace {

using tolvane::bench::TBenchError;
using tolvane::bench::TClock;
using tolvane::bench::TProbedProgram;
using tolvane::uimodel::TProbe;

constexpr DWORD kExitTimeoutMs = 30000;

struct TOptions {
  std::wstring Tolvane = tolvane::e2e::WindowsPath(TOLVANE_EXE);
  std::wstring Menu;
  int Runs = 20;
  DWORD DeadlineMs = 60000;
};

bool ParseOptions(int argc, wchar_t** argv, TOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const wchar_t* value = argv[i + 1];
    if (name == L"--menu")
      options.Menu = value;
    else if (name == L"--runs")
      options.Runs = std::max(1, static_cast<int>(std::wcstol(value, nullptr, 10)));
    else if (name == L"--deadline")
      options.DeadlineMs = static_cast<DWORD>(std::max(1L, std::wcstol(value, nullptr, 10))) * 1000;
    else if (name == L"--tolvane")
      options.Tolvane = value;
    else
      return false;
  }
  return argc % 2 == 1 && !options.Menu.empty();
}

// Milliseconds from posting the key to the probe's answer taking the new state, and on to the end of the
// painting that follows.
struct TStepTime {
  double Answered = 0;
  double Shown = 0;
};

BOOL CALLBACK FindUnpainted(HWND window, LPARAM found) {
  if (::GetUpdateRect(window, nullptr, FALSE) == FALSE)
    return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// True while the window or one of its descendants waits for WM_PAINT.
bool PaintPending(HWND window) {
  bool found = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!found)
    ::EnumChildWindows(window, &FindUnpainted, reinterpret_cast<LPARAM>(&found));
  return found;
}

class TStepper {
 public:
  TStepper(TProbedProgram& program, DWORD deadlineMs) : Program(program), DeadlineMs(deadlineMs) {}

  // Posts the key and polls the probe without sleeping, so that the figure is not rounded up to the
  // scheduler's tick; a probe sent while the key is handled is answered once that is over.
  TStepTime Press(WPARAM key, TProbe probe, const std::function<bool(LRESULT)>& accept, const char* what) {
    const auto start = TClock::now();
    Program.PostKey(key);
    TStepTime time;
    for (;;) {
      const auto answer = tolvane::bench::AskProbe(Program.Window(), probe);
      if (answer && accept(*answer))
        break;
      Overdue(start, what);
    }
    time.Answered = tolvane::bench::MillisecondsSince(start);
    while (PaintPending(Program.Window()))
      Overdue(start, (std::string(what) + " painted").c_str());
    time.Shown = tolvane::bench::MillisecondsSince(start);
    return time;
  }

 private:
  void Overdue(TClock::time_point start, const char* what) const {
    if (tolvane::bench::MillisecondsSince(start) >= DeadlineMs)
      throw TBenchError(std::string(what) + " did not happen within " + std::to_string(DeadlineMs / 1000) +
                        " s" + Program.ShownWindows());
  }

  TProbedProgram& Program;
  DWORD DeadlineMs;
};

struct TRun {
  TStepTime Editor;
  TStepTime Bar;
  TStepTime Reload;
};

TRun RunOnce(TProbedProgram& program, TStepper& stepper, LRESULT nodes) {
  TRun run;
  run.Editor = stepper.Press(
      VK_F12, TProbe::TreeNodeCount, [&](LRESULT count) { return count == nodes; },
      "editor mode with a full tree");
  if (program.Probe(TProbe::EditorMode) != 1)
    throw TBenchError("the tree was filled but the window is not in editor mode");
  run.Bar = stepper.Press(
      VK_F12, TProbe::EditorMode, [](LRESULT mode) { return mode == 0; }, "menu mode after F12");
  if (const LRESULT left = program.Probe(TProbe::TreeNodeCount); left != 0)
    throw TBenchError("menu mode kept " + std::to_string(left) + " tree nodes");
  const LRESULT loads = program.Probe(TProbe::LoadCount);
  run.Reload = stepper.Press(
      VK_F5, TProbe::LoadCount, [&](LRESULT count) { return count > loads; }, "a reload after F5");
  if (const LRESULT after = program.Probe(TProbe::LoadCount); after != loads + 1)
    throw TBenchError("one F5 raised LoadCount from " + std::to_string(loads) + " to " +
                      std::to_string(after));
  return run;
}

void PrintRun(const char* label, const TRun& run) {
  std::printf("  %-8s editor %8.1f ms (tree filled %8.1f)  bar %8.1f ms  reload %8.1f ms\n", label,
              run.Editor.Shown, run.Editor.Answered, run.Bar.Shown, run.Reload.Shown);
}

void Run(const TOptions& options) {
  const tolvane::e2e::TTempFolder folder;
  const auto menu = folder.File(L"Editor.TvXml");
  std::filesystem::copy_file(options.Menu, menu);
  TProbedProgram program(options.Tolvane,
                         {L"-i" + folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()}, L"TForm1");
  (void)program.WaitUntilMenuReady(options.DeadlineMs);
  if (program.Probe(TProbe::EditorMode) != 0)
    throw TBenchError("tolvane.exe did not start in menu mode");
  const LRESULT items = program.Probe(TProbe::ItemCount);
  const LRESULT nodes = items + 1;  // the root has a node of its own
  std::printf(
      "editor switch: F12 to editor mode shown with %lld tree nodes, F12 back to the bar, against F5"
      " reloading the %lld items in menu mode; %d runs each after one warm-up\n",
      static_cast<long long>(nodes), static_cast<long long>(items), options.Runs);
  TStepper stepper(program, options.DeadlineMs);
  PrintRun("warm-up", RunOnce(program, stepper, nodes));

  std::vector<double> editor;
  std::vector<double> filled;
  std::vector<double> bar;
  std::vector<double> reload;
  for (int i = 1; i <= options.Runs; ++i) {
    const TRun run = RunOnce(program, stepper, nodes);
    editor.push_back(run.Editor.Shown);
    filled.push_back(run.Editor.Answered);
    bar.push_back(run.Bar.Shown);
    reload.push_back(run.Reload.Shown);
    PrintRun(("run " + std::to_string(i)).c_str(), run);
  }
  using tolvane::bench::Median;
  const double editorMedian = Median(editor);
  const double barMedian = Median(bar);
  const double reloadMedian = Median(reload);
  PrintRun("median", TRun{{Median(filled), editorMedian}, {0, barMedian}, {0, reloadMedian}});
  std::printf("  editor / reload  x%.2f   bar / reload  x%.2f\n", editorMedian / reloadMedian,
              barMedian / reloadMedian);
  program.Close(kExitTimeoutMs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: tolvane_bench_editor --menu FILE [--runs N] [--deadline SECONDS] [--tolvane EXE]\n");
    return 2;
  }
  try {
    Run(options);
    return 0;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "editor switch benchmark stopped: %s\n", error.what());
    return 2;
  }
}
