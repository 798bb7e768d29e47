#pragma once
// The commands of tolvane-cli. Each takes the arguments after its own name.

#include <string>
#include <vector>

#include "cli/Cli.h"

namespace tolvane::cli {

int RunModify(const std::vector<std::string>& args, TCliStreams streams);
// "menu check|normalize|list|search".
int RunMenu(const std::vector<std::string>& args, TCliStreams streams);
int RunMenuSearch(const std::vector<std::string>& args, TCliStreams streams);
int RunMacro(const std::vector<std::string>& args, TCliStreams streams);

}  // namespace tolvane::cli
