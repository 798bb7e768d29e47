#include "ui/Pnlmain.h"

#include <string>

#include "graphics/Gradient.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

constexpr int kEntryPadding = 10;  // design pixels left and right of a caption
constexpr int kPointsPerInch = 72;
constexpr int kFirstProgramType = 50;

graphics::TQxColor Opaque(graphics::TColor color) {
  return graphics::TQxColor::FromColor(color).WithAlpha(255);
}

}  // namespace

win32::unique_hfont CreateSettingsMenuFont(const storage::TSettings& settings, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(settings.MenuFontSize, dpi, kPointsPerInch);
  font.lfWeight = settings.MenuFontBold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring name(settings.MenuFontName.begin(), settings.MenuFontName.end());
  name.copy(font.lfFaceName, LF_FACESIZE - 1);
  return win32::unique_hfont(::CreateFontIndirectW(&font));
}

TPanelMainMenu::~TPanelMainMenu() {
  Destroy();
}

void TPanelMainMenu::CreateIn(HWND parent) {
  TWindowClass windowClass;
  windowClass.Name = kClassName;
  windowClass.Style = CS_DBLCLKS;
  TWindowParams params;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
  params.Caption = L"PnlMainMenu";
  params.Parent = parent;
  Create(windowClass, params);
}

void TPanelMainMenu::setContent(const storage::TSettings* settings, const storage::TItem* root, bool ready) {
  Settings = settings;
  Root = root;
  Ready = ready;
  if (Hwnd != nullptr)
    ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TPanelMainMenu::ApplyAppearance() {
  if (Settings != nullptr)
    MenuFont = CreateSettingsMenuFont(*Settings, Scale().Ppi());
  ::InvalidateRect(Hwnd, nullptr, FALSE);
}

void TPanelMainMenu::ScaleChanged() {
  ApplyAppearance();
}

LRESULT TPanelMainMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
      ::SetFocus(Hwnd);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (OnDoubleClick)
        OnDoubleClick();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void TPanelMainMenu::Paint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  if (Settings == nullptr || client.right <= 0 || client.bottom <= 0 ||
      !Canvas.Resize(client.right, client.bottom))
    return;
  graphics::TQxBitmap& bitmap = Canvas.Bitmap();
  const graphics::TQxColor top = Opaque(Settings->MenuTopColor);
  const graphics::TQxColor bottom = Opaque(Settings->MainMenuBottom);
  if (Settings->PipeOnMain)
    graphics::FillPipe(bitmap, bitmap.Bounds(), top, bottom, static_cast<std::uint8_t>(Settings->PipeShadow));
  else
    graphics::FillGradient(bitmap, bitmap.Bounds(), top, bottom);
  if (Ready && Root != nullptr)
    PaintEntries(Canvas.Dc(), client.bottom);
  Canvas.CopyTo(paint.get(), 0, 0);
}

void TPanelMainMenu::PaintEntries(HDC dc, int height) {
  const win32::TSelectGuard font(dc, MenuFont.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, Settings->MenuTextColor);
  int x = 0;
  for (const storage::TItem& item : Root->Children) {
    if (item.ItemType > kFirstProgramType)
      continue;
    const std::wstring caption(item.Name.begin(), item.Name.end());
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    RECT text{x + Scaled(kEntryPadding), 0, x + Scaled(kEntryPadding) + extent.cx, height};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    x = text.right + Scaled(kEntryPadding);
  }
  TDibCanvas::Flush();
}

}  // namespace tolvane::ui
