// tolvane-cli menu search: the Search dialog's result list and caption for a menu file.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cliio.h"
#include "cli/Climenu.h"
#include "cli/Cliservices.h"
#include "cli/Commands.h"
#include "common/Unicode.h"
#include "storage/Itemfile.h"
#include "storage/Searchfrm.h"

namespace tolvane::cli {
namespace {

constexpr std::string_view Command = "menu search";

constexpr std::string_view SearchHelp =
    "Usage: tolvane-cli menu search FILE [TERM1 [TERM2]] [--virtual-time] [--locale NAME]\n"
    "\n"
    "Loads FILE as the program does and searches its items as the Search dialog does, with TERM1\n"
    "typed into the first box and then TERM2 into the second. Prints one line per result row,\n"
    "'Title<TAB>Path<TAB>Type' (CR, LF and TAB inside texts written as \\r, \\n and \\t), then the\n"
    "dialog's caption.\n"
    "  --virtual-time  measure on a virtual clock, so the caption always says 0 milliseconds\n"
    "  --locale NAME   the locale for sorting and case-insensitive matching, such as da_DK or en_US\n"
    "                  (Windows also takes da-DK); default: the environment's on Linux, the user's on\n"
    "                  Windows\n"
    "  --              what follows is FILE and terms, even when it begins with '-'\n"
    "A missing or unreadable FILE is a file error: exit 2. A file that cannot be loaded: the program's\n"
    "load error text on standard error, exit 1.\n";

struct TSearchArguments {
  std::vector<std::string> Positional;  // FILE, then up to two terms
  std::string LocaleName;
  bool VirtualTime = false;
};

// Empty on success, else the usage error to report.
std::string ParseArguments(const std::vector<std::string>& args, TSearchArguments& parsed) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.Positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--virtual-time") {
      parsed.VirtualTime = true;
    } else if (arg == "--locale") {
      if (++i == args.size())
        return "--locale expects a NAME";
      parsed.LocaleName = args[i];
    } else {
      return "unknown option '" + arg + "'";
    }
  }
  if (parsed.Positional.empty())
    return "expects FILE";
  if (parsed.Positional.size() > 3)
    return "expects FILE and at most two terms";
  return {};
}

std::string Cell(std::u16string_view text) {
  return EscapedLine(text, true);
}

void Search(storage::TItem& root, const TSearchArguments& parsed, const platform::TServices& set,
            std::ostream& out) {
  storage::TSearchEngine engine(set.Locale, set.Time);
  engine.Load(root);
  // Typing is what changes a box; an empty term leaves its box as it was.
  if (parsed.Positional.size() > 1 && !parsed.Positional[1].empty())
    engine.SetTerm1(Utf8ToUtf16(parsed.Positional[1]));
  if (parsed.Positional.size() > 2 && !parsed.Positional[2].empty())
    engine.SetTerm2(Utf8ToUtf16(parsed.Positional[2]));
  for (const storage::TSearchRow& row : engine.Rows())
    out << Cell(row.Title) << '\t' << Cell(row.Path) << '\t' << Cell(row.TypeName) << '\n';
  out << Cell(engine.Caption()) << '\n';
}

}  // namespace

int RunMenuSearch(const std::vector<std::string>& args, TCliStreams streams) {
  if (WantsHelp(args)) {
    streams.Out << SearchHelp;
    return ExitOk;
  }
  TSearchArguments parsed;
  if (const std::string error = ParseArguments(args, parsed); !error.empty())
    return UsageError(streams, Command, error);

  std::unique_ptr<TCliServices> services;
  try {
    // Without --virtual-time the service set's clock ticks in real time, which the caption reports.
    services = std::make_unique<TCliServices>(TCliServiceOptions{
        .LocaleName = parsed.LocaleName, .MessageStream = &streams.Err, .VirtualTime = parsed.VirtualTime});
  } catch (const TCliOptionError& error) {
    return UsageError(streams, Command, error.what());
  }
  const platform::TServices set = services->Services();
  storage::TMenuFile menu(storage::TMenuFileServices::From(set));
  if (const int status =
          LoadMenuArgument(menu, set.Files, parsed.Positional[0], Command, streams, streams.Err);
      status != ExitOk)
    return status;
  Search(*menu.RootItem, parsed, set, streams.Out);
  return ExitOk;
}

}  // namespace tolvane::cli
