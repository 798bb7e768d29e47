// Leak soak of tolvane.exe with a large menu: many switches between bar and editor mode (F12), then many
// reloads of the menu file (F5), each waited for through the probe. The process's GDI and USER objects,
// its windows and its private bytes are read before and after each phase; a growth of the object or window
// counts fails the run, a large growth of private bytes is reported as suspicious.
//
// tolvane_bench_soak --menu FILE [--switches N] [--reloads N] [--deadline SECONDS] [--tolvane EXE]

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "Benchprocess.h"
#include "Benchstats.h"

// After the Windows headers that Benchprocess.h brings.
#include <psapi.h>

namespace {

using tolvane::bench::TBenchError;
using tolvane::bench::TProbedProgram;
using tolvane::uimodel::TProbe;

constexpr DWORD kExitTimeoutMs = 30000;
constexpr int kProgressEvery = 100;
// While a reload holds the old and the new tree, the heap grows to a high-water mark that it keeps; with
// 10,000 items that takes a dozen reloads, which the warm-up absorbs so they do not read as a leak.
constexpr int kWarmUpSwitches = 2;
constexpr int kWarmUpReloads = 20;

struct TOptions {
  std::wstring Tolvane = tolvane::e2e::WindowsPath(TOLVANE_EXE);
  std::wstring Menu;
  int Switches = 500;
  int Reloads = 500;
  DWORD DeadlineMs = 60000;
};

bool ParseOptions(int argc, wchar_t** argv, TOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const wchar_t* value = argv[i + 1];
    if (name == L"--menu")
      options.Menu = value;
    else if (name == L"--switches")
      options.Switches = std::max(0, static_cast<int>(std::wcstol(value, nullptr, 10)));
    else if (name == L"--reloads")
      options.Reloads = std::max(0, static_cast<int>(std::wcstol(value, nullptr, 10)));
    else if (name == L"--deadline")
      options.DeadlineMs = static_cast<DWORD>(std::max(1L, std::wcstol(value, nullptr, 10))) * 1000;
    else if (name == L"--tolvane")
      options.Tolvane = value;
    else
      return false;
  }
  return argc % 2 == 1 && !options.Menu.empty();
}

struct TReading {
  std::string When;
  DWORD GdiObjects = 0;
  DWORD UserObjects = 0;
  DWORD GuiError = 0;  // GetGuiResources' error when it answered 0
  int Windows = 0;
  std::uint64_t PrivateBytes = 0;
  bool HasPrivateBytes = false;
  bool PrivateFromPagefile = false;
};

BOOL CALLBACK CountChildWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

struct TWindowCount {
  DWORD ProcessId;
  int Count;
};

BOOL CALLBACK CountProcessWindow(HWND window, LPARAM param) {
  auto& count = *reinterpret_cast<TWindowCount*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == count.ProcessId) {
    ++count.Count;
    ::EnumChildWindows(window, &CountChildWindow, reinterpret_cast<LPARAM>(&count.Count));
  }
  return TRUE;
}

// Top-level windows of the process with all their descendants: the USER objects one can count from outside
// on any system.
int CountWindows(DWORD processId) {
  TWindowCount count{processId, 0};
  ::EnumWindows(&CountProcessWindow, reinterpret_cast<LPARAM>(&count));
  return count.Count;
}

TReading Read(const TProbedProgram& program, std::string when) {
  TReading reading;
  reading.When = std::move(when);
  const tolvane::win32::unique_handle process(
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Id()));
  if (!process)
    throw TBenchError("cannot open process " + std::to_string(program.Id()) + " (error " +
                      std::to_string(::GetLastError()) + ")");
  ::SetLastError(0);
  reading.GdiObjects = ::GetGuiResources(process.get(), GR_GDIOBJECTS);
  reading.UserObjects = ::GetGuiResources(process.get(), GR_USEROBJECTS);
  if (reading.GdiObjects == 0 || reading.UserObjects == 0)
    reading.GuiError = ::GetLastError();
  reading.Windows = CountWindows(program.Id());
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  if (::GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof(memory))) {
    // The commit charge: Windows gives it in both fields, Wine 8 only in PagefileUsage.
    reading.PrivateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    reading.HasPrivateBytes = reading.PrivateBytes != 0;
    reading.PrivateFromPagefile = memory.PrivateUsage == 0;
  }
  return reading;
}

