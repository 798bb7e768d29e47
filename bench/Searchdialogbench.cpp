// Search dialog: the time from the dialog's window being shown until its list holds every item of the menu
// and nothing is left to paint, against the search engine's own load of the same items in the same run (the
// milliseconds the dialog's caption reports for it). Ctrl+F is typed at the bar; Esc closes the dialog again.
// Runs after one warm-up. Then, in this process with the system's locale, the engine's load of the same menu
// against a plain copy of every searched value of the same items, so the load's cost reads as a ratio that
// holds on a busy machine.
//
// tolvane_bench_searchdialog --menu FILE [--runs N] [--deadline SECONDS] [--tolvane EXE]

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "Benchprocess.h"
#include "Benchstats.h"
#include "platform/win32/Win32services.h"
#include "storage/Itemfields.h"
#include "storage/Itemfile.h"
#include "storage/Searchfrm.h"

namespace {

using tolvane::bench::TBenchError;
using tolvane::bench::TClock;
using tolvane::bench::TProbedProgram;
using tolvane::uimodel::TProbe;

constexpr DWORD kExitTimeoutMs = 30000;
constexpr std::wstring_view kCaptionStart = L"Tolvane Search - Found ";

struct TOptions {
  std::wstring Tolvane = tolvane::e2e::WindowsPath(TOLVANE_EXE);
  std::wstring Menu;
  int Runs = 10;
  DWORD DeadlineMs = 120000;
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

void SendKey(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM found) {
  if (::GetUpdateRect(window, nullptr, FALSE) == FALSE)
    return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool PaintPending(HWND window) {
  bool found = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!found)
    ::EnumChildWindows(window, &FindUnpainted, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND ShownDialog(DWORD processId) {
  for (const HWND window : tolvane::e2e::ProcessWindows(processId, L"TFrmSearch"))
    if (::IsWindowVisible(window) != FALSE)
      return window;
  return nullptr;
}

struct TRun {
  double Shown = 0;     // from the key to the visible window
  double Filled = 0;    // from the visible window to the full list painted
  unsigned LoadMs = 0;  // the engine's load, from the caption
};

class TSearchRunner {
 public:
  TSearchRunner(TProbedProgram& program, DWORD deadlineMs, long long items)
      : Program(program),
        DeadlineMs(deadlineMs),
        Expected(std::wstring(kCaptionStart) + std::to_wstring(items) + L" Items in ") {}

  TRun Once() {
    tolvane::bench::BringToFront(Program.Window(), DeadlineMs);
    const auto start = TClock::now();
    SendKey(VK_CONTROL, 0);
    SendKey('F', 0);
    SendKey('F', KEYEVENTF_KEYUP);
    SendKey(VK_CONTROL, KEYEVENTF_KEYUP);
    HWND dialog = nullptr;
    while ((dialog = ShownDialog(Program.Id())) == nullptr)
      Overdue(start, "the search dialog");
    TRun run;
    run.Shown = tolvane::bench::MillisecondsSince(start);
    const auto shown = TClock::now();
    std::wstring caption;
    while (!(caption = tolvane::e2e::WindowCaption(dialog)).starts_with(Expected))
      Overdue(start, "the full list");
    while (PaintPending(dialog))
      Overdue(start, "the full list painted");
    run.Filled = tolvane::bench::MillisecondsSince(shown);
    run.LoadMs = static_cast<unsigned>(std::wcstoul(caption.c_str() + Expected.size(), nullptr, 10));
    Program.PostKey(VK_ESCAPE, dialog);
    while (::IsWindow(dialog) != FALSE)
      Overdue(start, "the dialog closed by Esc");
    return run;
  }

 private:
  void Overdue(TClock::time_point start, const char* what) const {
    if (tolvane::bench::MillisecondsSince(start) >= DeadlineMs)
      throw TBenchError(std::string(what) + " did not come within " + std::to_string(DeadlineMs / 1000) +
                        " s" + Program.ShownWindows());
  }

  TProbedProgram& Program;
  DWORD DeadlineMs;
  std::wstring Expected;
};

void PrintRun(const char* label, const TRun& run) {
  std::printf("  %-8s shown %8.1f ms   shown to filled %8.1f ms   engine load %6u ms\n", label, run.Shown,
              run.Filled, run.LoadMs);
}

void AddSearched(const tolvane::storage::TItem& item, std::vector<const tolvane::storage::TItem*>& items) {
  items.push_back(&item);
  for (const tolvane::storage::TItem& child : item.Children)
    AddSearched(child, items);
}

// The values the engine lower-cases, copied into one text: the least any load of them costs.
double CopyMilliseconds(const std::vector<const tolvane::storage::TItem*>& items) {
  using tolvane::storage::TItem;
  using tolvane::storage::itemfields::FieldText;
  static constexpr std::u16string_view (*Values[])(const TItem&) = {
      &FieldText<&TItem::Name>,     &FieldText<&TItem::Tip>,     &FieldText<&TItem::Code>,
      &FieldText<&TItem::KeyMacro>, &FieldText<&TItem::XClip>,   &FieldText<&TItem::Subject>,
      &FieldText<&TItem::Email>,    &FieldText<&TItem::Bcc>,     &FieldText<&TItem::Cc>,
      &FieldText<&TItem::File>,     &FieldText<&TItem::Program>, &FieldText<&TItem::Url>,
  };
  const auto start = TClock::now();
  std::u16string copy;
  for (const TItem* item : items) {
    for (const auto value : Values) {
      copy += value(*item);
      copy += u'\0';
    }
  }
  const double milliseconds = tolvane::bench::MillisecondsSince(start);
  if (copy.empty())
    throw TBenchError("the menu has no values to copy");
  return milliseconds;
}

void RunInProcess(const TOptions& options) {
  tolvane::win32::TWin32Services services;
  const tolvane::platform::TServices platform = services.Services();
  tolvane::storage::TMenuFile menu(tolvane::storage::TMenuFileServices::From(platform));
  const std::wstring& path = options.Menu;
  if (const std::u16string error = menu.LoadMenuFile(std::u16string(path.begin(), path.end()), false);
      !error.empty())
    throw TBenchError("the menu does not load in the benchmark itself");
  std::vector<const tolvane::storage::TItem*> items;
  for (const tolvane::storage::TItem& child : menu.RootItem->Children) {
    if (child.ItemType >= tolvane::storage::ItemTypeClip &&
        child.ItemType <= tolvane::storage::ItemTypeClipModifier)
      AddSearched(child, items);
  }
  std::printf(
      "engine load in this process: %zu items with the system's locale against a plain copy of their"
      " searched values; %d runs after one warm-up\n",
      items.size(), options.Runs);
  std::vector<double> copies;
  std::vector<double> loads;
  for (int i = 0; i <= options.Runs; ++i) {
    const double copy = CopyMilliseconds(items);
    tolvane::storage::TSearchEngine engine(platform.Locale, platform.Time);
    const auto start = TClock::now();
    engine.Load(*menu.RootItem);
    const double load = tolvane::bench::MillisecondsSince(start);
    if (engine.Rows().size() != items.size())
      throw TBenchError("the engine loaded " + std::to_string(engine.Rows().size()) + " items");
    std::printf("  %-8s copy %8.1f ms   engine load %8.1f ms   load / copy  x%.1f\n",
                i == 0 ? "warm-up" : ("run " + std::to_string(i)).c_str(), copy, load, load / copy);
    if (i > 0) {
      copies.push_back(copy);
      loads.push_back(load);
    }
  }
  using tolvane::bench::Median;
  std::printf("  median   copy %8.1f ms   engine load %8.1f ms   load / copy  x%.1f\n", Median(copies),
              Median(loads), Median(loads) / Median(copies));
}

void Run(const TOptions& options) {
  const tolvane::e2e::TTempFolder folder;
  const auto menu = folder.File(L"Search.TvXml");
  std::filesystem::copy_file(options.Menu, menu);
  TProbedProgram program(options.Tolvane,
                         {L"-i" + folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()}, L"TForm1");
  (void)program.WaitUntilMenuReady(options.DeadlineMs);
  const LRESULT items = program.Probe(TProbe::ItemCount);
  std::printf(
      "search dialog: from the window shown to the list of all %lld items filled and painted, against the"
      " engine's load of them; %d runs after one warm-up\n",
      static_cast<long long>(items), options.Runs);
  TSearchRunner runner(program, options.DeadlineMs, items);
  PrintRun("warm-up", runner.Once());
  std::vector<double> shown;
  std::vector<double> filled;
  std::vector<double> load;
  for (int i = 1; i <= options.Runs; ++i) {
    const TRun run = runner.Once();
    shown.push_back(run.Shown);
    filled.push_back(run.Filled);
    load.push_back(run.LoadMs);
    PrintRun(("run " + std::to_string(i)).c_str(), run);
  }
  using tolvane::bench::Median;
  const double filledMedian = Median(filled);
  const double loadMedian = Median(load);
  std::printf(
      "  median   shown %8.1f ms   shown to filled %8.1f ms   engine load %6.0f ms   filled / load  x%.2f\n",
      Median(shown), filledMedian, loadMedian, loadMedian > 0 ? filledMedian / loadMedian : 0.0);
  program.Close(kExitTimeoutMs);
  RunInProcess(options);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(
        stderr,
        "usage: tolvane_bench_searchdialog --menu FILE [--runs N] [--deadline SECONDS] [--tolvane EXE]\n");
    return 2;
  }
  try {
    Run(options);
    return 0;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "search dialog benchmark stopped: %s\n", error.what());
    return 2;
  }
}
