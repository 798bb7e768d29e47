#pragma once

#include <filesystem>

#include "platform/Files.h"

namespace tolvane::native {

struct TTrashOutcome {
  platform::TRecycleResult Result = platform::TRecycleResult::Failed;
  int Error = 0;  // errno of a failure
};

// Moves a file (or a link, not what it leads to) into the user's home trash in the freedesktop.org layout:
// $XDG_DATA_HOME/Trash (by default ~/.local/share/Trash) with the file under files/ and its origin and
// deletion time under info/, where file managers find and restore it. A file on another file system than the
// home trash is not taken (NoRecycleBin): copying it there would not be the cheap, safe move a trash relies
// on, and the per-volume trash folders are not looked for. Without a home folder there is no trash either.
TTrashOutcome MoveToHomeTrash(const std::filesystem::path& file);

}  // namespace tolvane::native
