#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Programinfo.h"

namespace tolvane::recording {

// Program facts as the test sets them. By default the executable is "C:\Program Files\Tolvane\tolvane.exe"
// with the build's own version, and the process is not WOW64.
class TFixedProgramInfo final : public platform::IProgramInfo {
 public:
  TFixedProgramInfo();

  std::u16string ExecutablePath() override { return Executable; }
  std::optional<std::u16string> FileVersion(std::u16string_view path) override;
  bool IsWow64() override { return Wow64; }

  void SetExecutablePath(std::u16string path) { Executable = std::move(path); }
  // nullopt removes the file's version resource. Paths compare ignoring case.
  void SetFileVersion(std::u16string_view path, std::optional<std::u16string> version);
  void SetWow64(bool wow64) { Wow64 = wow64; }

 private:
  std::u16string Executable;
  std::map<std::u16string, std::u16string> Versions;  // by case-folded path
  bool Wow64 = false;
};

}  // namespace tolvane::recording
