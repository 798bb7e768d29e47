#pragma once
// TFrmSearch, the modal Search dialog over all items of the loaded menu: two term boxes on a gradient panel,
// the found items in a virtual list, and the selected item's values in a detail pane under a splitter. What
// it shows is storage::TSearchEngine; where the controls go and what the keys do is uimodel::Searchdialog.

#include <functional>
#include <memory>
#include <string_view>

#include "graphics/Glyphlist.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win.h"
#include "storage/Item.h"
#include "storage/Searchfrm.h"
#include "ui/Appcontext.h"
#include "ui/Window.h"
#include "uimodel/Searchdialog.h"

namespace tolvane::ui {

class TImageList;

class TFrmSearch final : public TWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TFrmSearch";

  // Creates the dialog hidden at its stored bounds, over the owner; the items are read once it is shown.
  // userGlyphs: the menus' item images. Throws std::system_error when a window cannot be created.
  TFrmSearch(TAppContext& context, HWND owner, storage::TItem& root, const graphics::TGlyphList& userGlyphs);
  ~TFrmSearch() override;

  // Runs the dialog; the item of the selected row after Enter or a double click, null after Cancel or when
  // no row was selected. Stores the bounds and the pane height in the settings; the window is gone after.
  storage::TItem* ShowModal();

  // The help page at the anchor.
  std::function<void(std::u16string_view anchor)> OnHelp;

 private:
  struct TControls;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ScaleChanged() override;

  void CreateFonts();
  void Arrange();
  void Paint(HDC dc);
  void LoadItems();
  void TermChanged(bool first);
  void Fill();
  void ShowDetail(int row);
  int ImageOf(int index) const;
  bool PreTranslate(const MSG& message);
  void RouteWheel(const MSG& message);
  void Choose();
  void ShowHelp();
  bool SetCursorAt(POINT client) const;
  void MouseDown(POINT client);
  void MouseMove(POINT client);
  void StoreSettings();

  TAppContext& Context;
  storage::TItem& Root;
  storage::TSearchEngine Engine;
  std::unique_ptr<TImageList> Images;
  std::unique_ptr<TControls> Hosted;
  win32::unique_hfont DetailFont;
  uimodel::TSearchDialogLayout Layout;
  int PaneHeight = 0;  // as stored; the layout keeps it within the client
  bool Filling = false;
  bool Done = false;
  storage::TItem* Chosen = nullptr;
  // The splitter drag: the press's client y and the pane height then; -1 when not dragging.
  int DragStartY = -1;
  int DragStartPane = 0;
};

}  // namespace tolvane::ui
