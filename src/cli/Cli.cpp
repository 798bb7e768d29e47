#include "cli/Cli.h"

#include <algorithm>
#include <array>
#include <new>
#include <ostream>
#include <string_view>

#include "cli/Commands.h"
#include "common/Version.h"

namespace tolvane::cli {
namespace {

struct TCommand {
  std::string_view Name;
  std::string_view Summary;
  int (*Run)(const std::vector<std::string>& args, TCliStreams streams);
};

int RunVersion(const std::vector<std::string>& args, TCliStreams streams);

constexpr std::array Commands{
    TCommand{"modify", "run a clipboard-modifier script over a text", RunModify},
    TCommand{"menu", "check, normalize, list or search a menu file", RunMenu},
    TCommand{"macro", "show the events and input batches of a keystroke macro", RunMacro},
    TCommand{"version", "print the program version", RunVersion},
};

void PrintUsage(std::ostream& out) {
  out << "Usage: tolvane-cli COMMAND [ARGUMENTS]\n"
         "       tolvane-cli --help | --version\n"
         "       tolvane-cli COMMAND --help\n\nCommands:\n";
  for (const TCommand& command : Commands) {
    out << "  " << command.Name << std::string(12 - std::min<std::size_t>(command.Name.size(), 11), ' ')
        << command.Summary << '\n';
  }
  out << "\nTexts on standard streams and in files are UTF-8. Exit status: 0 done, 1 stopped, 2 usage or "
         "file "
         "error.\n";
}

int RunVersion(const std::vector<std::string>& args, TCliStreams streams) {
  if (args.size() == 1 && args[0] == "--help") {
    streams.Out << "Usage: tolvane-cli version\nPrints the program version.\n";
    return ExitOk;
  }
  if (!args.empty()) {
    streams.Err << "tolvane-cli version: unexpected argument '" << args[0] << "'\n";
    return ExitUsage;
  }
  streams.Out << "tolvane-cli " << TOLVANE_VERSION_TEXT << '\n';
  return ExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, TCliStreams streams) {
  if (args.empty()) {
    PrintUsage(streams.Err);
    return ExitUsage;
  }
  const std::string& name = args[0];
  if (name == "--help" || name == "-h") {
    PrintUsage(streams.Out);
    return ExitOk;
  }
  if (name == "--version")
    return RunVersion({}, streams);
  for (const TCommand& command : Commands) {
    if (command.Name != name)
      continue;
    // The commands report what they can; an input larger than memory still ends with a message.
    try {
      return command.Run({args.begin() + 1, args.end()}, streams);
    } catch (const std::bad_alloc&) {
      streams.Err << "tolvane-cli: not enough memory\n";
      return ExitUsage;  // like an unreadable file
    }
  }
  streams.Err << "tolvane-cli: unknown command '" << name << "'\n\n";
  PrintUsage(streams.Err);
  return ExitUsage;
}

}  // namespace tolvane::cli
