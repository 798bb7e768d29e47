#pragma once
// TFormMenu, a borderless popup that shows the children of one item as a vertical list. Each open level is
// one TFormMenu: the bar owns the first, each popup the one of its hot item's sub-menu. Popups never take
// the activation; the bar keeps the keyboard focus and forwards keys to KeyTargetWindow as UM_MENU_KEY.

#include <memory>

#include "storage/Item.h"
#include "ui/Dibcanvas.h"
#include "ui/Menuaccessible.h"
#include "ui/Menuenv.h"
#include "ui/Window.h"
#include "uimodel/Menukeys.h"
#include "uimodel/Menulayout.h"
#include "uimodel/Menustate.h"

namespace tolvane::ui {

class TFormMenu final : public TWindow, private IMenuAccessSource {
 public:
  static constexpr const wchar_t* kClassName = L"TFormMenu";

  // owner: the bar's panel or the parent popup; it receives UM_CLOSE_LEVEL and UM_REOPEN_MENU.
  TFormMenu(TMenuEnvironment& environment, HWND owner);
  ~TFormMenu() override;

  // Lays the popup out for the item's children at the anchor, paints and shows it. A popup shown for another
  // item forgets its hot and pressed rows and hides its child first.
  void Popup(storage::TItem& parent, const uimodel::TPopupAnchor& anchor, bool fromBar);
  // Hides the popup and everything below it and forgets its item.
  void HideLevel();
  bool Shown() const { return Parent != nullptr; }
  storage::TItem* Item() const { return Parent; }
  TFormMenu* ChildMenu() const { return Child.get(); }
  int HotRow() const { return State.Hot(); }
  // Makes the row hot (scrolled into view), opens its sub-menu and takes the forwarded keys.
  void SelectRow(int row);
  // Repaints every row (after the appearance or an item changed).
  void RepaintAll();

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT MenuMessage(UINT message, WPARAM wParam, LPARAM lParam);
  uimodel::TMenuAccessView AccessView() const override;
  // Raises the accessibility events for the popup's visibility and hot row when they changed.
  void Announce();
  // What a click on the row does, asked for by assistive technology.
  void AccessAction(int row);
  void Paint();
  void PaintRow(int row);
  void PaintStrips();
  void ShowRows(const TRect& area);
  void RedrawRows(int first, int second);
  void EnsureCanvas(int width, int height);

  void MouseMove(TPoint point);
  void LeftDown(TPoint point);
  void LeftUp(TPoint point);
  void RightUp(TPoint point);
  void MenuKey(WPARAM key, LPARAM flags);
  void ItemCommand(int code, storage::TItem* item);
  void ScrollStripTimer();
  void Scroll(int rows);

  void SetHot(int row);
  void OpenHotSubMenu(bool selectFirst, bool selectLast);
  void CloseChild();
  void PerformHot();
  void DeleteHot(storage::TItem& item);
  void DeleteRecentFile(storage::TItem& item);
  void SortFor(storage::TItem& item, bool recursive);
  void OpenPicker(storage::TItem& item, POINT corner);
  void OpenContext(storage::TItem& item, POINT screen);
  void UpdatePreview();
  void Relayout();
  void AfterSideWindow();
  POINT RowScreenCorner(int row, int dx, int dy) const;
  storage::TItem* RowItem(int row) const;
  bool RowHasChildren(int row) const;
  void TakeKeys();

  TMenuEnvironment& Environment;
  HWND OwnerWindow;
  storage::TItem* Parent = nullptr;
  uimodel::TPopupAnchor Anchor;
  bool FromBar = false;
  bool OpenedDownwards = true;
  uimodel::TPopupRows Rows;
  int Width = 0;
  uimodel::TPopupMenuState State;
  std::unique_ptr<TFormMenu> Child;
  TDibCanvas Canvas;
  int StripDirection = 0;  // −1 or 1 while the mouse rests on a scroll strip
  TMenuAccessHost Access{*this, uimodel::TAccessRole::MenuPopup};
};

}  // namespace tolvane::ui
