#pragma once

#include <string_view>

#include "platform/Files.h"

namespace tolvane {

// Writes the bytes to a temporary file beside the target, flushes it and moves it over the target in one
// step, so a failure at any point leaves the old file as it was. On failure the temporary file is removed
// and, when error is given, it receives the failing step's system error.
[[nodiscard]] bool WriteFileAtomically(platform::IFiles& files, std::u16string_view path,
                                       std::string_view bytes, platform::TSystemError* error = nullptr);

}  // namespace tolvane
