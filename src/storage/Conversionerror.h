#pragma once

#include <string>
#include <string_view>

namespace tolvane::storage {

// "'value' is not a valid integer value", with the value cut short and its control characters made visible,
// so that a huge or binary value from a file still gives a message that can be shown and read.
std::u16string NotAnIntegerMessage(std::u16string_view value);

}  // namespace tolvane::storage
