#include "platform/recording/Fixedknownfolders.h"

#include <utility>

namespace tolvane::recording {

TFixedKnownFolders::TFixedKnownFolders()
    : Paths{
          {platform::TKnownFolder::RoamingAppData, u"C:\\Users\\Test\\AppData\\Roaming"},
          {platform::TKnownFolder::Desktop, u"C:\\Users\\Test\\Desktop"},
          {platform::TKnownFolder::StartMenu,
           u"C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"},
          {platform::TKnownFolder::Startup,
           u"C:\\Users\\Test\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
      } {}

std::optional<std::u16string> TFixedKnownFolders::Path(platform::TKnownFolder folder) {
  const auto found = Paths.find(folder);
  if (found == Paths.end())
    return std::nullopt;
  return found->second;
}

void TFixedKnownFolders::Set(platform::TKnownFolder folder, std::optional<std::u16string> path) {
  if (path) {
    Paths[folder] = std::move(*path);
  } else {
    Paths.erase(folder);
  }
}

}  // namespace tolvane::recording
