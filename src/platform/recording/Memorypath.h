#pragma once
// Path spelling for the in-memory file system: '/' and '\' are the same separator and case does not matter.

#include <string>
#include <string_view>

namespace tolvane::recording {

// The path with runs of separators collapsed and trailing separators removed; spelling and case are kept.
std::u16string TidyPath(std::u16string_view path);
// The lookup key of a tidy path: '/' separators, case folded. Same length and positions as the tidy path.
std::u16string PathKey(std::u16string_view tidyPath);
// Everything before the last separator; empty when there is none.
std::u16string_view ParentPath(std::u16string_view tidyPath);
// Everything after the last separator.
std::u16string_view LeafName(std::u16string_view tidyPath);
// The top of a path: empty (the root of "/x" or of a bare name) or a drive ("C:").
bool IsRootKey(std::u16string_view key);

}  // namespace tolvane::recording
