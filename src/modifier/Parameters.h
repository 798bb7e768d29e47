#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "modifier/Messages.h"
#include "modifier/Var.h"

namespace tolvane::modifier {

// Fills the slots in order from a call's parameter text ("( 'a', |b|, \"c\" )"): each value stands between
// two equal quote characters (apostrophe, double quote or bar) and everything outside quotes is ignored, as
// is whatever follows the last slot's value. An empty value for a non-text slot is reported and parsing goes
// on. Returns false when the run must stop: too few values (reported) or an unclosed value (not reported).
[[nodiscard]] bool ParseParameters(std::u16string_view functionName, std::vector<TVar>& slots,
                                   std::u16string_view paramText, TRunMessages& messages);

// "#" and hex digits, or an optional leading "-" and decimal digits; other characters are passed over and
// the arithmetic wraps at 32 bits.
std::int32_t ParseNumber(std::u16string_view value);

}  // namespace tolvane::modifier
