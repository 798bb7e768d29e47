// TTreeView: walking the tree, opening, selecting, scrolling and its notifications.
#include "ui/Ctltreeview.h"

#include "ui/Geometrywin.h"

namespace tolvane::ui {

TTreeItem TTreeView::Next(TTreeItem item, UINT relation) const {
  return {
      reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item.Handle)))};
}

TTreeItem TTreeView::FirstChild(TTreeItem parent) const {
  return parent ? Next(parent, TVGN_CHILD) : Next({}, TVGN_ROOT);
}

TTreeItem TTreeView::Parent(TTreeItem item) const {
  return item ? Next(item, TVGN_PARENT) : TTreeItem{};
}

TTreeItem TTreeView::NextSibling(TTreeItem item) const {
  return item ? Next(item, TVGN_NEXT) : TTreeItem{};
}

TTreeItem TTreeView::PreviousSibling(TTreeItem item) const {
  return item ? Next(item, TVGN_PREVIOUS) : TTreeItem{};
}

bool TTreeView::IsInside(TTreeItem item, TTreeItem ancestor) const {
  for (TTreeItem walk = item; walk; walk = Parent(walk)) {
    if (walk == ancestor)
      return true;
  }
  return false;
}

bool TTreeView::Expanded(TTreeItem item) const {
  return (Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item.Handle), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// The system asks the parent only the first time the program opens an item, so the wrapper never asks.
void TTreeView::Expand(TTreeItem item, bool expand) {
  ExpandingByProgram = true;
  Send(TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item.Handle));
  ExpandingByProgram = false;
}

void TTreeView::ExpandAll(bool expand) {
  ExpandBranch(FirstChild({}), expand);
}

void TTreeView::ExpandBranch(TTreeItem first, bool expand) {
  for (TTreeItem item = first; item; item = NextSibling(item)) {
    const TTreeItem child = FirstChild(item);
    if (!child)
      continue;
    ExpandBranch(child, expand);
    Expand(item, expand);
  }
}

TTreeItem TTreeView::Selected() const {
  return Next({}, TVGN_CARET);
}

void TTreeView::Select(TTreeItem item) {
  Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item.Handle));
}

void TTreeView::EnsureVisible(TTreeItem item) {
  Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item.Handle));
}

TTreeItem TTreeView::FirstVisible() const {
  return Next({}, TVGN_FIRSTVISIBLE);
}

TTreeItem TTreeView::NextVisible(TTreeItem item) const {
  return item ? Next(item, TVGN_NEXTVISIBLE) : TTreeItem{};
}

TTreeItem TTreeView::PreviousVisible(TTreeItem item) const {
  return item ? Next(item, TVGN_PREVIOUSVISIBLE) : TTreeItem{};
}

void TTreeView::ScrollTo(TTreeItem item) {
  Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(item.Handle));
}

void TTreeView::SetDropTarget(TTreeItem item) {
  Send(TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item.Handle));
}

TTreeItem TTreeView::HitTest(TPoint point) const {
  TVHITTESTINFO hit{};
  hit.pt = ToPOINT(point);
  Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return {hit.hItem};
}

TPoint TTreeView::CursorInClient() const {
  const DWORD position = ::GetMessagePos();
  POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ::ScreenToClient(Handle(), &point);
  return FromPOINT(point);
}

bool TTreeView::Notify(const NMHDR& header, LRESULT& result) {
  if (!Notifying())
    return false;
  const auto& tree = reinterpret_cast<const NMTREEVIEWW&>(header);
  switch (header.code) {
    case TVN_SELCHANGEDW:
      if (OnSelChanged)
        OnSelChanged({tree.itemNew.hItem});
      return true;
    case TVN_ITEMEXPANDINGW:
      // Nonzero keeps the item as it is.
      result =
          !ExpandingByProgram && OnItemExpanding &&
          !OnItemExpanding({tree.itemNew.hItem}, (tree.action & (TVE_EXPAND | TVE_COLLAPSE)) == TVE_EXPAND);
      return true;
    case TVN_BEGINDRAGW:
      if (OnBeginDrag)
        OnBeginDrag({tree.itemNew.hItem}, FromPOINT(tree.ptDrag));
      return true;
    case NM_RCLICK:
      if (OnRightClick)
        OnRightClick(CursorInClient());
      return false;
    default:
      return false;
  }
}

}  // namespace tolvane::ui
