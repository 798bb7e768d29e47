#include "ui/Ctltreeview.h"

namespace tolvane::ui {

namespace {

constexpr DWORD kTreeStyle = WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

TVITEMEXW ItemFields(const TTreeItemData& data) {
  TVITEMEXW fields{};
  fields.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  fields.iImage = data.Image;
  fields.iSelectedImage = data.SelectedImage < 0 ? data.Image : data.SelectedImage;
  fields.lParam = data.Data;
  return fields;
}

}  // namespace

TTreeView::TTreeView(TWindow& parent, int id)
    : TControl(parent, id, {WC_TREEVIEWW, kTreeStyle, WS_EX_CLIENTEDGE}) {}

void TTreeView::SetImageList(HIMAGELIST images) {
  Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

TTreeItem TTreeView::Insert(TTreeItem parent, HTREEITEM after, const TTreeItemData& data) {
  std::wstring text = win32::Wide(data.Text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent ? parent.Handle : TVI_ROOT;
  insert.hInsertAfter = after;
  insert.itemex = ItemFields(data);
  insert.itemex.pszText = text.data();
  return {reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)))};
}

TTreeItem TTreeView::Add(TTreeItem parent, const TTreeItemData& data) {
  return Insert(parent, TVI_LAST, data);
}

TTreeItem TTreeView::InsertBefore(TTreeItem sibling, const TTreeItemData& data) {
  const TTreeItem previous = PreviousSibling(sibling);
  return Insert(Parent(sibling), previous ? previous.Handle : TVI_FIRST, data);
}

TTreeItem TTreeView::InsertAfter(TTreeItem sibling, const TTreeItemData& data) {
  return Insert(Parent(sibling), sibling.Handle, data);
}

TTreeItem TTreeView::MoveBefore(TTreeItem item, TTreeItem target) {
  if (!item || !target || IsInside(target, item))
    return {};
  const TTreeItem previous = PreviousSibling(target);
  const bool wasSelected = Selected() == item;
  const TTreeItem moved = CopyBranch(item, Parent(target), previous ? previous.Handle : TVI_FIRST);
  if (!moved)
    return {};
  // Selected first, so that deleting the old branch does not move the selection elsewhere on the way.
  if (wasSelected)
    Select(moved);
  Delete(item);
  return moved;
}

// Copies the item and its sub-items depth first, with their open or closed state.
TTreeItem TTreeView::CopyBranch(TTreeItem item, TTreeItem parent, HTREEITEM after) {
  const TTreeItem copy = Insert(parent, after, ItemData(item));
  if (!copy)
    return {};
  for (TTreeItem child = FirstChild(item); child; child = NextSibling(child)) {
    if (!CopyBranch(child, copy, TVI_LAST)) {
      Delete(copy);
      return {};
    }
  }
  if (Expanded(item))
    Expand(copy);
  return copy;
}

void TTreeView::Delete(TTreeItem item) {
  if (item)
    Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item.Handle));
}

void TTreeView::Clear() {
  Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

int TTreeView::Count() const {
  return static_cast<int>(Send(TVM_GETCOUNT));
}

TTreeItemData TTreeView::ItemData(TTreeItem item) const {
  TVITEMEXW fields{};
  fields.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  fields.hItem = item.Handle;
  Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
  return {Text(item), fields.iImage, fields.iSelectedImage, fields.lParam};
}

std::u16string TTreeView::Text(TTreeItem item) const {
  // The control answers with as much as fits; a text that fills the buffer may have been cut.
  for (std::size_t size = 256;; size *= 4) {
    std::wstring text(size, L'\0');
    TVITEMEXW fields{};
    fields.mask = TVIF_TEXT;
    fields.hItem = item.Handle;
    fields.pszText = text.data();
    fields.cchTextMax = static_cast<int>(size);
    if (Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&fields)) == FALSE)
      return {};
    const std::size_t length = std::wstring_view(fields.pszText).size();
    if (length + 1 < size || size >= 1u << 20)
      return win32::Narrow16(std::wstring_view(fields.pszText, length));
  }
}

void TTreeView::SetText(TTreeItem item, std::u16string_view text) {
  std::wstring wide = win32::Wide(text);
  TVITEMEXW fields{};
  fields.mask = TVIF_TEXT;
  fields.hItem = item.Handle;
  fields.pszText = wide.data();
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
}

LPARAM TTreeView::Data(TTreeItem item) const {
  TVITEMEXW fields{};
  fields.mask = TVIF_PARAM;
  fields.hItem = item.Handle;
  Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
  return fields.lParam;
}

void TTreeView::SetData(TTreeItem item, LPARAM data) {
  TVITEMEXW fields{};
  fields.mask = TVIF_PARAM;
  fields.hItem = item.Handle;
  fields.lParam = data;
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
}

int TTreeView::Image(TTreeItem item) const {
  TVITEMEXW fields{};
  fields.mask = TVIF_IMAGE;
  fields.hItem = item.Handle;
  Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
  return fields.iImage;
}

void TTreeView::SetImage(TTreeItem item, int image, int selectedImage) {
  TVITEMEXW fields{};
  fields.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  fields.hItem = item.Handle;
  fields.iImage = image;
  fields.iSelectedImage = selectedImage < 0 ? image : selectedImage;
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
}

}  // namespace tolvane::ui
