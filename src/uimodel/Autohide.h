#pragma once
// How the bar in menu mode reacts to the program becoming active or inactive and to AutoHideTimer's ticks:
// what to do is decided here from plain values; the main window carries it out.

#include "common/Geometry.h"

namespace tolvane::uimodel {

struct TBarSettings {
  bool AutoHide = true;
  bool StayOnTop = false;
  int AutoHidePause = 1000;  // milliseconds
  int EdgeSize = 1;
};

// What the window looks like at a moment.
struct TBarState {
  TRect Window;           // on the screen
  int WorkAreaTop = 0;    // of the window's monitor
  bool Inactive = false;  // painted in the inactive frame colour
  bool DialogOpen = false;
};

// The bar hides with its bottom on the work area's top edge.
bool IsBarHidden(const TBarState& state);

enum class TActivateAction {
  Reveal,       // move to the shown top without activating, show, the main panel takes the keys
  RaiseNormal,  // to the top of the non-topmost windows without moving or activating
  Nothing,      // a dialog is open
};
TActivateAction OnBecomingActive(const TBarState& state);

struct TDeactivateSteps {
  bool Stop = false;          // too tall, or a dialog is open: nothing more happens
  bool RaiseTopmost = false;  // "StayOnTop": above the non-topmost windows, without activating
  bool Hide = false;          // "AutoHide": bottom edge onto the work area's top
  // Otherwise AutoHideTimer and TiTopWindow start.
};
TDeactivateSteps OnBecomingInactive(const TBarState& state, const TBarSettings& settings);

enum class TAutoHideAction {
  None,
  Reveal,      // topmost at the shown top without activating, 30 ms, then not topmost and at the top
  Hide,        // bottom edge onto the work area's top
  RaiseTwice,  // to the top of the z-order twice, 50 ms apart, without moving or activating
};

// AutoHideTimer's state: how many ticks in a row found the pointer away from the shown, inactive bar.
class TAutoHideTimer {
 public:
  TAutoHideAction Tick(const TBarState& state, TPoint cursor, const TBarSettings& settings);
  int IdleTicks() const { return Idle; }

  static constexpr int IntervalMs = 300;

 private:
  int Idle = 0;
};

}  // namespace tolvane::uimodel
