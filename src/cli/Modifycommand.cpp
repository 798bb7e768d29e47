// tolvane-cli modify: a clipboard-modifier script over a text, with a private clipboard and a trace of what
// the script would have done to the desktop.

#include <charconv>
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/Cliio.h"
#include "cli/Cliservices.h"
#include "cli/Commands.h"
#include "common/Unicode.h"
#include "modifier/Qxcliptxt.h"
#include "modifier/Scriptlines.h"

namespace tolvane::cli {
namespace {

constexpr std::string_view Command = "modify";

constexpr std::string_view HelpText =
    "Usage: tolvane-cli modify SCRIPT [--input FILE] [--trace FILE] [--now TIME] [--locale NAME]\n"
    "                          [--virtual-time]\n"
    "       tolvane-cli modify SCRIPT --system [--now TIME] [--locale NAME]\n"
    "\n"
    "Runs the clipboard-modifier script in the file SCRIPT on a private clipboard that starts with the\n"
    "text of standard input (or FILE), then writes the clipboard's final text to standard output, byte\n"
    "for byte, nothing added; nothing when the clipboard ends empty. Keys the script sends go nowhere\n"
    "but into the trace.\n"
    "\n"
    "SCRIPT and the input are UTF-8; invalid bytes become U+FFFD. A byte order mark at the start of\n"
    "SCRIPT is skipped; the input is the clipboard's text exactly as it is. Script lines may end in\n"
    "CR LF, LF or CR.\n"
    "\n"
    "Options:\n"
    "  --input FILE     start with the text of FILE instead of standard input\n"
    "  --trace FILE     write the script's outward actions to FILE, one line each, in order; written\n"
    "                   also when the run stops:\n"
    "                     clipboard \"TEXT\"           the clipboard was set (JSON string escapes)\n"
    "                     clipboard-clear            the clipboard was emptied\n"
    "                     keys R R ...               one input batch; R is +XX or -XX, key down or up\n"
    "                                                of virtual key XX (hex), with 'e' appended for an\n"
    "                                                extended key, or +U+XXXX / -U+XXXX for a character\n"
    "                     sleep N                    a sleep or wait of N milliseconds\n"
    "                     message \"CAPTION\" \"TEXT\"   a message box\n"
    "  --now TIME       the current local time for the date functions, as\n"
    "                   YYYY-MM-DDTHH:MM:SS or YYYY-MM-DDTHH:MM:SS.mmm\n"
    "  --locale NAME    the locale for collation, case mapping and date formats, such as da_DK or\n"
    "                   en_US (Windows also takes da-DK); default: the environment's on Linux, the\n"
    "                   user's on Windows\n"
    "  --virtual-time   sleeps and waits take no time; the trace still shows them (without it they\n"
    "                   really wait)\n"
    "  --system         Windows only: run on the real clipboard, keyboard, foreground window, shell\n"
    "                   and clock, as from another program's hotkey. Standard input is not read and\n"
    "                   nothing is written to standard output; --input, --trace and --virtual-time\n"
    "                   cannot be combined with it, --now and --locale can.\n"
    "\n"
    "Messages the script shows go to standard error, one line each, as \"CAPTION: TEXT\" with line\n"
    "breaks in TEXT written as \\r and \\n.\n"
    "Exit status: 0 the whole script ran, 1 the run stopped, 2 usage or file error.\n";

struct TModifyOptions {
  std::string ScriptPath;
  std::optional<std::string> InputPath;
  std::optional<std::string> TracePath;
  std::optional<platform::TDateTime> Now;
  std::string LocaleName;
  bool VirtualTime = false;
  bool System = false;
};

// Exactly `digits` decimal digits at `position`, or nullopt.
std::optional<int> Digits(std::string_view text, std::size_t position, std::size_t digits) {
  if (position + digits > text.size())
    return std::nullopt;
  int value = 0;
  const char* first = text.data() + position;
  const auto [end, error] = std::from_chars(first, first + digits, value);
  if (error != std::errc() || end != first + digits || *first == '+' || *first == '-')
    return std::nullopt;
  return value;
}

std::optional<platform::TDateTime> ParseNow(std::string_view text) {
  if (text.size() != 19 && text.size() != 23)
    return std::nullopt;
  for (const auto& [position, sign] :
       {std::pair<std::size_t, char>{4, '-'}, {7, '-'}, {10, 'T'}, {13, ':'}, {16, ':'}}) {
    if (text[position] != sign)
      return std::nullopt;
  }
  if (text.size() == 23 && text[19] != '.')
    return std::nullopt;
  const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  const auto milli = text.size() == 23 ? Digits(text, 20, 3) : std::optional<int>(0);
  if (!year || !month || !day || !hour || !minute || !second || !milli || *hour > 23 || *minute > 59 ||
      *second > 59)
    return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok())
    return std::nullopt;
  const int weekday = static_cast<int>(std::chrono::weekday(std::chrono::sys_days(date)).c_encoding());
  return platform::TDateTime{*year, *month, *day, *hour, *minute, *second, *milli, weekday};
}

// Stores the value after the option at args[i] and moves i onto it; an error text when it is missing or
// invalid.
std::optional<std::string> TakeValue(const std::vector<std::string>& args, std::size_t& i,
                                     TModifyOptions& options) {
  const std::string& name = args[i];
  if (i + 1 >= args.size())
    return "option '" + name + "' needs a value";
  const std::string& value = args[++i];
  if (name == "--input") {
    options.InputPath = value;
  } else if (name == "--trace") {
    options.TracePath = value;
  } else if (name == "--locale") {
    options.LocaleName = value;
  } else {
    options.Now = ParseNow(value);
    if (!options.Now)
      return "--now takes YYYY-MM-DDTHH:MM:SS[.mmm], not '" + value + "'";
  }
  return std::nullopt;
}

std::optional<std::string> SystemConflict(const TModifyOptions& options) {
  if (!options.System)
    return std::nullopt;
  if (!SystemServicesAvailable)
    return "--system is only available on Windows";
  if (options.InputPath)
    return "--system reads the real clipboard; it cannot take --input";
  if (options.TracePath)
    return "--system acts on the real desktop; it cannot take --trace";
  if (options.VirtualTime)
    return "--system runs on real time; it cannot take --virtual-time";
  return std::nullopt;
}

// Fills the options; an error text for a usage error.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, TModifyOptions& options) {
  bool haveScript = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--input" || arg == "--trace" || arg == "--now" || arg == "--locale") {
      if (std::optional<std::string> problem = TakeValue(args, i, options))
        return problem;
    } else if (arg == "--virtual-time") {
      options.VirtualTime = true;
    } else if (arg == "--system") {
      options.System = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option '" + arg + "'";
    } else if (haveScript) {
      return "unexpected argument '" + arg + "'";
    } else {
      options.ScriptPath = arg;
      haveScript = true;
    }
  }
  if (!haveScript)
    return std::string("missing SCRIPT");
  return SystemConflict(options);
}

