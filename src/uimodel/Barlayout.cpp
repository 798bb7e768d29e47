#include "uimodel/Barlayout.h"

#include <algorithm>

namespace tolvane::uimodel {

namespace {

constexpr int WheelStep = 5;
constexpr int EditorHeightLimit = 100;
constexpr int AutoHideHeightLimit = 200;
constexpr int WheelSizingHeightLimit = 70;
constexpr int WideSizerPpi = 120;

}  // namespace

int RowHeightForTextHeight(int textHeight) {
  return textHeight + textHeight / 4;
}

int BarHeightForRowHeight(int rowHeight, int edgeSize) {
  return rowHeight + 2 * (edgeSize + 1);
}

TRect DockedBarRect(const TRect& workArea, int barHeight) {
  return TRect{workArea.Left, workArea.Top, workArea.Right, workArea.Top + barHeight};
}

int ShownBarTop(int workAreaTop, int edgeSize) {
  return workAreaTop - (edgeSize + 1);
}

int HiddenBarTop(int workAreaTop, int barHeight) {
  return workAreaTop - barHeight;
}

int SizerStripWidth(int edgeSize, int ppi) {
  return std::max(edgeSize + 1, ppi >= WideSizerPpi ? 3 : 2);
}

int IconTop(int itemHeight) {
  return (itemHeight - IconSize) / 2;
}

int IconMargin(int itemHeight) {
  return std::clamp(IconTop(itemHeight), 3, 7);
}

bool IsEditorHeight(int height) {
  return height > EditorHeightLimit;
}

bool IsAutoHideHeight(int height) {
  return height <= AutoHideHeightLimit;
}

bool IsWheelSizingHeight(int height) {
  return height <= WheelSizingHeightLimit;
}

bool IsDockedAtTop(int windowTop, const TRect& workArea) {
  return windowTop < workArea.Top + workArea.Height() / 2;
}

// Shift moves the left edge, Ctrl the right one, both together both edges apart; without either the bar
// moves. A notch down makes the bar smaller or moves it left.
TRect WheelResized(const TRect& bounds, bool wheelUp, bool ctrl, bool shift) {
  const int step = wheelUp ? WheelStep : -WheelStep;
  TRect resized = bounds;
  if (ctrl && shift) {
    resized.Left -= step;
    resized.Right += step;
  } else if (ctrl) {
    resized.Right += step;
  } else if (shift) {
    resized.Left -= step;
  } else {
    resized.Left += step;
    resized.Right += step;
  }
  return resized;
}

}  // namespace tolvane::uimodel
