// TTreeEditor: moving items by dragging their nodes, with the tree scrolling at its edges and a node opening
// when the pointer rests on it.
#include "ui/Treeeditor.h"

#include "ui/Geometrywin.h"

namespace tolvane::ui {

// The control reports a drag once the pointer left the system's small box; ours starts a little further out.
void TTreeEditor::BeginDrag(TTreeItem node, TPoint point) {
  storage::TItem* item = ItemOf(node);
  // A button already released has no drag to follow.
  if (item == nullptr || Rebuilding || (::GetKeyState(VK_LBUTTON) & 0x8000) == 0)
    return;
  DragState = TDragState::Armed;
  DragNode = node;
  DragItem = item;
  DragPressed = point;
  ::SetCapture(Tree.Handle());
  DragMove(CursorInTree());
}

void TTreeEditor::DragMove(TPoint point) {
  if (DragState == TDragState::Armed) {
    if (!uimodel::DragStarts(DragPressed, point))
      return;
    DragState = TDragState::Dragging;
  }
  DragOver(point);
}

storage::TItem* TTreeEditor::DropTargetAt(TPoint point, TTreeItem& node) const {
  node = Tree.HitTest(point);
  return ItemOf(node);
}

void TTreeEditor::DragOver(TPoint point) {
  const int height = ClientBounds(Tree.Handle()).Height();
  const uimodel::TDragScroll scroll = uimodel::DragScrollFor(point.Y, height);
  TTreeItem node;
  storage::TItem* target = DropTargetAt(point, node);
  if (scroll != uimodel::TDragScroll::None) {
    Hover.Forget();
    ::KillTimer(Tree.Handle(), HoverTimer);
    if (scroll != Scrolling) {
      Scrolling = scroll;
      ::SetTimer(Tree.Handle(), ScrollTimer,
                 static_cast<UINT>(uimodel::DragScrollFirstInterval(scroll, point.Y, height)), nullptr);
    }
  } else {
    if (Scrolling != uimodel::TDragScroll::None) {
      Scrolling = uimodel::TDragScroll::None;
      ::KillTimer(Tree.Handle(), ScrollTimer);
    }
    if (Hover.MoveOver(target))
      ::SetTimer(Tree.Handle(), HoverTimer, uimodel::HoverTime, nullptr);
    else if (!Hover.TimerRunning())
      ::KillTimer(Tree.Handle(), HoverTimer);
  }
  const bool accepted = target != nullptr && uimodel::CanDrop(*DragItem, *target);
  Tree.SetDropTarget(accepted ? node : TTreeItem{});
  ::SetCursor(::LoadCursorW(nullptr, accepted ? IDC_ARROW : IDC_NO));
}

void TTreeEditor::HoverTimerTick() {
  ::KillTimer(Tree.Handle(), HoverTimer);
  if (DragState != TDragState::Dragging)
    return;
  const storage::TItem* open = Hover.Fire(DragItem);
  if (open != nullptr && open->TreeNode != storage::TTreeNode::None)
    Tree.Expand(NodeOf(*open));
}

void TTreeEditor::ScrollTimerTick() {
  ::KillTimer(Tree.Handle(), ScrollTimer);
  if (DragState != TDragState::Dragging || Scrolling == uimodel::TDragScroll::None)
    return;
  const TTreeItem top = Tree.FirstVisible();
  const TTreeItem next =
      Scrolling == uimodel::TDragScroll::Down ? Tree.NextVisible(top) : Tree.PreviousVisible(top);
  if (next)
    Tree.ScrollTo(next);
  const TPoint cursor = CursorInTree();
  const uimodel::TDragScrollTick tick =
      uimodel::DragScrollTickFor(Scrolling, cursor.Y, ClientBounds(Tree.Handle()).Height());
  if (tick.Repaint)
    ::UpdateWindow(Tree.Handle());
  ::SetTimer(Tree.Handle(), ScrollTimer, static_cast<UINT>(tick.Interval), nullptr);
}

void TTreeEditor::Drop(TPoint point) {
  const bool dragging = DragState == TDragState::Dragging;
  TTreeItem targetNode;
  storage::TItem* target = DropTargetAt(point, targetNode);
  storage::TItem* dragged = DragItem;
  const TTreeItem draggedNode = DragNode;
  EndDrag();
  if (!dragging || target == nullptr || dragged == nullptr || !uimodel::DropInFrontOf(*dragged, *target))
    return;
  const TTreeItem moved = Tree.MoveBefore(draggedNode, targetNode);
  if (moved) {
    Relink(moved);
  } else if (FilledRoot != nullptr) {
    // The items moved but the nodes could not follow: the tree is built again from the items.
    storage::TItem* selected = SelectedItem();
    Fill(*FilledRoot);
    Select(selected == nullptr ? dragged : selected);
  }
  if (OnMoved)
    OnMoved(*dragged);
}

void TTreeEditor::EndDrag() {
  if (DragState == TDragState::None)
    return;
  DragState = TDragState::None;
  DragItem = nullptr;
  DragNode = {};
  Hover.Forget();
  Scrolling = uimodel::TDragScroll::None;
  if (Tree.Handle() == nullptr)
    return;
  ::KillTimer(Tree.Handle(), HoverTimer);
  ::KillTimer(Tree.Handle(), ScrollTimer);
  Tree.SetDropTarget({});
  if (::GetCapture() == Tree.Handle())
    ::ReleaseCapture();
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

TPoint TTreeEditor::CursorInTree() const {
  POINT point{};
  ::GetCursorPos(&point);
  ::ScreenToClient(Tree.Handle(), &point);
  return FromPOINT(point);
}

}  // namespace tolvane::ui
