// TQxButton: painting. The face is a vertical gradient between the light and dark shade of the state,
// rounded off against the parent's colour, with a frame that is thicker on the default button.

#include <algorithm>

#include "graphics/Gradient.h"
#include "graphics/Qxhsl.h"
#include "graphics/Shapes.h"
#include "ui/Qxbutton.h"
#include "ui/Uihandles.h"

namespace tolvane::ui {

namespace {

using graphics::TQxColor;

TQxColor Opaque(graphics::TColor color) {
  return TQxColor::FromColor(color).WithAlpha(255);
}

TQxColor Darker(TQxColor color, int percent) {
  graphics::TQxHsl hsl = graphics::PixelToHsl(color);
  hsl.Lightness = static_cast<std::uint8_t>(hsl.Lightness * (100 - percent) / 100);
  return graphics::HslToPixel(hsl).WithAlpha(255);
}

// Each pixel of the face takes the shape's coverage as its alpha.
void CutToShape(graphics::TQxBitmap& face, int radius) {
  graphics::TQxBitmap shape(face.Width(), face.Height());
  graphics::FillRoundRect(shape, shape.Bounds(), radius, TQxColor(0xFFFFFFFFu));
  for (int y = 0; y < face.Height(); ++y) {
    TQxColor* row = face.Row(y);
    const TQxColor* coverage = shape.Row(y);
    for (int x = 0; x < face.Width(); ++x)
      row[x] = row[x].WithAlpha(coverage[x].Alpha());
  }
}

}  // namespace

void TQxButton::ButtonPaint() {
  const TPaintDc paint(Hwnd);
  RECT client{};
  ::GetClientRect(Hwnd, &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0 || !Canvas.Resize(width, height))
    return;
  PaintFace(width, height);
  PaintCaption(width, height);
  Canvas.CopyTo(paint.get(), 0, 0);
}

void TQxButton::FaceColors(TQxColor& top, TQxColor& bottom) const {
  if (!Enabled()) {
    top = Opaque(ShadeSet.ClDisabLight());
    bottom = Opaque(ShadeSet.ClDisabDark());
  } else if (IsPressed()) {
    top = Opaque(ShadeSet.ClSelDownDark());
    bottom = Opaque(ShadeSet.ClSelDownLight());
  } else if (IsHot) {
    top = Opaque(ShadeSet.ClHotLight());
    bottom = Opaque(ShadeSet.ClHotDark());
  } else {
    top = Opaque(ShadeSet.ClDimmedLight());
    bottom = Opaque(ShadeSet.ClDimmedDark());
  }
}

void TQxButton::PaintFace(int width, int height) {
  graphics::TQxBitmap& canvas = Canvas.Bitmap();
  const TRect bounds = canvas.Bounds();
  const int radius = Scaled(6);
  canvas.Fill(Opaque(ParentColor));

  TQxColor top;
  TQxColor bottom;
  FaceColors(top, bottom);
  graphics::TQxBitmap face(width, height);
  graphics::FillGradient(face, face.Bounds(), top, bottom);
  CutToShape(face, radius);
  canvas.AlphaBlend(face, face.Bounds(), 0, 0);

  const int lineWidth = IsDefault && Enabled() ? std::max(2, Scaled(3)) : 1;
  const TQxColor dark = Enabled() && IsPressed() ? top : bottom;  // the pressed face is upside down
  const TQxColor frame = Darker(IsDefault ? Opaque(ShadeSet.ClHotDark()) : dark, IsDefault ? 55 : 40);
  graphics::FrameRoundRect(canvas, bounds, radius, frame, lineWidth);
}

void TQxButton::PaintCaption(int width, int height) {
  const HDC dc = Canvas.Dc();
  const win32::TSelectGuard font(dc, Font != nullptr ? Font : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const int shift = IsPressed() ? 1 : 0;
  RECT text{shift, shift, width + shift, height + shift};
  const std::wstring caption = win32::Wide(Caption());
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (HasFocus) {
    const int inset = Scaled(6);
    RECT focus{inset, inset, width - inset, height - inset};
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::DrawFocusRect(dc, &focus);
  }
}

}  // namespace tolvane::ui
