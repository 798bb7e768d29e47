#include "ui/Treeeditor.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>

#include "ui/Geometrywin.h"

namespace tolvane::ui {

namespace {

using A = uimodel::TMainAction;

// The context menu's entries; None is a separator, and "Cancel" only closes the menu.
struct TMenuEntry {
  A Action;
  const wchar_t* Text;
};
constexpr UINT kCancelCommand = 1;
constexpr TMenuEntry kContextMenu[] = {
    {A::InsertBefore, L"Insert New Item Before Selected\tF9"},
    {A::InsertAsSubMenu, L"Add New As Submenu\tF10"},
    {A::InsertAfter, L"Insert New Item After Selected\tF11"},
    {A::DeleteItem, L"Delete Selected Item\tDel"},
    {A::None, nullptr},
    {A::SaveBranchToFile, L"Save Branch To File"},
    {A::None, nullptr},
};

constexpr int kFitSpare = 12;  // pixels beyond the widest node
// Posted to the tree: a chosen file is opened, and a command of the context menu runs, once the control's
// own handling of the click is over (a command may delete the node the control is still holding).
constexpr UINT kOpenChosenFile = WM_APP + 1;
constexpr UINT kRunCommand = WM_APP + 2;

UINT CommandOf(A action) {
  return static_cast<UINT>(action) + 100;
}

bool ActionEnabled(A action, const uimodel::TEditCommandsEnabled& enabled) {
  switch (action) {
    case A::InsertBefore:
      return enabled.InsertBefore;
    case A::InsertAsSubMenu:
      return enabled.InsertAsSubMenu;
    case A::InsertAfter:
      return enabled.InsertAfter;
    case A::DeleteItem:
      return enabled.Delete;
    case A::SaveBranchToFile:
      return enabled.SaveBranch;
    default:
      return false;
  }
}

bool CtrlDown() {
  return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

TTreeItem NodeHandle(storage::TTreeNode node) {
  return {reinterpret_cast<HTREEITEM>(static_cast<std::uintptr_t>(node))};
}

storage::TTreeNode NodeValue(TTreeItem node) {
  return static_cast<storage::TTreeNode>(reinterpret_cast<std::uintptr_t>(node.Handle));
}

}  // namespace

bool TEditorTree::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (OnMessage && OnMessage(message, wParam, lParam, result))
    return true;
  return TTreeView::BeforeMessage(message, wParam, lParam, result);
}

bool TChoiceList::Command(UINT code) {
  if (code != CBN_SELENDOK || !Notifying() || !OnChosen)
    return false;
  OnChosen();
  return true;
}

TTreeEditor::TTreeEditor(TWindow& pane)
    : Pane(pane), Tree(pane, TreeViewId), FileList(pane, FileListId), ContextMenu(::CreatePopupMenu()) {
  Tree.OnSelChanged = [this](TTreeItem node) {
    if (!Rebuilding && OnSelect)
      OnSelect(ItemOf(node));
  };
  Tree.OnKeyDown = [this](WORD key) { return TreeKey(key); };
  // The menu opens here rather than on the WM_CONTEXTMENU that follows: systems differ in which window that
  // message goes to.
  Tree.OnRightClick = [this](TPoint point) {
    Tree.Focus();
    if (const TTreeItem node = Tree.HitTest(point))
      Tree.Select(node);
    POINT screen = ToPOINT(point);
    ::ClientToScreen(Tree.Handle(), &screen);
    ShowContextMenu(screen);
  };
  Tree.OnBeginDrag = [this](TTreeItem node, TPoint point) { BeginDrag(node, point); };
  Tree.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return TreeMessage(message, wParam, lParam, result);
  };
  FileList.OnChosen = [this] {
    const int line = FileList.Selected();
    if (line < 0)
      return;
    const auto index = static_cast<std::size_t>(FileList.ItemData(line));
    if (index >= FilePaths.size())
      return;
    ChosenFile = FilePaths[index];
    ::PostMessageW(Tree.Handle(), kOpenChosenFile, 0, 0);
  };
  for (const TMenuEntry& entry : kContextMenu) {
    if (entry.Action == A::None)
      ::AppendMenuW(ContextMenu.get(), MF_SEPARATOR, 0, nullptr);
    else
      ::AppendMenuW(ContextMenu.get(), MF_STRING, CommandOf(entry.Action), entry.Text);
  }
  ::AppendMenuW(ContextMenu.get(), MF_STRING, kCancelCommand, L"Cancel\tEsc");
}

