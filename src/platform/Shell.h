#pragma once

#include <string>
#include <string_view>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// Show states, with the numeric values of the SW_ constants.
enum class TShowCommand : int { Hide = 0, Normal = 1, Minimized = 2, Maximized = 3, ShowDefault = 10 };

struct TShellOpenRequest {
  std::u16string File;        // program, document, folder or URL
  std::u16string Parameters;  // empty for none
  std::u16string Directory;   // working folder; empty for none
  TWindowHandle Owner = 0;
  TShowCommand Show = TShowCommand::Normal;

  bool operator==(const TShellOpenRequest&) const = default;
};

class IShell {
 public:
  virtual ~IShell() = default;

  // The shell's "open" verb on the file or URL.
  [[nodiscard]] virtual bool Open(const TShellOpenRequest& request) = 0;
  virtual TSystemError LastError() const = 0;
};

}  // namespace tolvane::platform