// A process that shows a window owns USER objects, so GetGuiResources answering 0 means the system does
// not count them (Wine's GetGuiResources is a stub that answers 0).
bool GuiCountsAvailable(const TReading& reading) {
  return reading.GdiObjects != 0 && reading.UserObjects != 0;
}

void SwitchModes(TProbedProgram& program, int switches, DWORD deadlineMs) {
  for (int i = 1; i <= switches; ++i) {
    const LRESULT before = program.Probe(TProbe::EditorMode);
    program.PostKey(VK_F12);
    program.WaitForProbe(
        TProbe::EditorMode, [&](LRESULT mode) { return mode != before; },
        before == 0 ? "1 after F12" : "0 after F12", deadlineMs);
    if (i % kProgressEvery == 0) {
      std::printf("  %d mode switches\n", i);
      std::fflush(stdout);
    }
  }
}

void Reload(TProbedProgram& program, int reloads, DWORD deadlineMs) {
  for (int i = 1; i <= reloads; ++i) {
    const LRESULT before = program.Probe(TProbe::LoadCount);
    program.PostKey(VK_F5);
    const std::string expected = std::to_string(before + 1) + " after F5";
    const LRESULT after = program.WaitForProbe(
        TProbe::LoadCount, [&](LRESULT count) { return count > before; }, expected, deadlineMs);
    if (after != before + 1)
      throw TBenchError("one F5 raised LoadCount from " + std::to_string(before) + " to " +
                        std::to_string(after));
    if (i % kProgressEvery == 0) {
      std::printf("  %d reloads\n", i);
      std::fflush(stdout);
    }
  }
}

void PrintPace(const char* step, int count, double milliseconds) {
  if (count > 0)
    std::printf("  %.1f s, %.1f ms per %s\n", milliseconds / 1000, milliseconds / count, step);
}

std::string Megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.1f MB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

void PrintReadings(const std::vector<TReading>& readings, bool guiCounts) {
  std::printf("  %-26s %8s %8s %8s %12s\n", "", "GDI", "USER", "windows", "private");
  for (const TReading& reading : readings) {
    std::printf("  %-26s %8s %8s %8d %12s\n", reading.When.c_str(),
                guiCounts ? std::to_string(reading.GdiObjects).c_str() : "-",
                guiCounts ? std::to_string(reading.UserObjects).c_str() : "-", reading.Windows,
                reading.HasPrivateBytes ? Megabytes(reading.PrivateBytes).c_str() : "-");
  }
}

