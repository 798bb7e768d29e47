#include "ui/Ctllistview.h"

#include <algorithm>

namespace tolvane::ui {

namespace {

// The caller's image list is shared: a list view would otherwise destroy it with itself.
constexpr DWORD kListStyle =
    WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES | LVS_EX_DOUBLEBUFFER;

}  // namespace

TReportListView::TReportListView(TWindow& parent, int id, DWORD extraStyle)
    : TControl(parent, id, {WC_LISTVIEWW, kListStyle | extraStyle, WS_EX_CLIENTEDGE}) {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, kListExStyle, kListExStyle);
}

TListView::TListView(TWindow& parent, int id) : TReportListView(parent, id, 0) {}

TVirtualListView::TVirtualListView(TWindow& parent, int id) : TReportListView(parent, id, LVS_OWNERDATA) {}

void TReportListView::SetImageList(HIMAGELIST images) {
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void TReportListView::AddColumn(std::u16string_view caption, int width) {
  std::wstring text = win32::Wide(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.pszText = text.data();
  column.iSubItem = ColumnCount();
  Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column.iSubItem), reinterpret_cast<LPARAM>(&column));
}

int TReportListView::ColumnCount() const {
  const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  return header != nullptr ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int TListView::AddRow(const std::vector<TListCell>& cells, LPARAM data) {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = RowCount();
  item.lParam = data;
  const auto row = static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0)
    return -1;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    if (!SetCell(row, static_cast<int>(column), cells[column])) {
      Send(LVM_DELETEITEM, static_cast<WPARAM>(row));
      return -1;
    }
  }
  return row;
}

bool TListView::SetCell(int row, int column, const TListCell& cell) {
  std::wstring text = win32::Wide(cell.Text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = text.data();
  item.iImage = cell.Image < 0 ? I_IMAGENONE : cell.Image;
  return Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

void TListView::Clear() {
  Send(LVM_DELETEALLITEMS);
}

int TReportListView::RowCount() const {
  return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

std::u16string TReportListView::CellText(int row, int column) const {
  // The control copies as much as fits; a text that fills the buffer may have been cut.
  for (std::size_t size = 256;; size *= 4) {
    std::wstring text(size, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(size);
    const auto length = static_cast<std::size_t>(
        Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < size || size >= 1u << 20)
      return win32::Narrow16(std::wstring_view(text.data(), std::min(length, size)));
  }
}

int TReportListView::CellImage(int row, int column) const {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  if (Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) == FALSE || item.iImage == I_IMAGENONE)
    return -1;
  return item.iImage;
}

LPARAM TListView::RowData(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

int TReportListView::Selected() const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TReportListView::Select(int row) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = row >= 0 ? state.stateMask : 0;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  if (row >= 0)
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void TReportListView::PressKey(WORD key) {
  Send(WM_KEYDOWN, key, 1);
  Send(WM_KEYUP, key, 0xC0000001);
}

// Enter is taken here: the system's list announces it differently from version to version.
bool TReportListView::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (TControl::BeforeMessage(message, wParam, lParam, result))
    return true;
  if (message != WM_KEYDOWN || wParam != VK_RETURN || !OnActivate)
    return false;
  if (const int row = Selected(); row >= 0)
    OnActivate(row);
  return true;
}

bool TReportListView::Notify(const NMHDR& header, LRESULT& /*result*/) {
  if (!Notifying())
    return false;
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selected = (change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0 &&
                          (change.uOldState & LVIS_SELECTED) == 0;
    if (selected && change.iItem >= 0 && OnSelChanged)
      OnSelChanged(change.iItem);
    return true;
  }
  if (header.code == LVN_ITEMACTIVATE) {
    const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
    if (OnActivate && activate.iItem >= 0)
      OnActivate(activate.iItem);
    return true;
  }
  return false;
}

void TVirtualListView::SetRowCount(int count) {
  Select(-1);
  Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count > 0 ? count : 0), 0);
}

bool TVirtualListView::Notify(const NMHDR& header, LRESULT& result) {
  // Typing in the list finds nothing: answering 0 would jump to the first row.
  if (header.code == LVN_ODFINDITEMW) {
    result = -1;
    return true;
  }
  if (header.code != LVN_GETDISPINFOW)
    return TReportListView::Notify(header, result);
  // The answer goes into the control's own request, which it hands over writable.
  LVITEMW& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
  const TListCellView cell = Notifying() && OnCell ? OnCell(item.iItem, item.iSubItem) : TListCellView{};
  if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
    const std::size_t length = std::min(cell.Text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::copy_n(cell.Text.data(), length, reinterpret_cast<char16_t*>(item.pszText));
    item.pszText[length] = L'\0';
  }
  if ((item.mask & LVIF_IMAGE) != 0)
    item.iImage = cell.Image < 0 ? I_IMAGENONE : cell.Image;
  return true;
}

}  // namespace tolvane::ui
