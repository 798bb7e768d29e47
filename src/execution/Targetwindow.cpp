#include "execution/Targetwindow.h"

namespace tolvane::execution {

std::u16string WindowName(std::u16string_view title) {
  return title.empty() ? u"The window you were working in" : u"The window \"" + std::u16string(title) + u"\"";
}

std::u16string RefusedInputReason(std::u16string_view windowName) {
  return std::u16string(windowName) +
         u" belongs to a program that runs with higher rights than Tolvane (as administrator), and Windows "
         u"does not let Tolvane send keys to it.";
}

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
