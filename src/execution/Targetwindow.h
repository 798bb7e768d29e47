#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "execution/Foregroundhistory.h"
#include "platform/Foreground.h"
#include "platform/Time.h"

namespace tolvane::execution {

enum class TRestoreResult {
  Restored,    // the target is the foreground window
  NotInFront,  // the system refused the switch or did not complete it in time
  NoTarget,    // the history holds no window to go back to
  Closing,     // the program is closing; nothing was done
};

// A foreground switch completes asynchronously; it is waited for in at most this many steps.
inline constexpr int RestoreWaitSteps = 10;
inline constexpr std::uint32_t RestoreWaitStepMs = 10;

// Makes the paste target from the history the foreground window again before keys are sent to it.
[[nodiscard]] TRestoreResult RestoreTargetWindow(const TForegroundHistory& history,
                                                 platform::TWindowHandle focusTimeForeground, bool closing,
                                                 platform::IForegroundWindow& foreground,
                                                 platform::ITime& time);

// How messages name a window: by its title, or generically when it has none.
std::u16string WindowName(std::u16string_view title);

// A window whose program runs at a higher integrity level: the system drops the keys sent to it, so the
// user is told instead.
inline constexpr std::u16string_view RefusedInputCaption = u"Target Window Refuses Input";
std::u16string RefusedInputReason(std::u16string_view windowName);

}  // namespace tolvane::execution
