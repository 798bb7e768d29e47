#pragma once
// Follows the menu file on disk while the menu shows it without pending changes, so that what another
// instance or a sync tool saved there appears in the menu. Polled from a timer: one question to the file
// system per tick, and the file is read only when its size or time moved.

#include <optional>
#include <string_view>

#include "platform/Files.h"
#include "storage/Itemfile.h"

namespace tolvane::storage {

class TMenuFileWatch {
 public:
  explicit TMenuFileWatch(platform::IFiles& files) : Files(files) {}

  // One tick. mayReplace is false while anything points into the menu's items (an open popup, a dialog)
  // or the editor is shown; pending changes are never replaced either. A change is loaded once the file
  // has looked the same on two ticks in a row, so a writer that is still at it is not read half way; a
  // content that cannot be loaded is not tried again until the file changes once more. True when the menu
  // was reloaded and whatever shows it must be built again.
  [[nodiscard]] bool Poll(TMenuFile& menu, std::u16string_view fileName, bool mayReplace);

 private:
  platform::IFiles& Files;
  std::optional<platform::TFileInfo> Settling;  // a change seen on the last tick, waiting to hold still
  std::optional<platform::TFileInfo> Refused;   // a change that could not be loaded
};

}  // namespace tolvane::storage
