#pragma once

#include <string>

#include "platform/Shelllinks.h"

namespace tolvane::native {

// Writes a link as a freedesktop desktop entry, the Linux counterpart of a .lnk file: the link file's name
// without its extension becomes the entry's name.
class TNativeShellLinks final : public platform::IShellLinks {
 public:
  [[nodiscard]] bool Create(const platform::TShellLink& link, std::u16string_view linkFile) override;
  platform::TSystemError LastError() const override { return Error; }

 private:
  platform::TSystemError Error;
};

// The desktop entry's text for a link named name.
std::string DesktopEntryText(const platform::TShellLink& link, std::u16string_view name);

}  // namespace tolvane::native
