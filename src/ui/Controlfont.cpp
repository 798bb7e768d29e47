#include "ui/Controlfont.h"

#include <algorithm>
#include <map>

#include "platform/win32/Procaddress.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

int SystemPpi() {
  const TWindowDc screen(nullptr);
  const int ppi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : uimodel::DefaultPpi;
}

LOGFONTW MessageLogFont(int ppi) {
  static const auto forDpi =
      win32::ProcAddress<TSystemParametersInfoForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (forDpi != nullptr &&
      forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(ppi)) != FALSE)
    return metrics.lfMessageFont;
  // Without the per-DPI query the metrics are those of the system DPI.
  metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE)
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(metrics.lfMessageFont), &metrics.lfMessageFont);
  LOGFONTW font = metrics.lfMessageFont;
  font.lfHeight = ::MulDiv(font.lfHeight, ppi, SystemPpi());
  return font;
}

}  // namespace

HFONT ControlFont(const uimodel::TScale& scale) {
  static std::map<int, win32::unique_hfont> fonts;
  auto found = fonts.find(scale.Ppi());
  if (found == fonts.end()) {
    const LOGFONTW font = MessageLogFont(scale.Ppi());
    found = fonts.emplace(scale.Ppi(), win32::unique_hfont(::CreateFontIndirectW(&font))).first;
  }
  return found->second.get();
}

win32::unique_hfont CreatePointFont(std::u16string_view family, int points, bool bold,
                                    const uimodel::TScale& scale) {
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(points, scale.Ppi(), 72);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::size_t length = std::min(family.size(), std::size(font.lfFaceName) - 1);
  std::copy_n(family.begin(), length, font.lfFaceName);
  return win32::unique_hfont(::CreateFontIndirectW(&font));
}

}  // namespace tolvane::ui
