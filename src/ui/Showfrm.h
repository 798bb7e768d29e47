#pragma once
// TFrmShow, the preview: a popup item's contents in read-only rich text beside its row while Ctrl is held.
// It never takes the activation, so the bar keeps the keys; should it get the focus anyway, Enter and Esc
// hide it and every other key goes on to the menus.

#include <memory>
#include <string>

#include "storage/Item.h"
#include "ui/Ctlrichedit.h"
#include "ui/Menuenv.h"
#include "ui/Window.h"

namespace tolvane::ui {

class TFrmShow final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmShow";

  explicit TFrmShow(TMenuEnvironment& environment);
  ~TFrmShow() override;

  // Shows the item's values next to the row (screen pixels); hides when it has nothing to show.
  void ShowFor(const storage::TItem& item, const RECT& row);
  void Hide();
  bool Showing() const { return Alive() && ::IsWindowVisible(Hwnd) != FALSE; }
  std::u16string Text() const { return View ? View->Text() : std::u16string(); }

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool ViewKey(WORD key);
  void ApplyInsets();

  TMenuEnvironment& Environment;
  // What shows now, so that a repeated Ctrl does not draw it again; only compared, never followed.
  const storage::TItem* ShownItem = nullptr;
  RECT ShownRow{};
  std::unique_ptr<TRichEdit> View;  // made once the window exists
  win32::unique_hfont Font;
};

}  // namespace tolvane::ui
