#pragma once

#include <string>
#include <string_view>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// What a shell link starts and how the shell shows it. Empty texts are left unset in the link.
struct TShellLink {
  std::u16string Target;
  std::u16string Arguments;
  std::u16string Description;
  std::u16string IconFile;
  int IconIndex = 0;

  bool operator==(const TShellLink&) const = default;
};

// Shell links: .lnk files on Windows, desktop entries on Linux.
class IShellLinks {
 public:
  virtual ~IShellLinks() = default;

  // Writes the link to linkFile, replacing a file of that name.
  [[nodiscard]] virtual bool Create(const TShellLink& link, std::u16string_view linkFile) = 0;
  virtual TSystemError LastError() const = 0;
};

}  // namespace tolvane::platform
