#include "cli/Cliio.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>

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

namespace {

constexpr std::size_t InputPiece = std::size_t{1} << 20;

void CannotRead(platform::IFiles& files, const std::string& path, std::string_view command,
                TCliStreams streams) {
  const platform::TSystemError error = files.LastError();
  streams.Err << "tolvane-cli " << command << ": cannot read '" << path << "'";
  if (!error.Message.empty())
    streams.Err << ": " << Utf16ToUtf8(error.Message);
  streams.Err << '\n';
}

}  // namespace

std::optional<std::string> ReadInputFile(platform::IFiles& files, const std::string& path,
                                         std::string_view command, TCliStreams streams) {
  const std::u16string name = PathArgument(path);
  std::optional<std::string> bytes;
  if (!files.FolderExists(name))
    bytes = files.ReadAll(name);
  if (!bytes)
    CannotRead(files, path, command, streams);
  return bytes;
}

std::optional<std::u16string> ReadInputFileText(platform::IFiles& files, const std::string& path,
                                                std::string_view command, TCliStreams streams) {
  const std::u16string name = PathArgument(path);
  TUtf8Decoder decoder;
  if (const std::optional<platform::TFileInfo> info = files.Info(name))
    decoder.Reserve(static_cast<std::size_t>(std::min<std::uint64_t>(info->Size, SIZE_MAX)));
  if (files.FolderExists(name) ||
      !files.ReadPieces(name, [&](std::string_view piece) { decoder.Feed(piece); })) {
    CannotRead(files, path, command, streams);
    return std::nullopt;
  }
  return decoder.Finish();
}

std::u16string ReadStreamText(std::istream& in) {
  TUtf8Decoder decoder;
  const auto buffer = std::make_unique_for_overwrite<char[]>(InputPiece);
  while (in.read(buffer.get(), static_cast<std::streamsize>(InputPiece)) || in.gcount() > 0)
    decoder.Feed(std::string_view(buffer.get(), static_cast<std::size_t>(in.gcount())));
  return decoder.Finish();
}

void WriteText(std::ostream& out, std::u16string_view text) {
  // In pieces: the whole text as one UTF-8 string would hold another copy of a large clipboard in memory.
  constexpr std::size_t Piece = std::size_t{1} << 16;
  std::string bytes;
  while (!text.empty()) {
    std::size_t units = std::min(Piece, text.size());
    // A surrogate pair is encoded as one character, so it never straddles two pieces.
    if (units < text.size() && text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF)
      --units;
    bytes.clear();
    AppendUtf8(bytes, text.substr(0, units));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    text.remove_prefix(units);
  }
}

}  // namespace tolvane::cli
