#pragma once

#include <string_view>

#include "platform/Files.h"

namespace tolvane {

// Writes the bytes to a temporary file beside the target, flushes it and moves it over the target in one
// step, so a failure at any point leaves the old file as it was. On failure the temporary file is removed
// and, when error is given, it receives the failing step's system error.
//
// A target reached through a symbolic link is written where the link leads; the link stays. When the
// target's folder refuses new files but the existing target can be written, the target is rewritten in
// place instead: its old content goes to a backup in the system's temporary folder first and is put back
// when the rewrite fails. The backup is removed once it is no longer needed; should putting the old content
// back fail too, the backup stays and the error's message names it.
[[nodiscard]] bool WriteFileAtomically(platform::IFiles& files, std::u16string_view path,
                                       std::string_view bytes, platform::TSystemError* error = nullptr);

}  // namespace tolvane
