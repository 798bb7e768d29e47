#pragma once
// TTreeView: the system tree view with typed item handles, each item carrying the caller's value.

#include <functional>
#include <string>
#include <string_view>

#include "ui/Control.h"

// After the Windows headers that Control.h brings.
#include <commctrl.h>

namespace tolvane::ui {

// An item of one tree view; null for none.
struct TTreeItem {
  HTREEITEM Handle = nullptr;

  explicit operator bool() const { return Handle != nullptr; }
  bool operator==(const TTreeItem&) const = default;
};

struct TTreeItemData {
  std::u16string Text;
  int Image = 0;           // in the image list
  int SelectedImage = -1;  // -1: the same as Image
  LPARAM Data = 0;         // the caller's value
};

class TTreeView : public TControl {
 public:
  TTreeView(TWindow& parent, int id);

  // The caller's image list, which must outlive its use here.
  void SetImageList(HIMAGELIST images);

  // As the parent's last child; a null parent for a top-level item. A null result when it failed.
  TTreeItem Add(TTreeItem parent, const TTreeItemData& data);
  TTreeItem InsertBefore(TTreeItem sibling, const TTreeItemData& data);
  TTreeItem InsertAfter(TTreeItem sibling, const TTreeItemData& data);
  // Moves the item with its sub-items in front of the target, under the target's parent; the moved item's
  // new handle (the old handles of the branch are gone). Null, and nothing moved, when the target is the item
  // or lies inside its branch.
  TTreeItem MoveBefore(TTreeItem item, TTreeItem target);
  // With its sub-items.
  void Delete(TTreeItem item);
  void Clear();
  int Count() const;

  std::u16string Text(TTreeItem item) const;
  void SetText(TTreeItem item, std::u16string_view text);
  LPARAM Data(TTreeItem item) const;
  void SetData(TTreeItem item, LPARAM data);
  int Image(TTreeItem item) const;
  void SetImage(TTreeItem item, int image, int selectedImage = -1);

  // A null item as parent: the top level.
  TTreeItem FirstChild(TTreeItem parent) const;
  TTreeItem Parent(TTreeItem item) const;
  TTreeItem NextSibling(TTreeItem item) const;
  TTreeItem PreviousSibling(TTreeItem item) const;
  // True when item is ancestor or lies below it.
  bool IsInside(TTreeItem item, TTreeItem ancestor) const;

  bool Expanded(TTreeItem item) const;
  // Opening and closing by the program does not ask OnItemExpanding.
  void Expand(TTreeItem item, bool expand = true);
  // Every item of the tree.
  void ExpandAll(bool expand);

  TTreeItem Selected() const;
  // Raises OnSelChanged when the selection changes.
  void Select(TTreeItem item);
  void EnsureVisible(TTreeItem item);
  TTreeItem FirstVisible() const;
  TTreeItem NextVisible(TTreeItem item) const;
  TTreeItem PreviousVisible(TTreeItem item) const;
  // Scrolls so that the item is the top row.
  void ScrollTo(TTreeItem item);
  // Marks the item as the target of a drag; null clears the mark.
  void SetDropTarget(TTreeItem item);
  // The item on whose row the point (client pixels) lies; null over empty space.
  TTreeItem HitTest(TPoint point) const;

  std::function<void(TTreeItem selected)> OnSelChanged;
  // Before the user opens or closes an item; answering false keeps it as it is.
  std::function<bool(TTreeItem item, bool expanding)> OnItemExpanding;
  // The user started dragging the item with the left button; the point in client pixels.
  std::function<void(TTreeItem item, TPoint point)> OnBeginDrag;
  // A right click; the point in client pixels.
  std::function<void(TPoint point)> OnRightClick;

 private:
  bool Notify(const NMHDR& header, LRESULT& result) override;
  TTreeItem Insert(TTreeItem parent, HTREEITEM after, const TTreeItemData& data);
  TTreeItem Next(TTreeItem item, UINT relation) const;
  TTreeItemData ItemData(TTreeItem item) const;
  TTreeItem CopyBranch(TTreeItem item, TTreeItem parent, HTREEITEM after);
  void ExpandBranch(TTreeItem first, bool expand);
  TPoint CursorInClient() const;

  bool ExpandingByProgram = false;
};

}  // namespace tolvane::ui
