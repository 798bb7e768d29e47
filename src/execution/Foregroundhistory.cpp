#include "execution/Foregroundhistory.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tolvane::execution {
namespace {

constexpr std::u16string_view TaskbarClass = u"Shell_TrayWnd";
constexpr std::u16string_view TaskSwitcherClass = u"TaskSwitcherWnd";

}  // namespace

void TForegroundHistory::RecordForeground(platform::IForegroundWindow& foreground,
                                          platform::ILocale& locale) {
  const platform::TWindowHandle window = foreground.Get();
  if (!IsWorthRecording(window, foreground, locale))
    return;
  std::shift_right(Windows.begin(), Windows.end(), 1);
  std::shift_right(Titles.begin(), Titles.end(), 1);
  Windows.front() = window;
  Titles.front() = foreground.Title(window);
}

bool TForegroundHistory::IsWorthRecording(platform::TWindowHandle window,
                                          platform::IForegroundWindow& foreground,
                                          platform::ILocale& locale) const {
  // No window is in front for a moment while the system switches between windows.
  if (window == 0 || window == Windows.front() || foreground.IsOwnWindow(window))
    return false;
  // Window class names are case-insensitive.
  const std::u16string className = foreground.ClassName(window);
  return locale.Compare(className, TaskbarClass, true) != 0 &&
         locale.Compare(className, TaskSwitcherClass, true) != 0;
}

platform::TWindowHandle TForegroundHistory::Target(platform::TWindowHandle focusTimeForeground,
                                                   platform::IForegroundWindow& foreground) const {
  for (const platform::TWindowHandle window : Windows) {
    // A closed window cannot take the input; an older entry is a better target than none.
    if (window != 0 && window != focusTimeForeground && foreground.IsWindow(window))
      return window;
  }
  return 0;
}

platform::TWindowHandle TForegroundHistory::Newest(platform::TWindowHandle focusTimeForeground) const {
  for (const platform::TWindowHandle window : Windows) {
    if (window != 0 && window != focusTimeForeground)
      return window;
  }
  return 0;
}

std::u16string TForegroundHistory::TitleOf(platform::TWindowHandle window) const {
  for (std::size_t i = 0; i < Capacity; ++i) {
    if (window != 0 && Windows[i] == window)
      return Titles[i];
  }
  return {};
}

}  // namespace tolvane::execution
