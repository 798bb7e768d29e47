#pragma once
// TSizerStrip, the thin strip at each end of the bar that sizes it: while the left button is held it reports
// how far the mouse has moved horizontally from where the button went down.

#include <functional>

#include "graphics/Qxcolor.h"
#include "platform/win32/Win.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TSizerStrip final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TSizerStrip";

  TSizerStrip() = default;
  ~TSizerStrip() override;
  // Creates the strip as a hidden child; throws std::system_error on failure.
  void CreateIn(HWND parent);

  void setColor(graphics::TColor color);

  // Screen pixels the mouse has moved right (negative: left) since the press.
  std::function<void(int distance)> OnDrag;
  std::function<void()> OnRelease;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint();

  graphics::TColor Color = 0;
  bool Dragging = false;
  int PressX = 0;
};

}  // namespace tolvane::ui
