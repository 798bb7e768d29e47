#pragma once

#include <memory>

#include "platform/Files.h"
#include "platform/win32/Handles.h"

namespace tolvane::win32 {

// A file opened for writing. Failures go to the error record it shares with the TFiles that opened it, so
// TFiles::LastError() tells why a write failed.
class TFileWriter final : public platform::IFileWriter {
 public:
  TFileWriter(unique_file file, std::shared_ptr<platform::TSystemError> error);

  [[nodiscard]] bool Write(std::string_view bytes) override;
  [[nodiscard]] bool SetEnd() override;
  [[nodiscard]] bool Flush() override;
  // Closing again is harmless; writing after closing fails.
  [[nodiscard]] bool Close() override;

 private:
  bool Fail(DWORD code);

  unique_file File;
  std::shared_ptr<platform::TSystemError> Error;
};

}  // namespace tolvane::win32
