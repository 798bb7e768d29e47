#include "platform/native/Nativefilewriter.h"

#include <unistd.h>

#include <cerrno>

#include "platform/native/Posixerror.h"

namespace tolvane::native {

TNativeFileWriter::~TNativeFileWriter() {
  if (Fd >= 0)
    ::close(Fd);
}

bool TNativeFileWriter::Fail(int code) {
  *Error = ErrnoError(code);
  return false;
}

bool TNativeFileWriter::Write(std::string_view bytes) {
  if (Fd < 0)
    return Fail(EBADF);
  while (!bytes.empty()) {
    const ssize_t written = ::write(Fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written < 0)
      return Fail(errno);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool TNativeFileWriter::SetEnd() {
  if (Fd < 0)
    return Fail(EBADF);
  const off_t position = ::lseek(Fd, 0, SEEK_CUR);
  if (position < 0)
    return Fail(errno);
  return ::ftruncate(Fd, position) == 0 || Fail(errno);
}

bool TNativeFileWriter::Flush() {
  if (Fd < 0)
    return Fail(EBADF);
  return ::fsync(Fd) == 0 || Fail(errno);
}

bool TNativeFileWriter::Close() {
  if (Fd < 0)
    return Fail(EBADF);
  // The descriptor is gone after close() even when it reports an error, so it must not be closed again.
  const int result = ::close(Fd);
  Fd = -1;
  return result == 0 || Fail(errno);
}

}  // namespace tolvane::native
