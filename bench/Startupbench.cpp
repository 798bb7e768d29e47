// Start-up time of tolvane.exe with a large menu, from creating the process to the probe's MenuReady, against
// the bare window program measured the same way. Runs alternate between the two after one warm-up each, so
// a slow phase of the machine hits both alike.
//
// tolvane_bench_startup --menu FILE [--runs N] [--expect-items N] [--deadline SECONDS]
//                       [--tolvane EXE] [--bare EXE]

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "Benchprocess.h"
#include "Benchstats.h"

namespace {

using tolvane::bench::TBenchError;
using tolvane::bench::TProbedProgram;
using tolvane::uimodel::TProbe;

constexpr DWORD kExitTimeoutMs = 15000;
// A program that has just ended leaves Wine some 40-60 ms of work, which a program started at once pays
// before its first line. The bare window ends within milliseconds of WM_CLOSE, tolvane.exe takes longer, so
// without a pause every tolvane start paid for the bare window's end and no bare start for tolvane's. Every
// start waits this long after the previous program ended.
constexpr DWORD kSettleMs = 300;

struct TOptions {
  std::wstring Tolvane = tolvane::e2e::WindowsPath(TOLVANE_EXE);
  std::wstring Bare = tolvane::e2e::WindowsPath(TOLVANE_BARE_WINDOW_EXE);
  std::wstring Menu;
  int Runs = 5;
  long ExpectItems = -1;
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
    else if (name == L"--expect-items")
      options.ExpectItems = std::wcstol(value, nullptr, 10);
    else if (name == L"--deadline")
      options.DeadlineMs = static_cast<DWORD>(std::max(1L, std::wcstol(value, nullptr, 10))) * 1000;
    else if (name == L"--tolvane")
      options.Tolvane = value;
    else if (name == L"--bare")
      options.Bare = value;
    else
      return false;
  }
  return argc % 2 == 1 && !options.Menu.empty();
}

constexpr double kLoadTickMs = 100;
constexpr double kAutoHideSettleMs = 100;

// One start of tolvane.exe on its own settings file and a copy of the menu, so no run sees what an earlier
// one saved.
double StartTolvane(const TOptions& options, bool reportItems) {
  ::Sleep(kSettleMs);
  const tolvane::e2e::TTempFolder folder;
  const auto menu = folder.File(L"Bench.TvXml");
  std::filesystem::copy_file(options.Menu, menu);
  TProbedProgram program(options.Tolvane,
                         {L"-i" + folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()}, L"TForm1");
  const double milliseconds = program.WaitUntilMenuReady(options.DeadlineMs);
  if (reportItems) {
    const LRESULT items = program.Probe(TProbe::ItemCount);
    std::printf("  tolvane.exe loaded %lld items\n", static_cast<long long>(items));
    if (options.ExpectItems >= 0 && items != options.ExpectItems)
      throw TBenchError("tolvane.exe loaded " + std::to_string(items) + " items instead of " +
                        std::to_string(options.ExpectItems));
  }
  program.Close(kExitTimeoutMs);
  return milliseconds;
}

double StartBareWindow(const TOptions& options) {
  ::Sleep(kSettleMs);
  TProbedProgram program(options.Bare, {}, L"TolvaneBareWindow");
  const double milliseconds = program.WaitUntilMenuReady(options.DeadlineMs);
  program.Close(kExitTimeoutMs);
  return milliseconds;
}

void Run(const TOptions& options) {
  std::printf("start-up: process creation to MenuReady, %d runs each after one warm-up\n", options.Runs);
  std::printf("  warm-up  tolvane %8.1f ms", StartTolvane(options, false));
  std::printf("  bare window %8.1f ms\n", StartBareWindow(options));
  std::vector<double> tolvaneTimes;
  std::vector<double> bareTimes;
  for (int run = 1; run <= options.Runs; ++run) {
    tolvaneTimes.push_back(StartTolvane(options, run == 1));
    bareTimes.push_back(StartBareWindow(options));
    std::printf("  run %-4d tolvane %8.1f ms  bare window %8.1f ms\n", run, tolvaneTimes.back(),
                bareTimes.back());
  }
  const double tolvaneMedian = tolvane::bench::Median(tolvaneTimes);
  const double bareMedian = tolvane::bench::Median(bareTimes);
  std::printf("  median   tolvane %8.1f ms  bare window %8.1f ms\n", tolvaneMedian, bareMedian);
  std::printf("  tolvane / bare window  x%.2f\n", tolvaneMedian / bareMedian);
  // The program waits on purpose before it is ready: the first start-up timer tick, then, with auto-hide (on
  // in a new settings file), a pause for the shown bar to settle before it takes the foreground. The second
  // tick's timer is armed before that pause and runs out during it, so it adds no wait of its own.
  const double waits = kLoadTickMs + std::max(kLoadTickMs, kAutoHideSettleMs);
  std::printf("  of which fixed waits %.0f ms; without them tolvane / bare window  x%.2f\n", waits,
              (tolvaneMedian - waits) / bareMedian);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(
        stderr,
        "usage: tolvane_bench_startup --menu FILE [--runs N] [--expect-items N] [--deadline SECONDS]\n"
        "                             [--tolvane EXE] [--bare EXE]\n");
    return 2;
  }
  try {
    Run(options);
    return 0;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "start-up benchmark stopped: %s\n", error.what());
    return 2;
  }
}
