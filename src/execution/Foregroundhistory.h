#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/Foreground.h"
#include "platform/Locale.h"
#include "platform/Platformtypes.h"

namespace tolvane::execution {

// The last windows of other programs that were in front, newest first: where pasting and typing go.
class TForegroundHistory {
 public:
  static constexpr std::size_t Capacity = 4;
  using TEntries = std::array<platform::TWindowHandle, Capacity>;

  // Records the current foreground window unless it is no paste target (the program's own windows, the
  // taskbar, the task switcher) or already the newest entry. Meant for a timer while the program is inactive.
  void RecordForeground(platform::IForegroundWindow& foreground, platform::ILocale& locale);

  // Newest first; 0 marks an empty entry.
  const TEntries& Entries() const { return Windows; }

  // The newest entry that still exists and is not the given window (the one that was in front when the
  // program took the focus); 0 when there is none.
  platform::TWindowHandle Target(platform::TWindowHandle focusTimeForeground,
                                 platform::IForegroundWindow& foreground) const;
  // The newest entry that is not the given window, whether it still exists or not; 0 when there is none.
  platform::TWindowHandle Newest(platform::TWindowHandle focusTimeForeground) const;
  // The title an entry had when it was recorded, for naming a window that may be gone; empty for others.
  std::u16string TitleOf(platform::TWindowHandle window) const;

 private:
  bool IsWorthRecording(platform::TWindowHandle window, platform::IForegroundWindow& foreground,
                        platform::ILocale& locale) const;

  TEntries Windows{};
  std::array<std::u16string, Capacity> Titles{};
};

}  // namespace tolvane::execution
