#pragma once
// Small pieces every command shares: help detection, usage errors, whole-file reads and paths from arguments.

#include <istream>
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

// The whole UTF-8 file as text, decoded a piece at a time so that its bytes are never held beside the text;
// nullopt after the same message as ReadInputFile.
std::optional<std::u16string> ReadInputFileText(platform::IFiles& files, const std::string& path,
                                                std::string_view command, TCliStreams streams);
// The rest of a UTF-8 stream as text, decoded a piece at a time.
std::u16string ReadStreamText(std::istream& in);

// The program's own text for the standard streams: UTF-8, line breaks unchanged.
void WriteText(std::ostream& out, std::u16string_view text);

using portable::EscapedLine;

}  // namespace tolvane::cli
