#pragma once
// TPanelMainMenu, the custom-drawn panel that fills the bar in menu mode and shows the children of the root
// item side by side, the program item first. It keeps the keyboard focus while menus are open and forwards
// every key to KeyTargetWindow (itself or a popup) as UM_MENU_KEY; it owns the first-level popup.

#include <functional>
#include <memory>

#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "storage/Globals.h"
#include "storage/Item.h"
#include "ui/Dibcanvas.h"
#include "ui/Frmmnu.h"
#include "ui/Menuaccessible.h"
#include "ui/Menuenv.h"
#include "ui/Window.h"
#include "uimodel/Menukeys.h"
#include "uimodel/Menustate.h"
#include "uimodel/Uimessages.h"

namespace tolvane::ui {

class TPanelMainMenu final : public TWindow, private IMenuAccessSource {
 public:
  static constexpr const wchar_t* kClassName = L"TPanelMainMenu";

  TPanelMainMenu() = default;
  ~TPanelMainMenu() override;
  // Creates the panel, named "PnlMainMenu", as a hidden child; throws std::system_error on failure.
  void CreateIn(HWND parent, TMenuEnvironment& environment);

  // What the panel draws: the root's children once ready is set. Closes open menus, whose items may be gone.
  void setContent(storage::TItem* root, bool ready);
  // Repaints with the appearance in the environment.
  void ApplyAppearance();
  // Esc, a pick, a mode switch, the program becoming inactive: everything closes and the bar takes the keys.
  void CloseAllMenus();
  TFormMenu* FirstPopup() const { return Popup.get(); }
  // Answers the probe's questions about the bar and its popups.
  LRESULT MenuProbe(uimodel::TProbe query, LPARAM argument) const;

  std::function<void()> OnDoubleClick;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT MenuMessage(UINT message, WPARAM wParam, LPARAM lParam);
  uimodel::TMenuAccessView AccessView() const override;
  // Raises the accessibility events for menu mode (an entry is hot) and the hot entry when they changed.
  void Announce();
  // What a click on the entry does, asked for by assistive technology.
  void AccessAction(int index);
  void Paint();
  void Layout();
  void Redraw();

  int EntryAt(int x) const;
  storage::TItem* Entry(int index) const;
  bool EntryHasChildren(int index) const;
  int EntryCount() const;
  void Apply(uimodel::TMenuEffect effect);
  void OpenEntryPopup(int index);
  void PostSelectAt(int index);
  void OpenHotPopupAt(bool last);

  void LeftDown(int x);
  void LeftUp(int x);
  void MouseMove(int x);
  void RightUp(POINT point);
  void SelectAt(int x);
  void MenuKey(WPARAM key, LPARAM flags);
  bool ForwardKey(UINT message, WPARAM key);
  void ItemCommand(int code, storage::TItem* item);
  void DeleteEntry(storage::TItem& entry);
  void SortEntries(storage::TItem& entry, bool recursive);
  void OpenPicker(storage::TItem& entry, POINT corner);
  void OpenContext(storage::TItem& entry, POINT screen);
  POINT EntryScreenPoint(int index, int dx, int dy) const;
  void ReleaseHeldButton();

  TMenuEnvironment* Environment = nullptr;
  storage::TItem* Root = nullptr;
  bool Ready = false;
  uimodel::TBarMenuState State;
  std::unique_ptr<TFormMenu> Popup;
  TDibCanvas Canvas;
  TMenuAccessHost Access{*this, uimodel::TAccessRole::MenuBar};
};

// The menu font of the settings ("MenuFontName", "MenuFontSize" in points, "MenuFontBold") at the DPI.
win32::unique_hfont CreateSettingsMenuFont(const storage::TSettings& settings, int dpi);

}  // namespace tolvane::ui
