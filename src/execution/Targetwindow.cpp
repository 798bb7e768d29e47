#include "execution/Targetwindow.h"

namespace tolvane::execution {

TRestoreResult RestoreTargetWindow(const TForegroundHistory& history,
                                   platform::TWindowHandle focusTimeForeground, bool closing,
                                   platform::IForegroundWindow& foreground, platform::ITime& time) {
  if (closing)
    return TRestoreResult::Closing;
  const platform::TWindowHandle target = history.Target(focusTimeForeground, foreground);
  if (target == 0)
    return TRestoreResult::NoTarget;
  // A refused switch never completes, so there is nothing to wait for.
  if (!foreground.Set(target))
    return TRestoreResult::NotInFront;
  for (int step = 0; step < RestoreWaitSteps && foreground.Get() != target; ++step)
    time.Sleep(RestoreWaitStepMs);
  return foreground.Get() == target ? TRestoreResult::Restored : TRestoreResult::NotInFront;
}

}  // namespace tolvane::execution
