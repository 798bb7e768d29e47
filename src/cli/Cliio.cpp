#include "cli/Cliio.h"

#include "common/Unicode.h"

namespace tolvane::cli {

bool WantsHelp(const std::vector<std::string>& args) {
  return args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
}

int UsageError(TCliStreams streams, std::string_view command, std::string_view message) {
  streams.Err << "tolvane-cli " << command << ": " << message << "\nTry 'tolvane-cli " << command
              << " --help'.\n";
  return ExitUsage;
}

std::u16string PathArgument(const std::string& argument) {
  return Utf8ToUtf16(argument);
}

std::optional<std::string> ReadInputFile(platform::IFiles& files, const std::string& path,
                                         std::string_view command, TCliStreams streams) {
  const std::u16string name = PathArgument(path);
  std::optional<std::string> bytes;
  if (!files.FolderExists(name))
    bytes = files.ReadAll(name);
  if (!bytes) {
    const platform::TSystemError error = files.LastError();
    streams.Err << "tolvane-cli " << command << ": cannot read '" << path << "'";
    if (!error.Message.empty())
      streams.Err << ": " << Utf16ToUtf8(error.Message);
    streams.Err << '\n';
  }
  return bytes;
}

void WriteText(std::ostream& out, std::u16string_view text) {
  out << Utf16ToUtf8(text);
}

}  // namespace tolvane::cli
