#pragma once

#include <string>

#include "platform/Knownfolders.h"

namespace tolvane::execution {

// The folder's path ending in a path separator, or empty when the system has no such folder.
std::u16string GetKnownFolder(platform::IKnownFolders& knownFolders, platform::TKnownFolder folder);

}  // namespace tolvane::execution
