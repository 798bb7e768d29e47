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
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Dibcanvas.h"
#include "ui/Qxbutton.h"
#include "ui/Qxmsgbxlayout.h"
#include "ui/Windowthunk.h"

namespace tolvane::ui {

class TQxMsgBox {
 public:
  static constexpr const wchar_t* kClassName = L"TQxMsgBox";

  // Creates the box hidden. The owner form may be null; the locale's country code chooses the captions'
  // language. Throws std::system_error when the windows cannot be created.
  TQxMsgBox(HWND owner, platform::ILocale& locale);
  TQxMsgBox(const TQxMsgBox&) = delete;
  TQxMsgBox& operator=(const TQxMsgBox&) = delete;
  ~TQxMsgBox();

  HWND Handle() const { return Hwnd; }

  // The window to centre on when there is no owner.
  void setMainWindow(HWND mainWindow) { MainWindow = mainWindow; }
  void setButtonColors(const TButtonColors& colors);
  void setCaption(std::u16string_view caption);
  // A new text while the box is shown fits the box to it again.
  void setText(std::u16string_view text);
  // Enables and shows one button (a platform::msgbutton value); the buttons keep the box's own order.
  void AddButton(std::uint32_t button);
  int ButtonCount() const { return AddedCount; }
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
  static constexpr UINT_PTR kTimer1 = 1;

  // Creation and properties (Qxmsgbx.cpp).
  static void RegisterWindowClass(HINSTANCE instance);
  friend struct TWindowThunk<TQxMsgBox>;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void ButtonClick(platform::TMsgResult result);
  void Timer1Timer();
  void FormActivate(bool active);
  TQxButton* FocusedButton() const;

  // Showing (Qxmsgbxshow.cpp).
  void ChooseDefaultButton();
  void FitToText();
  SIZE MeasureText(int wrapWidth) const;
  void PlaceControls();
  void PlaceBox();
  RECT ReferenceRect() const;
  void RunModalLoop();
  void StartMouseSnap();

  // Painting (Qxmsgbxpaint.cpp).
  void FormPaint();
  void LoadKindImage();

  // Keyboard (Qxmsgbxkeys.cpp).
  bool PreTranslateKey(const MSG& message);
  bool FormKeyDown(WPARAM key);
  bool FormAccelerator(wchar_t character);
  void FormEscape();
  void MoveFocus(int step, bool buttonsOnly);

  HWND Hwnd = nullptr;  // valid from WM_NCCREATE, before Window takes ownership
  win32::unique_hwnd Window;
  HWND Owner = nullptr;
  HWND MainWindow = nullptr;
  bool Danish = false;
  int Ppi = 96;
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
