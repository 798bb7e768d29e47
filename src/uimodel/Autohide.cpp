#include "uimodel/Autohide.h"

#include "uimodel/Barlayout.h"

namespace tolvane::uimodel {

namespace {

// The pointer at the top edge of the work area, strictly within the bar's horizontal extent.
bool AtTheTopEdgeOverTheBar(const TBarState& state, TPoint cursor) {
  return cursor.Y <= state.WorkAreaTop && cursor.X > state.Window.Left && cursor.X < state.Window.Right;
}

}  // namespace

bool IsBarHidden(const TBarState& state) {
  return state.Window.Top == HiddenBarTop(state.WorkAreaTop, state.Window.Height());
}

TActivateAction OnBecomingActive(const TBarState& state) {
  if (state.DialogOpen)
    return TActivateAction::Nothing;
  if (IsBarHidden(state) && !IsEditorHeight(state.Window.Height()))
    return TActivateAction::Reveal;
  return TActivateAction::RaiseNormal;
}

TDeactivateSteps OnBecomingInactive(const TBarState& state, const TBarSettings& settings) {
  TDeactivateSteps steps;
  if (!IsAutoHideHeight(state.Window.Height()) || state.DialogOpen) {
    steps.Stop = true;
    return steps;
  }
  steps.RaiseTopmost = settings.StayOnTop;
  steps.Hide = settings.AutoHide;
  return steps;
}

TAutoHideAction TAutoHideTimer::Tick(const TBarState& state, TPoint cursor, const TBarSettings& settings) {
  if (IsBarHidden(state)) {
    Idle = 0;
    return AtTheTopEdgeOverTheBar(state, cursor) ? TAutoHideAction::Reveal : TAutoHideAction::None;
  }
  if (!state.Inactive)
    return TAutoHideAction::None;
  if (!settings.AutoHide)
    return AtTheTopEdgeOverTheBar(state, cursor) ? TAutoHideAction::RaiseTwice : TAutoHideAction::None;
  if (state.Window.Contains(cursor)) {
    Idle = 0;
    return TAutoHideAction::None;
  }
  if (Idle > settings.AutoHidePause / IntervalMs)
    return TAutoHideAction::Hide;
  ++Idle;
  return TAutoHideAction::None;
}

}  // namespace tolvane::uimodel
