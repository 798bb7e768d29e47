#pragma once
// Loading the menu file a menu command names.

#include <ostream>
#include <string>
#include <string_view>

#include "cli/Cli.h"
#include "storage/Itemfile.h"

namespace tolvane::cli {

// Loads FILE into the menu as the program does. ExitOk; ExitUsage after a "cannot read" message when the file
// is missing (the program would create it; here it is a mistake in the command line); ExitStopped after
// writing the load error text to errorOut.
int LoadMenuArgument(storage::TMenuFile& menu, platform::IFiles& files, const std::string& file,
                     std::string_view command, TCliStreams streams, std::ostream& errorOut);

}  // namespace tolvane::cli
