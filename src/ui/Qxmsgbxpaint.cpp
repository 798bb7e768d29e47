// TQxMsgBox: painting. The message area is the window colour, the panels below it the button face; the
// kind's image is centred in its box and the text is never wrapped unless the screen is too narrow.

#include <utility>

#include "ui/Geometrywin.h"
#include "ui/Qxmsgbx.h"
#include "ui/Uihandles.h"
#include "ui/Uiresources.h"

namespace tolvane::ui {

namespace {

graphics::TQxColor SystemPixel(int index) {
  return graphics::TQxColor::FromColor(::GetSysColor(index)).WithAlpha(255);
}

}  // namespace

void TQxMsgBox::FormPaint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  if (client.right <= 0 || client.bottom <= 0 || !Canvas.Resize(client.right, client.bottom))
    return;
  graphics::TQxBitmap& canvas = Canvas.Bitmap();
  canvas.Fill(SystemPixel(COLOR_WINDOW));
  const int panelTop = CheckBoxShown ? Layout.CheckPanel.Top : Layout.ButtonPanel.Top;
  canvas.Fill(TRect{0, panelTop, client.right, client.bottom}, SystemPixel(COLOR_BTNFACE));
  canvas.Fill(TRect{0, panelTop, client.right, panelTop + 1}, SystemPixel(COLOR_3DLIGHT));
  if (!Image.Empty()) {
    const TRect& box = Layout.ImageBox;
    canvas.AlphaBlend(Image, Image.Bounds(), box.Left + (box.Width() - Image.Width()) / 2,
                      box.Top + (box.Height() - Image.Height()) / 2);
  }

  const HDC dc = Canvas.Dc();
  const win32::TSelectGuard font(dc, Font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  RECT text = ToRECT(Layout.Text);
  const std::wstring wide = win32::Wide(Text);
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS | (Layout.TextWrapWidth > 0 ? DT_WORDBREAK : 0));
  Canvas.CopyTo(paint.get(), 0, 0);
}

void TQxMsgBox::LoadKindImage() {
  graphics::TQxBitmap source;
  if (!LoadPngResource(::GetModuleHandleW(nullptr), MsgKindImageName(Kind), source)) {
    Image = graphics::TQxBitmap();
    return;
  }
  // The images are drawn for 144 pixels per inch.
  const int width = Scaled(source.Width());
  const int height = Scaled(source.Height());
  if (width == source.Width() && height == source.Height()) {
    Image = std::move(source);
    return;
  }
  graphics::TQxBitmap scaled(width, height);
  scaled.DrawScaled(source, source.Bounds(), scaled.Bounds(), graphics::TScaleFilter::Area);
  Image = std::move(scaled);
}

}  // namespace tolvane::ui
