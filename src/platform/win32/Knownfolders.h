#pragma once

#include "platform/Knownfolders.h"

namespace tolvane::win32 {

// Which system call answers: the known-folder call where the system has it, or only the older CSIDL
// lookup (for systems without it, and to check that the fallback finds the same folders).
enum class TKnownFolderApi { Automatic, CsidlOnly };

class TKnownFolders final : public platform::IKnownFolders {
 public:
  explicit TKnownFolders(TKnownFolderApi api = TKnownFolderApi::Automatic) : Api(api) {}

  std::optional<std::u16string> Path(platform::TKnownFolder folder) override;

 private:
  TKnownFolderApi Api;
};

}  // namespace tolvane::win32
