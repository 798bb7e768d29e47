#include "platform/native/Nativeknownfolders.h"

#include <cstdlib>
#include <fstream>

#include "common/Unicode.h"
#include "platform/native/Xdguserdirs.h"

namespace tolvane::native {
namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  return path;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr)
    return std::nullopt;
  return std::string(value);
}

std::optional<std::string> TNativeKnownFolders::Home() const {
  std::optional<std::string> home = Environment("HOME");
  if (!home || home->empty())
    return std::nullopt;
  return WithoutTrailingSlash(*home);
}

std::optional<std::string> TNativeKnownFolders::BaseFolder(const std::string& variable,
                                                           const std::string& homeRelative) const {
  if (const std::optional<std::string> value = Environment(variable); value && value->starts_with('/')) {
    return WithoutTrailingSlash(*value);
  }
  const std::optional<std::string> home = Home();
  if (!home)
    return std::nullopt;
  return *home + "/" + homeRelative;
}

std::optional<std::string> TNativeKnownFolders::Desktop() const {
  const std::optional<std::string> home = Home();
  if (!home)
    return std::nullopt;
  if (const std::optional<std::string> config = BaseFolder("XDG_CONFIG_HOME", ".config")) {
    std::ifstream dirsFile(*config + "/user-dirs.dirs");
    if (std::optional<std::string> desktop = XdgUserDir(dirsFile, "XDG_DESKTOP_DIR", *home)) {
      return WithoutTrailingSlash(*desktop);
    }
  }
  return *home + "/Desktop";
}

std::optional<std::string> TNativeKnownFolders::Folder(platform::TKnownFolder folder) const {
  using platform::TKnownFolder;
  switch (folder) {
    case TKnownFolder::RoamingAppData:
      return BaseFolder("XDG_CONFIG_HOME", ".config");
    case TKnownFolder::Startup: {
      const std::optional<std::string> config = BaseFolder("XDG_CONFIG_HOME", ".config");
      return config ? std::optional(*config + "/autostart") : std::nullopt;
    }
    case TKnownFolder::StartMenu: {
      const std::optional<std::string> data = BaseFolder("XDG_DATA_HOME", ".local/share");
      return data ? std::optional(*data + "/applications") : std::nullopt;
    }
    case TKnownFolder::Desktop:
      return Desktop();
  }
  return std::nullopt;
}

std::optional<std::u16string> TNativeKnownFolders::Path(platform::TKnownFolder folder) {
  const std::optional<std::string> path = Folder(folder);
  if (!path)
    return std::nullopt;
  return Utf8ToUtf16(*path);
}

}  // namespace tolvane::native
