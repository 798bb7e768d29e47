#pragma once
// Which functions this build performs. Adding one is a row in the registry and the function itself; a table
// entry without a row makes a script that calls it stop with a message instead of doing nothing.

#include <cstdint>
#include <vector>

#include "modifier/Var.h"

namespace tolvane::modifier {

class TQxClipTxt;

// Performs one call with its parsed arguments. A problem is the function's own to report; it never stops
// the run.
using TFunctionHandler = void (*)(TQxClipTxt& clip, const TArgs& args);

// Null when the function is not performed by this build.
TFunctionHandler FindHandler(std::int32_t id);
std::vector<std::int32_t> RegisteredIds();

}  // namespace tolvane::modifier
