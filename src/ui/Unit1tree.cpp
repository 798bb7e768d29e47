// TForm1: the tree side of the editor. The tree of items with its context menu and the recent-files list
// under it, and the edit commands that change the tree: insert, delete, drag and drop, save branch.

#include "ui/Unit1.h"

#include <string>

#include "execution/Shellhlpr.h"
#include "ui/Geometrywin.h"
#include "uimodel/Mainwindow.h"
#include "uimodel/Treeedit.h"

namespace tolvane::ui {

namespace {

using A = uimodel::TMainAction;

bool KeyDown(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

void TForm1::CreateTreeEditor() {
  TreeEditor = std::make_unique<TTreeEditor>(EditorPanes.TreePane());
  EditorPanes.TreePane().OnSize = [this] { TreeEditor->Arrange(); };
  TreeEditor->OnSelect = [this](storage::TItem* item) {
    ShowEditedItem(item);
    UpdateEditCommands();
  };
  TreeEditor->OnCommand = [this](A action) { RunTreeCommand(action, false); };
  TreeEditor->OnFileChosen = [this](const std::u16string& path) { ChooseRecentFile(path); };
  TreeEditor->OnMoved = [this](storage::TItem& /*moved*/) { Context.Menu.MenuModified = true; };
  UpdateEditCommands();
}

void TForm1::EnterTreeEditor() {
  TreeEditor->SetImages(Glyphs.User);
  TreeEditor->Arrange();
  RebuildTree(nullptr);
  FillFileList();
  TreeEditor->Focus();
}

// Menu mode may delete and sort items without the tree knowing: the tree holds no nodes while it is hidden.
void TForm1::LeaveTreeEditor() {
  TreeEditor->Clear();
  TreeEditor->ClearFiles();
  ShowEditedItem(nullptr);
  UpdateEditCommands();
}

// The item to keep selected if it is still part of the menu; else the second node.
void TForm1::RebuildTree(const storage::TItem* keepSelected) {
  storage::TItem* root = Context.Menu.RootItem.get();
  if (root == nullptr) {
    TreeEditor->Clear();
  } else {
    TreeEditor->Fill(*root);
    const bool keep = keepSelected != nullptr && (keepSelected == root || ContainsItem(keepSelected)) &&
                      keepSelected->TreeNode != storage::TTreeNode::None;
    if (keep)
      TreeEditor->Select(keepSelected);
    else
      TreeEditor->SelectSecondNode();
  }
  if (TreeEditor->SelectedItem() == nullptr)
    ShowEditedItem(nullptr);
  UpdateEditCommands();
  UpdateCaption();
}

void TForm1::FillFileList() {
  TreeEditor->FillFiles(Context.Settings.MruList, [this](std::u16string_view path) {
    return Context.Services.Locale.Compare(path, Context.Settings.ActiveFile, true,
                                           platform::TLocaleScope::System) == 0;
  });
}

// Another file replaces the menu only once the pending changes are safe.
void TForm1::ChooseRecentFile(const std::u16string& path) {
  if (!IsEditorMode())
    return;
  const bool active = Context.Services.Locale.Compare(path, Context.Settings.ActiveFile, true,
                                                      platform::TLocaleScope::System) == 0;
  if (active || !SavePendingChanges() || !LoadMenu(path, false))
    FillFileList();
}

void TForm1::RunTreeCommand(A action, bool fromToolButton) {
  if (!IsEditorMode())
    return;
  // Ctrl held with a plain insert (a tool button, the context menu) fills from the clipboard as well.
  const auto insert = [this](uimodel::TInsertKind kind, bool ctrlAction) {
    storage::TItem* selected = TreeEditor->SelectedItem();
    if (selected != nullptr)
      InsertItem(kind, ctrlAction || KeyDown(VK_CONTROL), *selected);
  };
  switch (action) {
    case A::InsertBefore:
    case A::CtrlInsertBefore:
      insert(uimodel::TInsertKind::Before, action == A::CtrlInsertBefore);
      return;
    case A::InsertAsSubMenu:
    case A::CtrlInsertAsSubMenu:
      insert(uimodel::TInsertKind::AsSubMenu, action == A::CtrlInsertAsSubMenu);
      return;
    case A::InsertAfter:
    case A::CtrlInsertAfter:
      insert(uimodel::TInsertKind::After, action == A::CtrlInsertAfter);
      return;
    case A::DeleteItem:
      DeleteSelectedItem(fromToolButton);
      return;
    case A::SaveBranchToFile:
      SaveSelectedBranch();
      return;
    case A::AppendFile:
      RunFileCommand(action);
      return;
    default:
      return;
  }
}

void TForm1::InsertItem(uimodel::TInsertKind kind, bool ctrl, storage::TItem& selected) {
  const storage::TSettings& settings = Context.Settings;
  const uimodel::TRoomMetrics room{WorkArea.Bottom, settings.ItemHeight, settings.EdgeSize};
  const uimodel::TInsertPlan plan = uimodel::PlanInsert(selected, kind, room);
  const auto owner = reinterpret_cast<platform::TWindowHandle>(Hwnd);
  switch (plan.Outcome) {
    case uimodel::TInsertOutcome::NotAllowed:
      return;
    case uimodel::TInsertOutcome::NoRoom:
      execution::ShowInformationMessage(Context.Services.MessageBox, uimodel::InsertMessageCaption,
                                        uimodel::NoRoomText, owner);
      return;
    case uimodel::TInsertOutcome::TooDeep:
      execution::ShowInformationMessage(Context.Services.MessageBox, uimodel::InsertMessageCaption,
                                        uimodel::TooDeepText, owner);
      return;
    case uimodel::TInsertOutcome::Insert:
      break;
  }
  const int largestBefore = uimodel::LargestChildCount(*Context.Menu.RootItem);
  storage::TItem* item = uimodel::InsertNewItem(plan, NewItemIcon);
  if (item == nullptr)
    return;
  if (uimodel::FillsFromClipboard(*item, ctrl)) {
    // A clipboard that cannot be read leaves an empty clip, as an empty clipboard does.
    if (const std::optional<std::u16string> text = execution::GetClipboardText(Context.Services.Clipboard))
      uimodel::ApplyClipboardFill(*item, uimodel::ClassifyClipboardText(*text));
  }
  Context.Menu.MenuModified = true;
  TreeEditor->AddNode(*item);
  if (plan.Parent->Children.Count() > largestBefore)
    UpdatePopupGradients();
  if (OnFocusCaption)
    OnFocusCaption();
}

// From a key or the context menu the tree must have the focus, so a Del meant for a text field never
// deletes an item; the tool button deletes whatever has the focus.
void TForm1::DeleteSelectedItem(bool fromToolButton) {
  if (!IsEditorMode() || (!fromToolButton && !TreeEditor->Focused()))
    return;
  storage::TItem* item = TreeEditor->SelectedItem();
  if (item == nullptr || !uimodel::EditCommandsFor(item).Delete)
    return;
  if (!KeyDown(VK_SHIFT) && !execution::AskYesNo(Context.Services.MessageBox, uimodel::TreeDeleteCaption,
                                                 uimodel::TreeDeleteQuestion(*item),
                                                 reinterpret_cast<platform::TWindowHandle>(Hwnd)))
    return;
  // Nothing may keep pointing at the items that go: the edit side, the repeat, the nodes.
  ShowEditedItem(nullptr);
  ItemsRemoving(*item);
  TreeEditor->RemoveNode(*item);
  storage::TItem* next = uimodel::DeleteFromTree(*item);
  Context.Menu.MenuModified = true;
  TreeEditor->Select(next);
  if (TreeEditor->SelectedItem() == nullptr)
    ShowEditedItem(nullptr);
  UpdateEditCommands();
}

void TForm1::SaveSelectedBranch() {
  const storage::TItem* item = TreeEditor->SelectedItem();
  if (item != nullptr && uimodel::EditCommandsFor(item).SaveBranch)
    SaveBranch(*item);
}

// The commands the selection does not allow are greyed on the tool buttons; their actions refuse them too.
void TForm1::UpdateEditCommands() {
  const storage::TItem* selected = IsEditorMode() ? TreeEditor->SelectedItem() : nullptr;
  const uimodel::TEditCommandsEnabled enabled = uimodel::EditCommandsFor(selected);
  EditorPanes.SetActionEnabled(A::InsertBefore, enabled.InsertBefore);
  EditorPanes.SetActionEnabled(A::InsertAsSubMenu, enabled.InsertAsSubMenu);
  EditorPanes.SetActionEnabled(A::InsertAfter, enabled.InsertAfter);
  EditorPanes.SetActionEnabled(A::DeleteItem, enabled.Delete);
  EditorPanes.SetActionEnabled(A::SaveBranchToFile, enabled.SaveBranch);
}

// After a file is opened the tree side grows until its widest visible node fits, and takes the keys.
void TForm1::WidenTreeToFit() {
  if (!IsEditorMode())
    return;
  TreeEditor->Focus();
  const int missing = TreeEditor->MissingWidth();
  if (missing <= 0)
    return;
  Context.Settings.PnlLeft = ClientBounds(EditorPanes.TreeSide()).Width() + missing;
  ArrangeChildren();
}

void TForm1::ShowEditedItem(storage::TItem* item) {
  EditedItem = item;
  ShowInEditPanel(item);
}

}  // namespace tolvane::ui
