#pragma once
// TSettingsForm, what the two settings dialogs share: a fixed-size modal form over a gradient in the window
// colours, painted labels and group frames, colour swatches that open the colour dialog, hints, the help
// link, OK and Cancel in the button colours, and the working copy of the settings that only OK hands back.
// Positions are design pixels at 144 ppi.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/Handles.h"
#include "storage/Globals.h"
#include "ui/Appcontext.h"
#include "ui/Control.h"
#include "ui/Formparts.h"
#include "ui/Gradientbrush.h"
#include "ui/Qxbutton.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TSettingsForm : public TWindow {
 public:
  ~TSettingsForm() override;

  // Runs the dialog over its owner; true after OK, once the working values are in the settings.
  bool ShowModal();

  // The help page at the anchor.
  std::function<void(std::u16string_view anchor)> OnHelp;

 protected:
  // Creates the hidden form centred on the owner with OK, Cancel and the help link at the bottom.
  TSettingsForm(TAppContext& context, HWND owner, const wchar_t* className, const wchar_t* caption,
                TSize designClient, std::u16string_view helpAnchor);

  // OK: the working values go into the program's settings.
  virtual void Accept() = 0;
  // Once the dialog shows (font lists are filled a moment later).
  virtual void Shown() {}
  virtual void TimerTick(UINT_PTR /*timer*/) {}
  // Pictures painted over the background (previews, glyph boxes) and clicks on them.
  virtual void PaintPictures(HDC /*dc*/) {}
  virtual bool PictureClicked(TPoint /*client*/) { return false; }
  // A swatch took a colour from the colour dialog.
  virtual void SwatchChanged() {}
  // A key pressed with Ctrl and Shift held, anywhere in the dialog; true when the dialog used it.
  virtual bool CtrlShiftKey(UINT /*key*/) { return false; }

  TRect Px(const TRect& design) const { return Scale()(design); }
  void AddLabel(const TRect& design, std::u16string text);
  void AddGroup(const TRect& design, std::u16string caption);
  void AddSwatch(const TRect& design, std::u16string caption, storage::TSettingsColor& color);
  void AddHint(HWND control, std::u16string_view text);
  void Place(TControl& control, const TRect& design);
  void Invalidate(const TRect& design);
  // The window colours of Working changed: new background and buttons.
  void WindowColorsChanged();
  HWND Owner() const { return OwnerWindow; }

  TAppContext& Context;
  storage::TSettings Working;

 private:
  struct TLabel {
    TRect Design;
    std::u16string Text;
    bool Group = false;
  };
  struct TSwatch {
    TRect Design;
    std::u16string Caption;
    storage::TSettingsColor* Color = nullptr;
  };

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
  void PaintLabels(HDC dc);
  void PaintSwatches(HDC dc);
  void MakeBackground();
  void Click(TPoint client);
  void ChooseSwatchColor(TSwatch& swatch);
  void ShowHelp();
  void Finish(bool ok);
  bool PreTranslate(const MSG& message);
  TRect HelpLink() const;
  TRect ButtonArea(int index) const;

  HWND OwnerWindow;
  TSize DesignClient;
  std::u16string HelpAnchor;
  std::vector<TLabel> Labels;
  std::vector<TSwatch> Swatches;
  std::unique_ptr<TQxButton> OkButton;
  std::unique_ptr<TQxButton> CancelButton;
  THints Hints;
  TGradientBackground Background;
  win32::unique_hfont LinkFont;
  bool Done = false;
  bool Accepted = false;
};

}  // namespace tolvane::ui
