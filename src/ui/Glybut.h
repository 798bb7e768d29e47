#pragma once
// TGlyBut, a small owner-drawn button showing a glyph on a vertical gradient: the bar's close button, and
// the glyph buttons of dialogs. Normal, hot, pressed and disabled looks; it clicks with the mouse only and
// never takes the keyboard focus, so the window it sits on keeps its keys.

#include <functional>

#include "common/Geometry.h"
#include "graphics/Glyphlist.h"
#include "graphics/Qxbitmap.h"
#include "platform/Systemcolors.h"
#include "platform/win32/Win.h"
#include "ui/Dibcanvas.h"
#include "ui/Window.h"

namespace tolvane::ui {

enum class TGlyph {
  Close,  // an X
  Image,  // a cell of a glyph list, such as the program's own glyphs on the tool buttons
};

enum class TGlyButLook { Normal, Hot, Pressed, Disabled };

// Everything the face depends on, resolved to plain colours.
struct TGlyButFace {
  TGlyph Glyph = TGlyph::Close;
  TGlyButLook Look = TGlyButLook::Normal;
  graphics::TColor Top = 0;
  graphics::TColor Bottom = 0;
  graphics::TColor GlyphColor = 0;
  // For TGlyph::Image: the list (the caller's) and the cell.
  const graphics::TGlyphList* Images = nullptr;
  int ImageIndex = -1;
};

// Paints the whole face into the bitmap at the scale (Glybutpaint.cpp).
void PaintGlyButFace(graphics::TQxBitmap& canvas, const TGlyButFace& face, const uimodel::TScale& scale);

class TGlyBut final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TGlyBut";

  // Creates the button as a hidden child with the id as its control id; its window text names the glyph for
  // accessibility tools. Throws std::system_error when the window cannot be created.
  TGlyBut(HWND parent, int id, TGlyph glyph, platform::ISystemColors& systemColors);
  ~TGlyBut() override;

  // Runs on every click, before the parent gets WM_COMMAND with BN_CLICKED as from a system button. The
  // handler may destroy the button or its parent.
  std::function<void()> OnClick;

  int Id() const;

  // The background runs from top to bottom; system colours are resolved when painting.
  void SetGradient(COLORREF top, COLORREF bottom);
  void SetGlyphColor(COLORREF color);
  void SetGlyph(TGlyph glyph);
  // Shows a cell of a glyph list, which must outlive the button.
  void SetImage(const graphics::TGlyphList* images, int index);
  TGlyph Glyph() const { return Shape; }

  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetVisible(bool visible);
  bool Visible() const;
  // In the parent's client pixels.
  void SetBounds(const TRect& bounds);

  TGlyButLook Look() const;
  bool Hot() const { return IsHot; }
  bool Pressed() const { return MouseDown && IsHot; }

  // Clicks the button as the user would; a disabled or hidden button ignores it.
  void Click();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override { Invalidate(); }
  bool HandleMouse(UINT message, LPARAM lParam);
  void PaintTo(HDC target);
  void Invalidate() const;

  void ButtonMouseMove(POINT point);
  void ButtonMouseLeave();
  void TrackLeave();
  void ButtonMouseDown();
  void ButtonMouseUp(POINT point);
  void ButtonCaptureLost();
  bool ContainsPoint(POINT point) const;

  platform::ISystemColors& SystemColors;
  TGlyph Shape;
  const graphics::TGlyphList* Images = nullptr;
  int ImageIndex = -1;
  COLORREF Top = RGB(0xF0, 0xF0, 0xF0);
  COLORREF Bottom = RGB(0xC8, 0xC8, 0xC8);
  COLORREF GlyphColor = RGB(0x4A, 0x4A, 0x4A);
  TDibCanvas Canvas;
  bool IsHot = false;      // the pointer is over the button
  bool MouseDown = false;  // pressed with the mouse, which is captured
  bool TrackingLeave = false;
};

}  // namespace tolvane::ui
