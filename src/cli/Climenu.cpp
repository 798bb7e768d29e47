#include "cli/Climenu.h"

#include "cli/Cliio.h"
#include "common/Unicode.h"

namespace tolvane::cli {

int LoadMenuArgument(storage::TMenuFile& menu, platform::IFiles& files, const std::string& file,
                     std::string_view command, TCliStreams streams, std::ostream& errorOut) {
  const std::u16string path = PathArgument(file);
  if (!files.FileExists(path)) {
    (void)ReadInputFile(files, file, command, streams);
    return ExitUsage;
  }
  if (const std::u16string error = menu.LoadMenuFile(path, false); !error.empty()) {
    errorOut << Utf16ToUtf8(error) << '\n';
    return ExitStopped;
  }
  return ExitOk;
}

}  // namespace tolvane::cli
