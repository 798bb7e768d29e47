#pragma once
// One worked example for every clipboard-modifier function: the help page shows them, and a test runs each
// through the interpreter, so the page never promises a result the program does not give.

#include <string_view>
#include <vector>

namespace tolvane::helpgen {

struct TFunctionExample {
  std::u16string_view Name;         // as in the function table
  std::u16string_view Description;  // what the function does, for users
  std::u16string_view Script;       // lines joined by CR LF
  std::u16string_view Input;        // the clipboard's text before the script
  std::u16string_view Result;       // and after it
};

// The moment the date functions see while the examples run.
inline constexpr std::string_view ExampleNow = "2026-03-05T14:07:09";
inline constexpr std::string_view ExampleLocale = "en_US";

const std::vector<TFunctionExample>& FunctionExamples();

}  // namespace tolvane::helpgen
