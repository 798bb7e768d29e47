#pragma once
// The help page: the hand-written template with the function reference put in at its marker.

#include <optional>
#include <string>
#include <string_view>

#include "modifier/Functiontable.h"

namespace tolvane::helpgen {

inline constexpr std::string_view ReferenceMarker = "<!-- FUNCTION REFERENCE -->";

// The reference section for every named function of the table, with its example. Fails (nullopt, with the
// reason in problem) when a function has no example or an example names no function.
std::optional<std::string> FunctionReference(const modifier::TFunctionTable& table, std::string& problem);

// The template with the reference in place of its marker; nullopt when the marker is missing.
std::optional<std::string> HelpPage(std::string_view templateText, std::string_view reference);

}  // namespace tolvane::helpgen
