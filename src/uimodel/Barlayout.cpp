#include "uimodel/Barlayout.h"

namespace tolvane::uimodel {

int RowHeightForTextHeight(int textHeight) {
  return textHeight + textHeight / 4;
}

int BarHeightForRowHeight(int rowHeight) {
  return rowHeight + 2 * (BarEdgeSize + 1);
}

TRect DockedBarRect(const TRect& workArea, int barHeight) {
  return TRect{workArea.Left, workArea.Top, workArea.Right, workArea.Top + barHeight};
}

}  // namespace tolvane::uimodel
