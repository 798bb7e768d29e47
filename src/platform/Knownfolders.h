#pragma once

#include <optional>
#include <string>

namespace tolvane::platform {

enum class TKnownFolder { RoamingAppData, Startup, Desktop, StartMenu };

class IKnownFolders {
 public:
  virtual ~IKnownFolders() = default;

  // The folder's path without a trailing separator; nullopt when the system has no such folder.
  virtual std::optional<std::u16string> Path(TKnownFolder folder) = 0;
};

}  // namespace tolvane::platform
