#pragma once
// The help page: the hand-written template with the function reference put in at its marker.

#include <optional>
#include <string>
#include <string_view>

#include "Demomenu.h"
#include "modifier/Functiontable.h"

namespace tolvane::helpgen {

inline constexpr std::string_view ReferenceMarker = "<!-- FUNCTION REFERENCE -->";
inline constexpr std::string_view DemoMarker = "<!-- DEMO SCRIPTS -->";

// The reference section for every named function of the table, with its example. Fails (nullopt, with the
// reason in problem) when a function has no example or an example names no function.
std::optional<std::string> FunctionReference(const modifier::TFunctionTable& table, std::string& problem);

// The demo menu's scripts with their samples. Fails when a script has no sample or a sample no script.
std::optional<std::string> DemoSection(const std::vector<TDemoScript>& scripts, std::string& problem);

// The template with the reference and the demo section in place of their markers; nullopt when a marker is
// missing.
std::optional<std::string> HelpPage(std::string_view templateText, std::string_view reference,
                                    std::string_view demo);

}  // namespace tolvane::helpgen
