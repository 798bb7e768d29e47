#pragma once
// List views in report style (columns, whole-row selection, one row at a time, read-only): TListView holds
// its rows; TVirtualListView holds only their count and asks for each cell as it is drawn, so a list of
// any length is filled at once.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"

// After the Windows headers that Control.h brings.
#include <commctrl.h>

namespace tolvane::ui {

struct TListCell {
  std::u16string Text;
  int Image = -1;  // in the image list; -1 for none
};

// What both kinds share: columns, images, selection and activation.
class TReportListView : public TControl {
 public:
  // The caller's image list of small images, which must outlive its use here; the list never destroys it.
  void SetImageList(HIMAGELIST images);
  // Width in pixels.
  void AddColumn(std::u16string_view caption, int width);
  int ColumnCount() const;

  int RowCount() const;
  std::u16string CellText(int row, int column) const;
  int CellImage(int row, int column) const;

  // -1 when no row is selected.
  int Selected() const;
  // Selects and focuses the row and scrolls it into view (-1 clears the selection); raises OnSelChanged.
  void Select(int row);
  // The key as if pressed in the list: the arrow and page keys move the selection from another control.
  void PressKey(WORD key);

  std::function<void(int row)> OnSelChanged;
  // A double click on a row, or Enter while a row is selected.
  std::function<void(int row)> OnActivate;

 protected:
  TReportListView(TWindow& parent, int id, DWORD extraStyle);

  bool Notify(const NMHDR& header, LRESULT& result) override;
  bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class TListView : public TReportListView {
 public:
  TListView(TWindow& parent, int id);

  // A row at the end: the cells from the first column on, and the caller's value. Its index, -1 on failure.
  int AddRow(const std::vector<TListCell>& cells, LPARAM data = 0);
  void Clear();
  LPARAM RowData(int row) const;

 private:
  bool SetCell(int row, int column, const TListCell& cell);
};

// A cell as the owner answers it; the text must stay valid until the answer is copied.
struct TListCellView {
  std::u16string_view Text;
  int Image = -1;
};

class TVirtualListView : public TReportListView {
 public:
  TVirtualListView(TWindow& parent, int id);

  // The rows are 0 … count − 1 from now on; the list asks again for every row it shows. The selection is
  // cleared.
  void SetRowCount(int count);

  // Asked for each cell the list draws or is asked for; a row past the owner's data answers an empty cell.
  std::function<TListCellView(int row, int column)> OnCell;

 private:
  bool Notify(const NMHDR& header, LRESULT& result) override;
};

}  // namespace tolvane::ui
