#pragma once
// tolvane-cli: the portable core from the command line. Arguments and standard streams are UTF-8.

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

// Exit statuses shared by all commands.
inline constexpr int ExitOk = 0;
inline constexpr int ExitStopped = 1;
inline constexpr int ExitUsage = 2;

struct TCliStreams {
  std::istream& In;
  std::ostream& Out;
  std::ostream& Err;
};

// Runs one command line (without the program name) and returns the exit status.
int RunCli(const std::vector<std::string>& args, TCliStreams streams);

}  // namespace tolvane::cli
