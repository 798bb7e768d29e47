#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/Knownfolders.h"

namespace tolvane::native {

// Looks up an environment variable; nullopt when it is not set.
using TEnvironment = std::function<std::optional<std::string>(const std::string& name)>;

std::optional<std::string> ProcessEnvironment(const std::string& name);

// The XDG counterparts of the Windows folders: RoamingAppData is the configuration home, Startup its
// autostart folder, StartMenu the data home's applications folder, Desktop the user-dirs desktop (else
// ~/Desktop).
class TNativeKnownFolders final : public platform::IKnownFolders {
 public:
  explicit TNativeKnownFolders(TEnvironment environment = ProcessEnvironment)
      : Environment(std::move(environment)) {}

  std::optional<std::u16string> Path(platform::TKnownFolder folder) override;

 private:
  std::optional<std::string> Home() const;
  // An XDG base folder: the variable when it holds an absolute path, else the default below the home folder.
  std::optional<std::string> BaseFolder(const std::string& variable, const std::string& homeRelative) const;
  std::optional<std::string> Desktop() const;
  std::optional<std::string> Folder(platform::TKnownFolder folder) const;

  TEnvironment Environment;
};

}  // namespace tolvane::native
