#pragma once

#include <string>
#include <string_view>

namespace tolvane::storage {

// "'value' is not a valid integer value", with the value cut short and its control characters made visible,
// so that a huge or binary value from a file still gives a message that can be shown and read.
std::u16string NotAnIntegerMessage(std::u16string_view value);
// Text from a file as a message can show it: at most 40 code units (then "...") and control characters made
// visible.
std::u16string VisibleExcerpt(std::u16string_view text);

}  // namespace tolvane::storage
