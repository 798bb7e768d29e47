#pragma once
// The clipboard-modifier items of the demo menu with a sample each: the help page shows what they do, and a
// test runs every script of the menu over its sample.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::helpgen {

struct TDemoSample {
  std::u16string_view Name;    // the item's name in the demo menu
  std::u16string_view Input;   // the clipboard's text before the script
  std::u16string_view Result;  // and after it
};

const std::vector<TDemoSample>& DemoSamples();

struct TDemoScript {
  std::u16string Name;
  std::u16string Tip;
  std::u16string Script;
};

// Every clipboard-modifier item of the menu file in menu order, loaded as the program loads it; nullopt with
// the load's message in problem when it fails.
std::optional<std::vector<TDemoScript>> DemoScripts(const std::string& menuPath, std::string& problem);

}  // namespace tolvane::helpgen
