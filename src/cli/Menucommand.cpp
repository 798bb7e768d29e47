// tolvane-cli menu check | normalize | list (search lives in Menusearchcommand.cpp).

#include <cstddef>
#include <string_view>

#include "cli/Cliio.h"
#include "cli/Climenu.h"
#include "cli/Cliservices.h"
#include "cli/Commands.h"
#include "storage/Itemfile.h"

namespace tolvane::cli {
namespace {

constexpr std::string_view MenuHelp =
    "Usage: tolvane-cli menu check FILE\n"
    "       tolvane-cli menu normalize IN OUT\n"
    "       tolvane-cli menu list FILE\n"
    "       tolvane-cli menu search FILE [TERM1 [TERM2]] [--virtual-time] [--locale NAME]\n"
    "\n"
    "Reads menu files as the program does.\n"
    "  check      prints 'ok N items' (all items below the root) and exits 0, or prints the\n"
    "             program's load error text and exits 1\n"
    "  normalize  loads IN and saves it to OUT with the program's writer; errors on standard error, exit 1\n"
    "  list       one line per item, depth first in menu order: two blanks per level below 1, the type\n"
    "             code, a blank and the name (CR and LF in names written as \\r and \\n)\n"
    "  search     the Search dialog's rows as 'Title<TAB>Path<TAB>Type', then its caption\n"
    "             (see 'tolvane-cli menu search --help')\n"
    "A missing or unreadable FILE is a file error: exit 2.\n";

// The menu command a subcommand name stands for, with the number of file arguments it takes.
struct TSubcommand {
  std::string_view Name;
  std::size_t Arguments;
  // check reports a load error as its result; the others treat it as an error.
  bool LoadErrorIsResult;
  int (*Run)(storage::TMenuFile& menu, const std::vector<std::string>& args, TCliStreams streams);
};

std::size_t CountItems(const storage::TItem& item) {
  auto count = static_cast<std::size_t>(item.Children.Count());
  for (const storage::TItem& child : item.Children)
    count += CountItems(child);
  return count;
}

int RunCheck(storage::TMenuFile& menu, const std::vector<std::string>&, TCliStreams streams) {
  streams.Out << "ok " << CountItems(*menu.RootItem) << " items\n";
  return ExitOk;
}

int RunNormalize(storage::TMenuFile& menu, const std::vector<std::string>& args, TCliStreams) {
  return menu.SaveMenuFile(PathArgument(args[1])) == storage::TMenuSaveResult::Saved ? ExitOk : ExitStopped;
}

void ListChildren(const storage::TItem& parent, int depth, std::ostream& out) {
  for (const storage::TItem& item : parent.Children) {
    out << std::string(2 * static_cast<std::size_t>(depth), ' ') << item.ItemType << ' '
        << EscapedLine(item.Name) << '\n';
    ListChildren(item, depth + 1, out);
  }
}

int RunList(storage::TMenuFile& menu, const std::vector<std::string>&, TCliStreams streams) {
  ListChildren(*menu.RootItem, 0, streams.Out);
  return ExitOk;
}

constexpr TSubcommand Subcommands[] = {
    {"check", 1, true, RunCheck},
    {"normalize", 2, false, RunNormalize},
    {"list", 1, false, RunList},
};

// Loads the first argument as the program loads a menu file, then runs the subcommand on it.
int LoadAndRun(const TSubcommand& sub, const std::vector<std::string>& args, TCliStreams streams) {
  const std::string command = "menu " + std::string(sub.Name);
  TCliServices services({.LocaleName = {}, .MessageStream = &streams.Err});
  const platform::TServices set = services.Services();
  storage::TMenuFile menu(storage::TMenuFileServices::From(set));
  std::ostream& errorOut = sub.LoadErrorIsResult ? streams.Out : streams.Err;
  if (const int status = LoadMenuArgument(menu, set.Files, args[0], command, streams, errorOut);
      status != ExitOk)
    return status;
  return sub.Run(menu, args, streams);
}

}  // namespace

int RunMenu(const std::vector<std::string>& args, TCliStreams streams) {
  if (args.empty())
    return UsageError(streams, "menu", "missing subcommand (check, normalize, list or search)");
  if (WantsHelp(args)) {
    streams.Out << MenuHelp;
    return ExitOk;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "search")
    return RunMenuSearch(rest, streams);
  for (const TSubcommand& sub : Subcommands) {
    if (sub.Name != args[0])
      continue;
    if (WantsHelp(rest)) {
      streams.Out << MenuHelp;
      return ExitOk;
    }
    for (const std::string& arg : rest) {
      if (arg.size() > 1 && arg[0] == '-')
        return UsageError(streams, "menu " + args[0], "unknown option '" + arg + "'");
    }
    if (rest.size() != sub.Arguments) {
      return UsageError(streams, "menu " + args[0],
                        sub.Arguments == 1 ? "expects one FILE" : "expects IN and OUT");
    }
    return LoadAndRun(sub, rest, streams);
  }
  return UsageError(streams, "menu", "unknown subcommand '" + args[0] + "'");
}

}  // namespace tolvane::cli
