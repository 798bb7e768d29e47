#include "ui/Barmetrics.h"

#include "platform/win32/Procaddress.h"
#include "ui/Uihandles.h"
#include "ui/Window.h"

namespace tolvane::ui {

namespace {

using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

NONCLIENTMETRICSW EmptyMetrics() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  return metrics;
}

LOGFONTW MenuLogFont(UINT dpi) {
  // Newer than the oldest supported Windows.
  static const auto forDpi =
      win32::ProcAddress<TSystemParametersInfoForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
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

}  // namespace tolvane::ui
