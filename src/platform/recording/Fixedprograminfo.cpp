#include "platform/recording/Fixedprograminfo.h"

#include "common/Unicode.h"
#include "common/Version.h"
#include "platform/recording/Casefold.h"

namespace tolvane::recording {

TFixedProgramInfo::TFixedProgramInfo() : Executable(u"C:\\Program Files\\Tolvane\\tolvane.exe") {
  SetFileVersion(Executable, U16(TOLVANE_VERSION_TEXT));
}

std::optional<std::u16string> TFixedProgramInfo::FileVersion(std::u16string_view path) {
  const auto found = Versions.find(FoldCase(path));
  if (found == Versions.end())
    return std::nullopt;
  return found->second;
}

void TFixedProgramInfo::SetFileVersion(std::u16string_view path, std::optional<std::u16string> version) {
  if (version) {
    Versions[FoldCase(path)] = std::move(*version);
  } else {
    Versions.erase(FoldCase(path));
  }
}

}  // namespace tolvane::recording
