// Entry point of tolvane-cli: converts the command line to UTF-8 and hands it to RunCli.

#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "common/Unicode.h"

int wmain(int argc, wchar_t** argv) {
  // Byte-exact standard streams: no CR LF translation of the texts the commands write.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view arg(argv[i]);
    args.push_back(tolvane::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  return tolvane::cli::RunCli(args, {std::cin, std::cout, std::cerr});
}
#else
int main(int argc, char** argv) {
  return tolvane::cli::RunCli({argv + 1, argv + argc}, {std::cin, std::cout, std::cerr});
}
#endif