// Compares each phase's end with the reading after the warm-up, which has already built whatever the program
// creates once on first use (the editor's controls, caches, the heap's high-water mark). Returns true when
// nothing leaked.
bool Judge(const std::vector<TReading>& readings, bool guiCounts) {
  const TReading& base = readings[1];
  bool clean = true;
  for (size_t i = 2; i < readings.size(); ++i) {
    const TReading& after = readings[i];
    const auto growth = [](auto from, auto to) {
      return static_cast<long long>(to) - static_cast<long long>(from);
    };
    std::printf("  growth %-19s GDI %s  USER %s  windows %+lld  private %s\n", after.When.c_str(),
                guiCounts ? std::to_string(growth(base.GdiObjects, after.GdiObjects)).c_str() : "-",
                guiCounts ? std::to_string(growth(base.UserObjects, after.UserObjects)).c_str() : "-",
                growth(base.Windows, after.Windows),
                after.HasPrivateBytes && base.HasPrivateBytes
                    ? (std::to_string(growth(base.PrivateBytes, after.PrivateBytes) / 1024) + " KB").c_str()
                    : "-");
    if (guiCounts && (after.GdiObjects > base.GdiObjects || after.UserObjects > base.UserObjects)) {
      std::printf("  LEAK: GDI or USER objects grew %s\n", after.When.c_str());
      clean = false;
    }
    if (after.Windows > base.Windows) {
      std::printf("  LEAK: windows grew %s\n", after.When.c_str());
      clean = false;
    }
    if (after.HasPrivateBytes && base.HasPrivateBytes &&
        tolvane::bench::SuspiciousMemoryGrowth(base.PrivateBytes, after.PrivateBytes)) {
      std::printf("  SUSPICIOUS: private bytes grew by more than %s or %.0f %% %s\n",
                  Megabytes(tolvane::bench::SuspiciousGrowthBytes).c_str(),
                  tolvane::bench::SuspiciousGrowthShare * 100, after.When.c_str());
    }
  }
  return clean;
}

bool Run(const TOptions& options) {
  const tolvane::e2e::TTempFolder folder;
  const auto menu = folder.File(L"Soak.TvXml");
  std::filesystem::copy_file(options.Menu, menu);
  TProbedProgram program(options.Tolvane,
                         {L"-i" + folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()}, L"TForm1");
  std::printf("soak: %d mode switches (F12), then %d reloads (F5)\n", options.Switches, options.Reloads);
  std::printf("  menu ready after %.0f ms\n", program.WaitUntilMenuReady(options.DeadlineMs));
  std::vector<TReading> readings{Read(program, "at start")};
  const bool guiCounts = GuiCountsAvailable(readings[0]);
  if (!guiCounts) {
    std::printf(
        "  GDI and USER object counts are not available: GetGuiResources answered %lu and %lu (error %lu)"
        " for a process that shows a window; counting its windows instead\n",
        readings[0].GdiObjects, readings[0].UserObjects, readings[0].GuiError);
  }
  if (!readings[0].HasPrivateBytes)
    std::printf("  private bytes are not available: GetProcessMemoryInfo gave none\n");
  else if (readings[0].PrivateFromPagefile)
    std::printf("  private bytes read from PagefileUsage: PrivateUsage is 0 here\n");

  SwitchModes(program, kWarmUpSwitches, options.DeadlineMs);
  Reload(program, kWarmUpReloads, options.DeadlineMs);
  readings.push_back(Read(program, "after warm-up"));
  auto phaseStart = tolvane::bench::TClock::now();
  SwitchModes(program, options.Switches, options.DeadlineMs);
  PrintPace("mode switch", options.Switches, tolvane::bench::MillisecondsSince(phaseStart));
  readings.push_back(Read(program, "after " + std::to_string(options.Switches) + " switches"));
  phaseStart = tolvane::bench::TClock::now();
  Reload(program, options.Reloads, options.DeadlineMs);
  PrintPace("reload", options.Reloads, tolvane::bench::MillisecondsSince(phaseStart));
  readings.push_back(Read(program, "after " + std::to_string(options.Reloads) + " reloads"));

  PrintReadings(readings, guiCounts);
  const bool clean = Judge(readings, guiCounts);
  program.Close(kExitTimeoutMs);
  std::printf("  %s\n", clean ? "no GDI, USER or window growth" : "objects leaked");
  return clean;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: tolvane_bench_soak --menu FILE [--switches N] [--reloads N] [--deadline SECONDS]"
                 " [--tolvane EXE]\n");
    return 2;
  }
  // An odd count would leave the program in the other mode than at the start, and the editor's windows
  // would read as growth.
  options.Switches += options.Switches % 2;
  try {
    return Run(options) ? 0 : 1;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "soak stopped: %s\n", error.what());
    return 2;
  }
}
