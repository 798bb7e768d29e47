#include "execution/Qxknownfolders.h"

#include "storage/Pathnames.h"

namespace tolvane::execution {

std::u16string GetKnownFolder(platform::IKnownFolders& knownFolders, platform::TKnownFolder folder) {
  return storage::IncludeTrailingDelimiter(knownFolders.Path(folder).value_or(u""));
}

}  // namespace tolvane::execution
