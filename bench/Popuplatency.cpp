// Popup latency: the time from posting the key that opens the bar's first folder to tolvane.exe having shown
// its popup, against a plain popup window of this process of the same size and place shown the same way. For
// both the key (or the show message) is posted and a sent query is polled until the window says it is shown:
// the probe's PopupLevels answers only after the key's handling, painting included. Runs alternate between
// the two after one warm-up each; Esc closes the menus between runs.
//
// tolvane_bench_popup --menu FILE [--runs N] [--deadline SECONDS] [--tolvane EXE]

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "Benchprocess.h"
#include "Benchstats.h"
#include "Windowthread.h"

namespace {

using tolvane::bench::TBenchError;
using tolvane::bench::TClock;
using tolvane::bench::TProbedProgram;
using tolvane::uimodel::TProbe;

constexpr DWORD kExitTimeoutMs = 30000;
constexpr DWORD kStepDeadlineMs = 10000;
constexpr WPARAM kFolderKey = '2';  // the bar's second entry, the first after the program's own
constexpr wchar_t kPlainClass[] = L"TolvanePlainPopup";
constexpr UINT kShowMessage = WM_APP + 1;
constexpr UINT kHideMessage = WM_APP + 2;
constexpr UINT kShownQuery = WM_APP + 3;

struct TOptions {
  std::wstring Tolvane = tolvane::e2e::WindowsPath(TOLVANE_EXE);
  std::wstring Menu;
  int Runs = 100;
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

// The baseline: a popup with the menus' window styles that paints one colour, on its own thread.
bool PlainShown = false;

LRESULT CALLBACK PlainPopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = ::BeginPaint(window, &paint);
      ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
      ::EndPaint(window, &paint);
      return 0;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case kShowMessage:
      ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      ::UpdateWindow(window);
      PlainShown = true;
      return 0;
    case kHideMessage:
      ::ShowWindow(window, SW_HIDE);
      PlainShown = false;
      return 0;
    case kShownQuery:
      return PlainShown ? 1 : 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND CreatePlainPopup() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DROPSHADOW;
  windowClass.lpfnWndProc = &PlainPopupProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kPlainClass;
  if (::RegisterClassExW(&windowClass) == 0)
    throw TBenchError("cannot register the plain popup's window class");
  const HWND popup = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPlainClass, L"",
                                       WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, instance, nullptr);
  if (popup == nullptr)
    throw TBenchError("cannot create the plain popup");
  return popup;
}

// Polls without sleeping, so that the figure is not rounded up to the scheduler's tick.
template <typename TAsk>
double PollUntil(TClock::time_point start, TAsk&& ask, const char* what) {
  for (;;) {
    if (ask())
      return tolvane::bench::MillisecondsSince(start);
    if (tolvane::bench::MillisecondsSince(start) >= kStepDeadlineMs)
      throw TBenchError(std::string(what) + " did not happen within " +
                        std::to_string(kStepDeadlineMs / 1000) + " s");
  }
}

// The shown popup of tolvane.exe, whose place and size the plain one takes.
RECT TolvanePopupBounds(const TProbedProgram& program) {
  for (HWND window : tolvane::e2e::ProcessWindows(program.Id(), L"TFormMenu")) {
    if (::IsWindowVisible(window) != FALSE)
      return tolvane::e2e::WindowBounds(window);
  }
  throw TBenchError("tolvane.exe shows no TFormMenu window while its probe counts one popup");
}

struct TPopupShape {
  RECT Bounds{};
  LRESULT Rows = 0;
};

// Opens the popup by key and closes it with Esc; shape, when given, receives the popup's screen rectangle and
// rows.
double OpenTolvanePopup(TProbedProgram& program, HWND panel, TPopupShape* shape = nullptr) {
  const auto start = TClock::now();
  program.PostKey(kFolderKey, panel);
  const double milliseconds = PollUntil(
      start,
      [&] {
        const auto levels = tolvane::bench::AskProbe(program.Window(), TProbe::PopupLevels);
        return levels && *levels == 1;
      },
      "tolvane.exe's popup");
  if (shape != nullptr) {
    shape->Bounds = TolvanePopupBounds(program);
    shape->Rows = program.Probe(TProbe::RowCount, 1);
  }
  program.PostKey(VK_ESCAPE, panel);
  program.WaitForProbe(
      TProbe::PopupLevels, [](LRESULT levels) { return levels == 0; }, "0 after Esc", kStepDeadlineMs);
  return milliseconds;
}

