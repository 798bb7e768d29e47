#include "ui/Barmetrics.h"

#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// Both queries are newer than the oldest supported Windows, so they are looked up at run time.
template <typename TFn>
TFn LookUp(HMODULE module, const char* name) {
  if (module == nullptr)
    return nullptr;
  return reinterpret_cast<TFn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

UINT SystemDpi() {
  const TWindowDc screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

NONCLIENTMETRICSW EmptyMetrics() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  return metrics;
}

LOGFONTW MenuLogFont(UINT dpi) {
  static const auto forDpi =
      LookUp<TSystemParametersInfoForDpi>(::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics = EmptyMetrics();
  if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi) != FALSE)
    return metrics.lfMenuFont;
  // Without the per-DPI query the metrics are those of the system DPI.
  metrics = EmptyMetrics();
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE)
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(metrics.lfMenuFont), &metrics.lfMenuFont);
  LOGFONTW font = metrics.lfMenuFont;
  font.lfHeight = ::MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
  return font;
}

}  // namespace

int RowHeightForTextHeight(int textHeight) {
  return textHeight + textHeight / 4;
}

int BarHeightForRowHeight(int rowHeight) {
  return rowHeight + 2 * (kEdgeSize + 1);
}

RECT DockedBarRect(const RECT& workArea, int barHeight) {
  return RECT{workArea.left, workArea.top, workArea.right, workArea.top + barHeight};
}

UINT MonitorDpi(HMONITOR monitor) {
  static const win32::unique_hmodule shcore(::LoadLibraryW(L"shcore.dll"));
  static const auto getDpi = LookUp<TGetDpiForMonitor>(shcore.get(), "GetDpiForMonitor");
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (getDpi != nullptr && monitor != nullptr && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &dpiX, &dpiY)) &&
      dpiY > 0) {
    return dpiY;
  }
  return SystemDpi();
}

win32::unique_hfont CreateMenuFont(UINT dpi) {
  const LOGFONTW font = MenuLogFont(dpi);
  return win32::unique_hfont(::CreateFontIndirectW(&font));
}

int FontLineHeight(HFONT font) {
  const TWindowDc screen(nullptr);
  const win32::TSelectGuard select(screen.get(), font);
  TEXTMETRICW metrics{};
  if (::GetTextMetricsW(screen.get(), &metrics) == FALSE)
    return ::GetSystemMetrics(SM_CYMENU);
  return metrics.tmHeight;
}

RECT MonitorWorkArea(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor == nullptr || ::GetMonitorInfoW(monitor, &info) == FALSE) {
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  }
  return info.rcWork;
}

}  // namespace tolvane::ui
