#pragma once
// TListView: a read-only list view in report style (columns, whole-row selection, one row at a time).

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

class TListView : public TControl {
 public:
  TListView(TWindow& parent, int id);

  // The caller's image list of small images, which must outlive its use here; the list never destroys it.
  void SetImageList(HIMAGELIST images);
  // Width in pixels.
  void AddColumn(std::u16string_view caption, int width);
  int ColumnCount() const;

  // A row at the end: the cells from the first column on, and the caller's value. Its index, -1 on failure.
  int AddRow(const std::vector<TListCell>& cells, LPARAM data = 0);
  void Clear();
  int RowCount() const;
  std::u16string CellText(int row, int column) const;
  int CellImage(int row, int column) const;
  LPARAM RowData(int row) const;

  // -1 when no row is selected.
  int Selected() const;
  // Selects and focuses the row and scrolls it into view (-1 clears the selection); raises OnSelChanged.
  void Select(int row);
  // The key as if pressed in the list: the arrow and page keys move the selection from another control.
  void PressKey(WORD key);

  std::function<void(int row)> OnSelChanged;
  // A double click on a row, or Enter while a row is selected.
  std::function<void(int row)> OnActivate;

 private:
  bool Notify(const NMHDR& header, LRESULT& result) override;
  bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool SetCell(int row, int column, const TListCell& cell);
};

}  // namespace tolvane::ui