TTreeEditor::~TTreeEditor() {
  EndDrag();
  // The items outlive the editor; their links to nodes must not.
  if (FilledRoot != nullptr)
    UnlinkBelow(*FilledRoot);
}

void TTreeEditor::Arrange() {
  const TRect client = ClientBounds(Pane.Handle());
  // The closed list's height is the control's own choice: place it once to learn it.
  FileList.SetBounds(TRect{0, 0, client.Width(), 0});
  const int listHeight = FileList.Bounds().Height();
  const int listTop = std::max(0, client.Bottom - listHeight);
  FileList.SetBounds(TRect{0, listTop, client.Width(), listTop + listHeight});
  Tree.SetBounds(TRect{0, 0, client.Width(), std::max(0, listTop - Pane.Scaled(FileListGap))});
}

void TTreeEditor::SetImages(const graphics::TGlyphList& userGlyphs) {
  if (Images || userGlyphs.Count() == 0)
    return;
  auto images = std::make_unique<TImageList>(userGlyphs.CellSize(), userGlyphs.CellSize());
  if (!images->AddGlyphs(userGlyphs))
    return;
  Images = std::move(images);
  Tree.SetImageList(Images->Handle());
}

TTreeItemData TTreeEditor::NodeData(const storage::TItem& item, int image) const {
  TTreeItemData data;
  data.Text = item.Name;
  data.Image = image;
  data.Data = reinterpret_cast<LPARAM>(&item);
  return data;
}

void TTreeEditor::Fill(storage::TItem& root) {
  EndDrag();
  Clear();
  Rebuilding = true;
  {
    const TUpdateBatch batch(Tree);
    const int glyphs = Images ? Images->Count() : 0;
    const std::vector<uimodel::TTreeNodeEntry> entries = uimodel::TreeNodeEntries(root, glyphs);
    std::vector<TTreeItem> nodes;
    nodes.reserve(entries.size());
    for (const uimodel::TTreeNodeEntry& entry : entries) {
      const TTreeItem parent = entry.Parent < 0 ? TTreeItem{} : nodes[static_cast<std::size_t>(entry.Parent)];
      const TTreeItem node = Tree.Add(parent, NodeData(*entry.Item, entry.Image));
      nodes.push_back(node);
      entry.Item->TreeNode = NodeValue(node);
    }
    FilledRoot = &root;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].Expanded)
        Tree.Expand(nodes[i]);
    }
  }
  Rebuilding = false;
}

void TTreeEditor::Clear() {
  EndDrag();
  Rebuilding = true;
  if (FilledRoot != nullptr)
    UnlinkBelow(*FilledRoot);
  FilledRoot = nullptr;
  Tree.Clear();
  Rebuilding = false;
}

void TTreeEditor::UnlinkBelow(storage::TItem& item) {
  // Without recursion: trees may nest as deep as a menu file allows.
  std::vector<storage::TItem*> pending{&item};
  while (!pending.empty()) {
    storage::TItem* next = pending.back();
    pending.pop_back();
    next->TreeNode = storage::TTreeNode::None;
    for (storage::TItem& child : next->Children)
      pending.push_back(&child);
  }
}

storage::TItem* TTreeEditor::ItemOf(TTreeItem node) const {
  return node ? reinterpret_cast<storage::TItem*>(Tree.Data(node)) : nullptr;
}

