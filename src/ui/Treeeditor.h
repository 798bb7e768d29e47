#pragma once
// TTreeEditor, the tree side of the editor: the tree view mirroring the menu's items ("TreeView"), the
// recent-files list under it ("CmbFiles") and the tree's context menu ("PopupMenuTv"). It keeps nodes and
// items linked, moves items by drag and drop, and hands every command to its owner, which decides.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "graphics/Glyphlist.h"
#include "platform/win32/Handles.h"
#include "storage/Item.h"
#include "storage/Qxmrulist.h"
#include "ui/Ctlcombobox.h"
#include "ui/Ctltreeview.h"
#include "ui/Imagelist.h"
#include "ui/Window.h"
#include "uimodel/Mainactions.h"
#include "uimodel/Treeedit.h"

namespace tolvane::ui {

// The tree view with the messages a drag needs (mouse while captured, its two timers) passed to its owner.
class TEditorTree final : public TTreeView {
 public:
  using TTreeView::TTreeView;
  // True (with the result) keeps the message from the control.
  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> OnMessage;

 private:
  bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A drop-down list that reports a line only once it is chosen, not while the keys walk the opened list.
class TChoiceList final : public TComboBox {
 public:
  TChoiceList(TWindow& parent, int id) : TComboBox(parent, id, TComboKind::DropDownList) {}
  std::function<void()> OnChosen;

 private:
  bool Command(UINT code) override;
};

class TTreeEditor {
 public:
  static constexpr int TreeViewId = 201;
  static constexpr int FileListId = 202;
  static constexpr int FileListGap = 6;  // design pixels between the tree and the file list
  // The drag's message-loop timers on the tree view, out of the way of the control's own.
  static constexpr UINT_PTR HoverTimer = 0x7431;
  static constexpr UINT_PTR ScrollTimer = 0x7432;

  // Creates the controls in the pane, which must outlive them.
  explicit TTreeEditor(TWindow& pane);
  TTreeEditor(const TTreeEditor&) = delete;
  TTreeEditor& operator=(const TTreeEditor&) = delete;
  ~TTreeEditor();

  // The tree fills the pane above the file list; whenever the pane is sized.
  void Arrange();
  // The nodes' images: the user glyphs in index order. Made once, while there are none yet.
  void SetImages(const graphics::TGlyphList& userGlyphs);

  // Builds the tree from the root: the root expanded one level, every shown item linked with its node.
  // Nothing is selected afterwards and OnSelect is not called on the way.
  void Fill(storage::TItem& root);
  // Empties the tree and unlinks every item below the root that was filled; the items must still exist.
  void Clear();
  int NodeCount() const { return Tree.Count(); }

  // The item of the selected node; null when none is selected.
  storage::TItem* SelectedItem() const;
  // Selects the item's node (null or an item without a node: nothing), which calls OnSelect.
  void Select(const storage::TItem* item);
  // The root's first child, or the root when it has none.
  void SelectSecondNode();
  // Caption and icon of the item's node after they changed.
  void UpdateNode(const storage::TItem& item);
  // A node for an item that was just placed among the items: where its place says, linked and selected.
  void AddNode(storage::TItem& item);
  // Deletes the item's node with the nodes below it and unlinks them, before the items go.
  void RemoveNode(storage::TItem& item);
  // Ctrl+Right: every node open, the selection in view. Ctrl+Left: every node closed but the root.
  void ExpandAll();
  void CollapseAll();

  // How much wider the tree must be so that no horizontal scroll bar is needed; 0 when none shows.
  int MissingWidth() const;
  bool Focused() const { return Tree.Focused(); }
  void Focus() { Tree.Focus(); }

  // Recent files, one line each; the active file's line is chosen.
  void FillFiles(const storage::TQxMruList& files, const std::function<bool(std::u16string_view)>& isActive);
  void ClearFiles();

  // The selected node changed (null: none).
  std::function<void(storage::TItem* item)> OnSelect;
  // A command from the context menu or the tree's keys (Del, Ctrl+A).
  std::function<void(uimodel::TMainAction action)> OnCommand;
  // The user chose a line of the recent-files list.
  std::function<void(const std::u16string& path)> OnFileChosen;
  // A drop moved the item (nodes and items both).
  std::function<void(storage::TItem& moved)> OnMoved;

  // For tests: the node of an item, and the controls.
  TTreeItem NodeOf(const storage::TItem& item) const;
  TEditorTree& View() { return Tree; }
  TChoiceList& Files() { return FileList; }

 private:
  enum class TDragState { None, Armed, Dragging };

  storage::TItem* ItemOf(TTreeItem node) const;
  TTreeItemData NodeData(const storage::TItem& item, int image) const;
  void Relink(TTreeItem node);
  void UnlinkBelow(storage::TItem& item);
  bool TreeKey(WORD key);
  void ShowContextMenu(POINT screen);
  bool TreeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Drag and drop (Treeeditordrag.cpp).
  void BeginDrag(TTreeItem node, TPoint point);
  void DragMove(TPoint point);
  void DragOver(TPoint point);
  void Drop(TPoint point);
  void EndDrag();
  void HoverTimerTick();
  void ScrollTimerTick();
  TPoint CursorInTree() const;
  storage::TItem* DropTargetAt(TPoint point, TTreeItem& node) const;

  TWindow& Pane;
  std::unique_ptr<TImageList> Images;  // before the tree, which draws from it
  TEditorTree Tree;
  TChoiceList FileList;
  win32::unique_hmenu ContextMenu;
  std::vector<std::u16string> FilePaths;  // the lines' paths, by the value each line holds
  std::u16string ChosenFile;              // waiting for its posted message
  storage::TItem* FilledRoot = nullptr;
  bool Rebuilding = false;  // node changes of the program's own do not reach OnSelect

  TDragState DragState = TDragState::None;
  TTreeItem DragNode;
  storage::TItem* DragItem = nullptr;
  TPoint DragPressed;
  uimodel::TDragHover Hover;
  uimodel::TDragScroll Scrolling = uimodel::TDragScroll::None;
};

}  // namespace tolvane::ui
