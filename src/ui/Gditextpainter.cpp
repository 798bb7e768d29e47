#include "ui/Gditextpainter.h"

#include "platform/win32/Handles.h"
#include "ui/Geometrywin.h"

namespace tolvane::ui {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

const wchar_t* WideData(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}

UINT AlignFormat(uimodel::TTextAlign align) {
  switch (align) {
    case uimodel::TTextAlign::Center:
      return DT_CENTER;
    case uimodel::TTextAlign::Right:
      return DT_RIGHT;
    case uimodel::TTextAlign::Left:
      break;
  }
  return DT_LEFT;
}

}  // namespace

int TGdiTextPainter::Width(std::u16string_view text) {
  if (text.empty())
    return 0;
  // Layout may measure before the canvas has pixels; a screen-compatible context measures the same.
  win32::unique_hdc measuring;
  HDC dc = Canvas.Dc();
  if (dc == nullptr) {
    measuring.reset(::CreateCompatibleDC(nullptr));
    dc = measuring.get();
  }
  if (dc == nullptr)
    return 0;
  const win32::TSelectGuard font(dc, Font);
  SIZE extent{};
  if (!::GetTextExtentPoint32W(dc, WideData(text), static_cast<int>(text.size()), &extent))
    return 0;
  return static_cast<int>(extent.cx);
}

void TGdiTextPainter::Draw(graphics::TQxBitmap& bitmap, const TRect& rect, std::u16string_view text,
                           graphics::TQxColor color, uimodel::TTextAlign align) {
  HDC dc = Canvas.Dc();
  if (dc == nullptr || &bitmap != &Canvas.Bitmap() || text.empty() || rect.Empty())
    return;
  const win32::TSelectGuard font(dc, Font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(color.Red(), color.Green(), color.Blue()));
  RECT bounds = ToRECT(rect);
  // Without DT_NOCLIP the text stays inside the rectangle. GDI leaves alpha 0 in the pixels it draws; the
  // copy to the screen ignores alpha.
  ::DrawTextW(dc, WideData(text), static_cast<int>(text.size()), &bounds,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | AlignFormat(align));
  // GDI batches: the bitmap's pixels are current only after the flush.
  TDibCanvas::Flush();
}

}  // namespace tolvane::ui
