#pragma once
// TQxButton, the program's owner-drawn push button: normal, hot, pressed, disabled and default looks, a
// click from the mouse, Space or Enter, the accelerator letter from its "&" caption, and a focus frame.
// Its faces are coloured from the settings' button colours through the shade set of the colour model.

#include <functional>
#include <string>
#include <string_view>

#include "graphics/Buttonshades.h"
#include "graphics/Qxcolor.h"
#include "platform/Systemcolors.h"
#include "platform/win32/Win.h"
#include "storage/Buttoncolors.h"
#include "ui/Dibcanvas.h"
#include "ui/Window.h"

namespace tolvane::ui {

// The six button colours of the settings ("ButDimmedLight" …); the defaults are the settings' defaults.
struct TButtonColors {
  graphics::TColor DimmedLight = storage::buttoncolor::DimmedLight;
  graphics::TColor DimmedDark = storage::buttoncolor::DimmedDark;
  graphics::TColor HotLight = storage::buttoncolor::HotLight;
  graphics::TColor HotDark = storage::buttoncolor::HotDark;
  graphics::TColor DisabLight = storage::buttoncolor::DisabledLight;
  graphics::TColor DisabDark = storage::buttoncolor::DisabledDark;
};

class TQxButton final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TQxButton";

  // Creates the button as a hidden child with the id as its control id. Throws std::system_error when the
  // window cannot be created.
  TQxButton(HWND parent, int id, std::u16string_view caption, platform::ISystemColors& systemColors);
  ~TQxButton() override;

  // Runs on every click, before the parent gets WM_COMMAND with BN_CLICKED as from a system button.
  std::function<void()> OnClick;

  int Id() const;

  void setCaption(std::u16string_view caption);
  std::u16string Caption() const;
  // The upper-case letter after the caption's single "&"; 0 when there is none.
  char16_t Accelerator() const;

  // Sets the shade set from the settings' colours; pressed faces use the hot colours upside down.
  void setColors(const TButtonColors& colors);
  // For finer control, such as setClAutoDark; changes repaint the button.
  graphics::TQxButtonShades& Shades() { return ShadeSet; }
  // The colour around the rounded corners: the parent's background under the button.
  void setParentColor(graphics::TColor color);
  // The font is the caller's and must outlive its use here.
  void setFont(HFONT font);

  void setDefault(bool isDefault);
  bool Default() const { return IsDefault; }
  void setEnabled(bool enabled);
  bool Enabled() const;
  void setVisible(bool visible);
  bool Visible() const;
  bool Hot() const { return IsHot; }
  // A latched button shows pressed until it is released again (toggle buttons).
  void setDown(bool down);
  bool Down() const { return Latched; }
  bool Pressed() const { return IsPressed(); }
  void SetBounds(int left, int top, int width, int height);

  // Clicks the button as the user would; a disabled or hidden button ignores it.
  void Click();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override { Invalidate(); }
  bool HandleMouse(UINT message, LPARAM lParam);
  bool HandleKeyboard(UINT message, WPARAM wParam);
  LRESULT DialogCode() const;

  // Painting (Qxbuttonpaint.cpp).
  void ButtonPaint();
  void PaintFace(int width, int height);
  void PaintCaption(int width, int height);
  void FaceColors(graphics::TQxColor& top, graphics::TQxColor& bottom) const;
  void Invalidate() const;

  // Mouse and keyboard (Qxbuttoninput.cpp).
  void ButtonMouseMove(POINT point);
  void ButtonMouseLeave();
  void ButtonMouseDown();
  void ButtonMouseUp(POINT point);
  void ButtonCaptureLost();
  void ButtonKeyDown(WPARAM key);
  void ButtonKeyUp();
  bool IsPressed() const { return Latched || (MouseDown && MouseInside) || SpaceDown; }
  bool ContainsPoint(POINT point) const;

  platform::ISystemColors& SystemColors;
  graphics::TQxButtonShades ShadeSet{SystemColors};
  graphics::TColor ParentColor = 0;
  HFONT Font = nullptr;
  TDibCanvas Canvas;
  bool IsDefault = false;
  bool IsHot = false;
  bool HasFocus = false;
  bool MouseDown = false;    // pressed with the mouse, which is captured
  bool MouseInside = false;  // while MouseDown: the pointer is over the button
  bool SpaceDown = false;
  bool TrackingLeave = false;
  bool Latched = false;
};

}  // namespace tolvane::ui
