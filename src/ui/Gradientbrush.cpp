#include "ui/Gradientbrush.h"

#include <algorithm>

#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

COLORREF Blend(COLORREF top, COLORREF bottom, int row, int rows) {
  const auto channel = [&](int shift) {
    const int a = static_cast<int>((top >> shift) & 0xFF);
    const int b = static_cast<int>((bottom >> shift) & 0xFF);
    return rows <= 1 ? a : a + (b - a) * row / (rows - 1);
  };
  return RGB(channel(0), channel(8), channel(16));
}

}  // namespace

void TGradientBackground::Make(HWND window, COLORREF top, COLORREF bottom) {
  RECT client{};
  ::GetClientRect(window, &client);
  const int width = std::max(1, static_cast<int>(client.right));
  const int height = std::max(1, static_cast<int>(client.bottom));
  const TWindowDc screen(nullptr);
  Brush.reset();
  Bitmap.reset(::CreateCompatibleBitmap(screen.get(), width, height));
  if (!Bitmap)
    return;
  {
    const win32::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    const win32::TSelectGuard selected(memory.get(), Bitmap.get());
    for (int y = 0; y < height; ++y) {
      const win32::unique_hbrush row(::CreateSolidBrush(Blend(top, bottom, y, height)));
      const RECT line{0, y, width, y + 1};
      ::FillRect(memory.get(), &line, row.get());
    }
  }
  Brush.reset(::CreatePatternBrush(Bitmap.get()));
}

void TGradientBackground::Paint(HDC dc, const RECT& area) const {
  if (Brush)
    ::FillRect(dc, &area, Brush.get());
}

LRESULT TGradientBackground::ControlColor(HWND window, WPARAM dc, LPARAM control) const {
  if (!Brush)
    return 0;
  // The pattern starts at the form's origin, wherever the control lies.
  POINT origin{0, 0};
  ::MapWindowPoints(reinterpret_cast<HWND>(control), window, &origin, 1);
  const auto context = reinterpret_cast<HDC>(dc);
  ::SetBrushOrgEx(context, -origin.x, -origin.y, nullptr);
  ::SetBkMode(context, TRANSPARENT);
  return reinterpret_cast<LRESULT>(Brush.get());
}

}  // namespace tolvane::ui
