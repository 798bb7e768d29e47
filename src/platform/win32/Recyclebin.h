#pragma once

#include <string_view>

#include "platform/Files.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

struct TRecycleOutcome {
  platform::TRecycleResult Result = platform::TRecycleResult::Failed;
  DWORD Error = ERROR_SUCCESS;  // of a failure
};

// Sends one file to the recycle bin through SHFileOperationW. Asked to recycle without confirmation, the
// shell deletes a file for good, silently, wherever it has no bin to put it in; so only files on a fixed
// drive whose bin answers are handed to it, and the rest are NoRecycleBin. Where a fixed drive's bin is
// switched off or too small for the file, the shell itself asks the user before deleting it for good (and
// Recycled then means the user agreed); declined, that is Failed with ERROR_CANCELLED.
TRecycleOutcome MoveToRecycleBin(std::u16string_view path);

}  // namespace tolvane::win32
