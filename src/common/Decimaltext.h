#pragma once

#include <concepts>
#include <string>

namespace tolvane {

// The number in decimal digits, with a leading '-' when negative; the form files and messages show.
template <std::integral TNumber>
std::u16string DecimalText(TNumber number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace tolvane