std::vector<std::u16string> ScriptLines(std::string_view bytes) {
  constexpr std::string_view Bom = "\xEF\xBB\xBF";
  if (bytes.starts_with(Bom))
    bytes.remove_prefix(Bom.size());
  return modifier::SplitScriptLines(Utf8ToUtf16(bytes));
}

std::optional<std::u16string> ReadInput(const TModifyOptions& options, platform::IFiles& files,
                                        TCliStreams streams) {
  if (options.InputPath)
    return ReadInputFileText(files, *options.InputPath, Command, streams);
  return ReadStreamText(streams.In);
}

void CannotWrite(const std::string& path, platform::IFiles& files, TCliStreams streams) {
  streams.Err << "tolvane-cli " << Command << ": cannot write '" << path
              << "': " << Utf16ToUtf8(files.LastError().Message) << '\n';
}

// The trace file, created before the run so that a path that cannot be written costs no run.
std::unique_ptr<platform::IFileWriter> CreateTrace(const std::string& path, platform::IFiles& files,
                                                   TCliStreams streams) {
  std::unique_ptr<platform::IFileWriter> writer = files.Create(PathArgument(path));
  if (!writer)
    CannotWrite(path, files, streams);
  return writer;
}

bool WriteTrace(platform::IFileWriter& writer, const std::string& trace, const std::string& path,
                platform::IFiles& files, TCliStreams streams) {
  if (writer.Write(trace) && writer.Close())
    return true;
  CannotWrite(path, files, streams);
  return false;
}

// The private clipboard starts with the input; an empty input is an empty clipboard, holding no text. The
// input is decoded as it is read, so its bytes are never held beside its text. False after a read error.
bool SeedClipboard(const TModifyOptions& options, platform::IFiles& files, TCliStreams streams,
                   recording::TRecordingClipboard& clipboard) {
  std::optional<std::u16string> input = ReadInput(options, files, streams);
  if (!input)
    return false;
  if (!input->empty())
    clipboard.ChangeExternally(std::move(*input));
  return true;
}

bool RunScript(const platform::TServices& services, const std::vector<std::u16string>& lines) {
  modifier::TQxClipTxt clip(services);
  return clip.RunScript(lines);
}

int Run(const TModifyOptions& options, TCliServices& cliServices, TCliStreams streams) {
  const platform::TServices services = cliServices.Services();
  const std::optional<std::string> script =
      ReadInputFile(services.Files, options.ScriptPath, Command, streams);
  if (!script)
    return ExitUsage;
  recording::TRecordingServices& doubles = cliServices.Recording();
  if (!options.System && !SeedClipboard(options, services.Files, streams, doubles.Clipboard))
    return ExitUsage;
  // Without a trace file nobody reads the log, which would hold a copy of every clipboard text and key.
  doubles.Recorder.SetKeeping(options.TracePath.has_value());
  std::unique_ptr<platform::IFileWriter> trace;
  if (options.TracePath && !(trace = CreateTrace(*options.TracePath, services.Files, streams)))
    return ExitUsage;
  const bool completed = RunScript(services, ScriptLines(*script));
  if (!options.System && doubles.Clipboard.Text())
    WriteText(streams.Out, *doubles.Clipboard.Text());
  if (trace && !WriteTrace(*trace, doubles.Recorder.Trace(), *options.TracePath, services.Files, streams))
    return ExitUsage;
  return completed ? ExitOk : ExitStopped;
}

}  // namespace

int RunModify(const std::vector<std::string>& args, TCliStreams streams) {
  if (WantsHelp(args)) {
    streams.Out << HelpText;
    return ExitOk;
  }
  TModifyOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options))
    return UsageError(streams, Command, *problem);
  std::unique_ptr<TCliServices> services;
  try {
    services = std::make_unique<TCliServices>(TCliServiceOptions{
        options.LocaleName, &streams.Err, options.VirtualTime, options.Now, options.System});
  } catch (const TCliOptionError& error) {
    return UsageError(streams, Command, error.what());
  }
  return Run(options, *services, streams);
}

}  // namespace tolvane::cli
