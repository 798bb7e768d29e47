#include "platform/native/Nativefiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/Unicode.h"
#include "platform/native/Nativefilewriter.h"
#include "platform/native/Nativepath.h"
#include "platform/native/Posixerror.h"

namespace tolvane::native {
namespace {

namespace fs = std::filesystem;

class TFd {
 public:
  explicit TFd(int fd) : Fd(fd) {}
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  ~TFd() {
    if (Fd >= 0)
      ::close(Fd);
  }
  int Get() const { return Fd; }

 private:
  int Fd;
};

// Reads to the end; the errno of the failing read, or 0.
int ReadToEnd(int fd, std::string& bytes) {
  std::array<char, 65536> buffer;
  for (;;) {
    const ssize_t count = ::read(fd, buffer.data(), buffer.size());
    if (count == 0)
      return 0;
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return errno;
    bytes.append(buffer.data(), static_cast<std::size_t>(count));
  }
}

}  // namespace

bool TNativeFiles::Fail(int code) {
  *Error = ErrnoError(code);
  return false;
}

bool TNativeFiles::FileExists(std::u16string_view path) {
  std::error_code error;
  return fs::is_regular_file(NativePath(path), error);
}

bool TNativeFiles::FolderExists(std::u16string_view path) {
  std::error_code error;
  return fs::is_directory(NativePath(path), error);
}

std::optional<std::string> TNativeFiles::ReadAll(std::u16string_view path) {
  const TFd fd(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) {
    Fail(errno);
    return std::nullopt;
  }
  std::string bytes;
  if (const int error = ReadToEnd(fd.Get(), bytes); error != 0) {
    Fail(error);
    return std::nullopt;
  }
  return bytes;
}

std::unique_ptr<platform::IFileWriter> TNativeFiles::Create(std::u16string_view path) {
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    Fail(errno);
    return nullptr;
  }
  return std::make_unique<TNativeFileWriter>(fd, Error);
}

bool TNativeFiles::Replace(std::u16string_view target, std::u16string_view replacement) {
  return std::rename(NativePath(replacement).c_str(), NativePath(target).c_str()) == 0 || Fail(errno);
}

bool TNativeFiles::Delete(std::u16string_view path) {
  return ::unlink(NativePath(path).c_str()) == 0 || Fail(errno);
}

std::optional<std::vector<platform::TFolderEntry>> TNativeFiles::List(std::u16string_view folder) {
  std::error_code error;
  fs::directory_iterator entry(NativePath(folder), error);
  std::vector<platform::TFolderEntry> entries;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::error_code typeError;
    entries.push_back({Utf8ToUtf16(entry->path().filename().native()), entry->is_directory(typeError)});
  }
  if (error) {
    Fail(error.value());
    return std::nullopt;
  }
  return entries;
}

bool TNativeFiles::CreateFolder(std::u16string_view path) {
  std::error_code error;
  const fs::path folder = NativePath(path);
  fs::create_directories(folder, error);
  std::error_code checkError;
  if (fs::is_directory(folder, checkError))
    return true;
  return Fail(error ? error.value() : EEXIST);
}

bool TNativeFiles::CanOpenForWriting(std::u16string_view path) {
  const TFd fd(::open(NativePath(path).c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.Get() < 0)
    return Fail(errno);
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  if (::fcntl(fd.Get(), F_OFD_GETLK, &lock) != 0)
    return Fail(errno);
  return lock.l_type == F_UNLCK || Fail(EAGAIN);
}

}  // namespace tolvane::native