TTreeItem TTreeEditor::NodeOf(const storage::TItem& item) const {
  return NodeHandle(item.TreeNode);
}

storage::TItem* TTreeEditor::SelectedItem() const {
  return ItemOf(Tree.Selected());
}

void TTreeEditor::Select(const storage::TItem* item) {
  if (item == nullptr || item->TreeNode == storage::TTreeNode::None)
    return;
  const TTreeItem node = NodeOf(*item);
  Tree.Select(node);
  Tree.EnsureVisible(node);
}

void TTreeEditor::SelectSecondNode() {
  const TTreeItem root = Tree.FirstChild({});
  const TTreeItem first = Tree.FirstChild(root);
  if (first || root)
    Tree.Select(first ? first : root);
}

void TTreeEditor::UpdateNode(const storage::TItem& item) {
  if (item.TreeNode == storage::TTreeNode::None)
    return;
  const TTreeItem node = NodeOf(item);
  Tree.SetText(node, item.Name);
  // The root shows the last glyph whatever its own icon.
  if (item.Parent != nullptr)
    Tree.SetImage(node, item.ImageIndex);
}

void TTreeEditor::AddNode(storage::TItem& item) {
  if (item.Parent == nullptr || item.Parent->TreeNode == storage::TTreeNode::None)
    return;
  const TTreeItemData data = NodeData(item, item.ImageIndex);
  const storage::TItem* previous = uimodel::PreviousShownSibling(item);
  const TTreeItem parent = NodeOf(*item.Parent);
  TTreeItem node;
  if (previous != nullptr && previous->TreeNode != storage::TTreeNode::None) {
    node = Tree.InsertAfter(NodeOf(*previous), data);
  } else {
    // First among the shown children: in front of the parent's first node, or its only one.
    const TTreeItem first = Tree.FirstChild(parent);
    node = first ? Tree.InsertBefore(first, data) : Tree.Add(parent, data);
  }
  if (!node)
    return;
  item.TreeNode = NodeValue(node);
  Tree.Select(node);
  Tree.EnsureVisible(node);
}

void TTreeEditor::RemoveNode(storage::TItem& item) {
  if (item.TreeNode == storage::TTreeNode::None)
    return;
  const TTreeItem node = NodeOf(item);
  UnlinkBelow(item);
  // The control may move the selection on the way; the items are still there for OnSelect.
  Tree.Delete(node);
}

void TTreeEditor::Relink(TTreeItem node) {
  std::vector<TTreeItem> pending{node};
  while (!pending.empty()) {
    const TTreeItem next = pending.back();
    pending.pop_back();
    if (storage::TItem* item = ItemOf(next))
      item->TreeNode = NodeValue(next);
    for (TTreeItem child = Tree.FirstChild(next); child; child = Tree.NextSibling(child))
      pending.push_back(child);
  }
}

void TTreeEditor::ExpandAll() {
  {
    const TUpdateBatch batch(Tree);
    Tree.ExpandAll(true);
  }
  if (const TTreeItem selected = Tree.Selected())
    Tree.EnsureVisible(selected);
}

void TTreeEditor::CollapseAll() {
  const TUpdateBatch batch(Tree);
  Tree.ExpandAll(false);
  if (const TTreeItem root = Tree.FirstChild({}))
    Tree.Expand(root);
}

int TTreeEditor::MissingWidth() const {
  if ((::GetWindowLongPtrW(Tree.Handle(), GWL_STYLE) & WS_HSCROLL) == 0)
    return 0;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  if (::GetScrollInfo(Tree.Handle(), SB_HORZ, &info) == FALSE)
    return 0;
  const int hidden = info.nMax - info.nMin + 1 - static_cast<int>(info.nPage);
  return hidden > 0 ? hidden + kFitSpare : 0;
}

