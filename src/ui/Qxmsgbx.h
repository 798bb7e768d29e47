#pragma once
// TQxMsgBox, the program's own message box: a caption, a text, the image of its kind, the buttons the caller
// adds, and a "Don't show this again" check box that stays hidden unless asked for. Shown modally, it picks
// its default button, fits itself to the text, centres on its owner, puts the mouse pointer on the default
// button and makes itself topmost. Its window is destroyed when it closes.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "graphics/Qxbitmap.h"
#include "platform/Locale.h"
#include "platform/Messagebox.h"
#include "platform/Systemcolors.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Dibcanvas.h"
#include "ui/Modal.h"
#include "ui/Qxbutton.h"
#include "ui/Window.h"
#include "uimodel/Msgboxlayout.h"

namespace tolvane::ui {

using uimodel::kMsgButtons;
using uimodel::TMsgBoxLayout;
using uimodel::TMsgButtonInfo;

class TQxMsgBox final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TQxMsgBox";

  // Creates the box hidden. The owner form may be null; the locale's country code chooses the captions'
  // language. Throws std::system_error when the windows cannot be created.
  TQxMsgBox(HWND owner, platform::ILocale& locale, platform::ISystemColors& systemColors);
  ~TQxMsgBox() override;

  // The window to centre on when there is no owner.
  void setMainWindow(HWND mainWindow) { MainWindow = mainWindow; }
  void setButtonColors(const TButtonColors& colors);
  void setCaption(std::u16string_view caption);
  // A new text while the box is shown fits the box to it again.
  void setText(std::u16string_view text);
  // Enables and shows one button (a platform::msgbutton value); the buttons keep the box's own order.
  void AddButton(std::uint32_t button);
  int ButtonCount() const { return AddedCount; }
  // Gives one button (a platform::msgbutton value) a caption of its own, with its access key.
  void setButtonCaption(std::uint32_t button, std::u16string_view caption);
  // Question, exclamation, error; anything else shows the information image.
  void setKind(platform::TMsgKind kind);
  void setCheckBoxVisible(bool visible);
  // Readable after the box has closed.
  bool CheckBoxChecked() const;

  // When set, replaces centring and the move into the work area: it gets the sized box to place.
  std::function<void(HWND box)> OnPosition;

  // Shows the box until a button is chosen or it is closed (Cancel). A box without buttons gets Ok. The
  // window is gone afterwards, so a box is shown once.
  platform::TMsgResult ShowModal();
  platform::TMsgResult ModalResult() const { return Result; }
  // The client-area geometry of the last fit.
  const TMsgBoxLayout& Geometry() const { return Layout; }

 private:
  static constexpr UINT_PTR kTopmostTimer = 1;

  // Creation and properties (Qxmsgbx.cpp).
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;
  void CreateFont();
  void CreateControls(platform::ISystemColors& systemColors);
  void ButtonClick(platform::TMsgResult result);
  void TopmostTimerTimer();
  void FormActivate(bool active);
  TQxButton* FocusedButton() const;

  // Showing (Qxmsgbxshow.cpp).
  void ChooseDefaultButton();
  void FitToText();
  TSize MeasureText(int wrapWidth) const;
  void PlaceControls();
  void PlaceBox();
  TRect ReferenceRect() const;
  void BoxShown();
  void StartMouseSnap();

  // Painting (Qxmsgbxpaint.cpp).
  void FormPaint();
  void LoadKindImage();

  // Keyboard (Qxmsgbxkeys.cpp).
  TModalHooks KeyHooks();
  bool FormAccelerator(const MSG& message);
  void ClickDefaultButton();
  void FormEscape();

  HWND Owner = nullptr;
  HWND MainWindow = nullptr;
  bool Danish = false;
  win32::unique_hfont Font;
  std::array<std::unique_ptr<TQxButton>, kMsgButtons.size()> Buttons;  // in kMsgButtons' order
  std::uint32_t Added = 0;
  int AddedCount = 0;
  HWND CheckBox = nullptr;  // a child, destroyed with the box
  bool CheckBoxShown = false;
  bool Checked = false;
  HWND FocusedControl = nullptr;  // given the focus back when the box is activated again
  platform::TMsgKind Kind = platform::TMsgKind::Information;
  graphics::TQxBitmap Image;  // the kind's image at the screen's scale
  std::u16string Text;
  TMsgBoxLayout Layout;
  TDibCanvas Canvas;
  bool Shown = false;
  platform::TMsgResult Result = platform::TMsgResult::None;
};

}  // namespace tolvane::ui
