#pragma once
// TFrmShortcut, the modal Create Shortcut dialog: shell links that start the program with a chosen settings
// file and menu file, on the desktop, in Startup, in the program's Start Menu folder and in a folder of the
// user's choice. What "Create" may do and does is uimodel::Shortcutdialog; this is its thin view.

#include <functional>
#include <memory>
#include <string_view>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "ui/Appcontext.h"
#include "ui/Formparts.h"
#include "ui/Window.h"
#include "uimodel/Anchorlayout.h"
#include "uimodel/Shortcutdialog.h"

namespace tolvane::ui {

class TFrmShortcut final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmShortcut";

  // Creates the dialog hidden, centred on the owner and kept on its monitor's work area, with the files in
  // use. Throws std::system_error when a window cannot be created.
  TFrmShortcut(TAppContext& context, HWND owner);
  ~TFrmShortcut() override;

  // Runs the dialog; true when it ended with OK (links were written). The window is gone afterwards.
  bool ShowModal();

  // The help page at the anchor.
  std::function<void(std::u16string_view anchor)> OnHelp;

 private:
  struct TControls;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;

  void ApplyAppearance();
  void Arrange();
  void Paint(HDC dc);
  TRect NodeBounds(int id) const;
  uimodel::TShortcutFields Fields() const;
  void FieldsChanged();
  void ChooseFile(uimodel::TShortcutFileKind kind);
  void BrowseFolder();
  void CreateLinks();
  void ShowHelp();
  bool PreTranslate(const MSG& message);
  void CreateHints();

  TAppContext& Context;
  HWND Owner;
  std::unique_ptr<TControls> Hosted;
  std::vector<uimodel::TPlacement> Placements;
  THints Hints;
  win32::unique_hfont LinkFont;
  win32::unique_hbrush BackgroundBrush;
  COLORREF Background = 0;
  bool Done = false;
  bool Result = false;
};

}  // namespace tolvane::ui