bool PlainPopupShown(HWND popup) {
  DWORD_PTR shown = 0;
  return ::SendMessageTimeoutW(popup, kShownQuery, 0, 0, SMTO_NORMAL, 1000, &shown) != 0 && shown == 1;
}

double ShowPlainPopup(HWND popup) {
  const auto start = TClock::now();
  ::PostMessageW(popup, kShowMessage, 0, 0);
  const double milliseconds = PollUntil(
      start, [&] { return PlainPopupShown(popup); }, "the plain popup");
  ::PostMessageW(popup, kHideMessage, 0, 0);
  (void)PollUntil(
      TClock::now(), [&] { return !PlainPopupShown(popup); }, "hiding the plain popup");
  return milliseconds;
}

void Run(const TOptions& options) {
  const tolvane::e2e::TTempFolder folder;
  const auto menu = folder.File(L"Popup.TvXml");
  std::filesystem::copy_file(options.Menu, menu);
  HWND plain = nullptr;
  const tolvane::bench::TWindowThread plainThread([&plain] { plain = CreatePlainPopup(); });
  TProbedProgram program(options.Tolvane,
                         {L"-i" + folder.File(L"Tolvane.ini").wstring(), L"-m" + menu.wstring()}, L"TForm1");
  (void)program.WaitUntilMenuReady(options.DeadlineMs);
  const HWND panel = ::FindWindowExW(program.Window(), nullptr, L"TPanelMainMenu", nullptr);
  if (panel == nullptr)
    throw TBenchError("tolvane.exe's main window has no TPanelMainMenu");
  ::SetCursorPos(1200, 1000);
  tolvane::bench::BringToFront(program.Window(), kStepDeadlineMs);

  // The warm-up creates tolvane.exe's popup window; the plain popup then takes its place and size.
  TPopupShape shape;
  const double warmUp = OpenTolvanePopup(program, panel, &shape);
  const RECT& bounds = shape.Bounds;
  ::SetWindowPos(plain, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
  std::printf(
      "popup latency: key to the bar's first folder shown (%lld rows, %ld x %ld pixels), %d runs each\n",
      static_cast<long long>(shape.Rows), bounds.right - bounds.left, bounds.bottom - bounds.top,
      options.Runs);
  std::printf("  warm-up  tolvane %8.2f ms", warmUp);
  std::printf("  plain popup %8.2f ms\n", ShowPlainPopup(plain));

  std::vector<double> tolvaneTimes;
  std::vector<double> plainTimes;
  for (int run = 1; run <= options.Runs; ++run) {
    tolvaneTimes.push_back(OpenTolvanePopup(program, panel));
    plainTimes.push_back(ShowPlainPopup(plain));
  }
  const auto [tolvaneFastest, tolvaneSlowest] = std::minmax_element(tolvaneTimes.begin(), tolvaneTimes.end());
  const auto [plainFastest, plainSlowest] = std::minmax_element(plainTimes.begin(), plainTimes.end());
  const double tolvaneMedian = tolvane::bench::Median(tolvaneTimes);
  const double plainMedian = tolvane::bench::Median(plainTimes);
  std::printf("  median   tolvane %8.2f ms  plain popup %8.2f ms\n", tolvaneMedian, plainMedian);
  std::printf("  fastest  tolvane %8.2f ms  plain popup %8.2f ms\n", *tolvaneFastest, *plainFastest);
  std::printf("  slowest  tolvane %8.2f ms  plain popup %8.2f ms\n", *tolvaneSlowest, *plainSlowest);
  std::printf("  tolvane / plain popup  x%.2f\n", tolvaneMedian / plainMedian);
  program.Close(kExitTimeoutMs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: tolvane_bench_popup --menu FILE [--runs N] [--deadline SECONDS] [--tolvane EXE]\n");
    return 2;
  }
  try {
    Run(options);
    return 0;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "popup latency benchmark stopped: %s\n", error.what());
    return 2;
  }
}
