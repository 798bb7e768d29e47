#pragma once

#include <memory>
#include <string_view>
#include <utility>

#include "platform/Files.h"

namespace tolvane::native {

// Writes to an open file descriptor, which it owns. Failures go to the error slot shared with the
// TNativeFiles that made it, where the caller reads them through IFiles::LastError.
class TNativeFileWriter final : public platform::IFileWriter {
 public:
  TNativeFileWriter(int fd, std::shared_ptr<platform::TSystemError> error)
      : Fd(fd), Error(std::move(error)) {}
  TNativeFileWriter(const TNativeFileWriter&) = delete;
  TNativeFileWriter& operator=(const TNativeFileWriter&) = delete;
  ~TNativeFileWriter() override;

  [[nodiscard]] bool Write(std::string_view bytes) override;
  [[nodiscard]] bool SetEnd() override;
  [[nodiscard]] bool Flush() override;
  [[nodiscard]] bool Close() override;

 private:
  bool Fail(int code);

  int Fd;
  std::shared_ptr<platform::TSystemError> Error;
};

}  // namespace tolvane::native
