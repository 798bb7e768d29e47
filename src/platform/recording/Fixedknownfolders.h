#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/Knownfolders.h"

namespace tolvane::recording {

// Known folders as the test sets them; by default those of a user "Test" on a C: drive.
class TFixedKnownFolders final : public platform::IKnownFolders {
 public:
  TFixedKnownFolders();

  std::optional<std::u16string> Path(platform::TKnownFolder folder) override;

  // nullopt makes the folder unknown.
  void Set(platform::TKnownFolder folder, std::optional<std::u16string> path);

 private:
  std::map<platform::TKnownFolder, std::u16string> Paths;
};

}  // namespace tolvane::recording