bool TTreeEditor::TreeKey(WORD key) {
  const bool ctrl = CtrlDown();
  if (key == VK_DELETE) {
    if (OnCommand)
      OnCommand(A::DeleteItem);
    return true;
  }
  if (ctrl && key == VK_RIGHT) {
    ExpandAll();
    return true;
  }
  if (ctrl && key == VK_LEFT) {
    CollapseAll();
    return true;
  }
  if (ctrl && key == 'A') {
    if (OnCommand)
      OnCommand(A::AppendFile);
    return true;
  }
  if (key == VK_ESCAPE && DragState != TDragState::None) {
    EndDrag();
    return true;
  }
  return false;
}

bool TTreeEditor::TreeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CONTEXTMENU: {
      // A right click has shown the menu already; from the keyboard it opens at the selected node.
      const TTreeItem selected = Tree.Selected();
      RECT row{};
      if (lParam != -1 || !selected ||
          TreeView_GetItemRect(Tree.Handle(), selected.Handle, &row, TRUE) == FALSE)
        return true;
      POINT screen{row.left, row.bottom};
      ::ClientToScreen(Tree.Handle(), &screen);
      ShowContextMenu(screen);
      return true;
    }
    case WM_MOUSEMOVE:
      if (DragState == TDragState::None)
        return false;
      DragMove(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return true;
    case WM_LBUTTONUP:
      if (DragState == TDragState::None)
        return false;
      Drop(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return true;
    case WM_CAPTURECHANGED:
      if (DragState != TDragState::None && reinterpret_cast<HWND>(lParam) != Tree.Handle())
        EndDrag();
      return false;
    case kOpenChosenFile: {
      // A load refills the list and may leave the editor: not from inside the list's notification.
      const std::u16string path = std::move(ChosenFile);
      ChosenFile.clear();
      if (!path.empty() && OnFileChosen)
        OnFileChosen(path);
      return true;
    }
    case kRunCommand:
      if (OnCommand)
        OnCommand(static_cast<A>(wParam));
      return true;
    case WM_TIMER:
      if (wParam == HoverTimer) {
        HoverTimerTick();
        return true;
      }
      if (wParam == ScrollTimer) {
        ScrollTimerTick();
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TTreeEditor::ShowContextMenu(POINT screen) {
  storage::TItem* selected = SelectedItem();
  if (selected == nullptr)
    return;
  const uimodel::TEditCommandsEnabled enabled = uimodel::EditCommandsFor(selected);
  for (const TMenuEntry& entry : kContextMenu) {
    if (entry.Action != A::None)
      ::EnableMenuItem(ContextMenu.get(), CommandOf(entry.Action),
                       MF_BYCOMMAND | (ActionEnabled(entry.Action, enabled) ? MF_ENABLED : MF_GRAYED));
  }
  const UINT command =
      static_cast<UINT>(::TrackPopupMenu(ContextMenu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                         screen.x, screen.y, 0, Tree.Handle(), nullptr));
  for (const TMenuEntry& entry : kContextMenu) {
    if (entry.Action != A::None && command == CommandOf(entry.Action)) {
      ::PostMessageW(Tree.Handle(), kRunCommand, static_cast<WPARAM>(entry.Action), 0);
      return;
    }
  }
}

void TTreeEditor::FillFiles(const storage::TQxMruList& files,
                            const std::function<bool(std::u16string_view)>& isActive) {
  ClearFiles();
  int active = -1;
  for (int i = 0; i < files.Count(); ++i) {
    const storage::TMruItem& entry = files.getItem(i);
    FilePaths.push_back(entry.FileName);
    const int line = FileList.Add(uimodel::RecentFileLine(entry.Name), static_cast<std::intptr_t>(i));
    if (active < 0 && isActive && isActive(entry.FileName))
      active = line;
  }
  FileList.SetSelected(active);
}

void TTreeEditor::ClearFiles() {
  FileList.Clear();
  FilePaths.clear();
}

}  // namespace tolvane::ui
