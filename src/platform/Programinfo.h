#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::platform {

// Facts about the running program and executable files.
class IProgramInfo {
 public:
  virtual ~IProgramInfo() = default;

  // Full path of the running executable.
  virtual std::u16string ExecutablePath() = 0;
  // "FileVersion" of a file's version resource as "a.b.c.d"; nullopt when it has none.
  virtual std::optional<std::u16string> FileVersion(std::u16string_view path) = 0;
  // True for a 32-bit process on 64-bit Windows.
  virtual bool IsWow64() = 0;
};

}  // namespace tolvane::platform
