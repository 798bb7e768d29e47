#include "ui/Ctltrackbar.h"

#include <commctrl.h>

namespace tolvane::ui {

TTrackBar::TTrackBar(TWindow& parent, int id)
    : TControl(parent, id, {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_BOTH | TBS_NOTICKS, 0}) {
  Reported = Position();
}

void TTrackBar::SetRange(int minimum, int maximum) {
  Send(TBM_SETRANGEMIN, FALSE, minimum);
  Send(TBM_SETRANGEMAX, TRUE, maximum);
  Reported = Position();
}

int TTrackBar::Minimum() const {
  return static_cast<int>(Send(TBM_GETRANGEMIN));
}

int TTrackBar::Maximum() const {
  return static_cast<int>(Send(TBM_GETRANGEMAX));
}

int TTrackBar::Position() const {
  return static_cast<int>(Send(TBM_GETPOS));
}

void TTrackBar::SetPosition(int position) {
  Send(TBM_SETPOS, TRUE, position);
  Reported = Position();
}

bool TTrackBar::Scroll(UINT /*code*/) {
  if (!Notifying())
    return false;
  // Dragging sends the position while tracking and again at the end; a key sends a step and an end.
  const int position = Position();
  if (position == Reported)
    return true;
  Reported = position;
  if (OnChange)
    OnChange(position);
  return true;
}

}  // namespace tolvane::ui
