#include "storage/Menufilewatch.h"

namespace tolvane::storage {

bool TMenuFileWatch::Poll(TMenuFile& menu, std::u16string_view fileName, bool mayReplace) {
  const std::optional<platform::TFileInfo> info =
      mayReplace && !menu.MenuModified ? Files.Info(fileName) : std::nullopt;
  if (!info || menu.MatchesDisk(fileName, *info) || info == Refused) {
    Settling.reset();
    return false;
  }
  if (info != Settling) {
    Settling = info;
    return false;
  }
  Settling.reset();
  switch (menu.ReloadIfChanged(fileName)) {
    case TMenuReloadResult::Reloaded:
      Refused.reset();
      return true;
    case TMenuReloadResult::Unreadable:
      Refused = info;
      return false;
    case TMenuReloadResult::Unchanged:
      return false;
  }
  return false;
}

}  // namespace tolvane::storage
