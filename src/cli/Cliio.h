#pragma once
// Small pieces every command shares: help detection, usage errors, whole-file reads and paths from arguments.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cli.h"
#include "platform/Files.h"
#include "platform/portable/Streammessagebox.h"

namespace tolvane::cli {

// True when the arguments are exactly "--help" (or "-h").
bool WantsHelp(const std::vector<std::string>& args);

// Writes "tolvane-cli COMMAND: MESSAGE" and a pointer to the command's help; returns ExitUsage.
int UsageError(TCliStreams streams, std::string_view command, std::string_view message);

// A path given on the command line (UTF-8) in the form the platform services take.
std::u16string PathArgument(const std::string& argument);

// The whole file, or nullopt after writing "tolvane-cli COMMAND: cannot read 'PATH': REASON" to Err.
std::optional<std::string> ReadInputFile(platform::IFiles& files, const std::string& path,
                                         std::string_view command, TCliStreams streams);

// The program's own text for the standard streams: UTF-8, line breaks unchanged.
void WriteText(std::ostream& out, std::u16string_view text);

using portable::EscapedLine;

}  // namespace tolvane::cli
