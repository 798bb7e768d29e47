#pragma once
// TFrmEdit, the "Macro Composer": a keystroke macro written as lines, key codes put in by buttons or, in
// keyboard mode, by pressing the keys themselves. What it writes is execution::Editfrm.

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "execution/Editfrm.h"
#include "platform/win32/Handles.h"
#include "ui/Appcontext.h"
#include "ui/Composers.h"
#include "ui/Formparts.h"
#include "ui/Gradientbrush.h"
#include "ui/Qxbutton.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TFrmEdit final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmEdit";

  TFrmEdit(TAppContext& context, HWND owner, const TMacroComposerRequest& request);
  ~TFrmEdit() override;

  // The macro after OK, nullopt after Cancel.
  std::optional<TMacroComposerResult> ShowModal();

  std::function<void(std::u16string_view anchor)> OnHelp;

 private:
  struct TControls;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;
  void CreateButtons(const TMacroComposerRequest& request);
  void CreateHints();
  void Arrange();
  void Paint(HDC dc);
  TRect HelpLink() const;
  void Insert(std::u16string_view codes);
  void KeyButtonClicked(std::size_t index);
  void KeyboardModeClicked();
  bool PreTranslate(const MSG& message);
  bool KeyboardModeKey(const MSG& message);
  void Finish(bool ok);

  TAppContext& Context;
  HWND OwnerWindow;
  std::unique_ptr<TControls> Hosted;
  std::vector<std::unique_ptr<TQxButton>> KeyButtons;  // KeyButtons() order, then Sleep
  std::unique_ptr<TQxButton> OkButton;
  std::unique_ptr<TQxButton> CancelButton;
  win32::unique_hfont CodeFont;
  win32::unique_hfont LinkFont;
  THints Hints;
  TGradientBackground Background;
  execution::TKeyboardMode Keyboard;
  std::optional<TMacroComposerResult> Result;
  bool Done = false;
};

// Runs the composer modally over the owner: the macro after OK, nullopt after Cancel.
std::optional<TMacroComposerResult> RunMacroComposer(
    TAppContext& context, HWND owner, const TMacroComposerRequest& request,
    std::function<void(std::u16string_view anchor)> onHelp = {});

}  // namespace tolvane::ui
