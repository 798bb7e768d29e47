#include "platform/native/Nativefiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "common/Unicode.h"
#include "platform/native/Nativefilewriter.h"
#include "platform/native/Nativepath.h"
#include "platform/native/Nativetrash.h"
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
// Reads straight into the string, sized from the file's length with one byte to spare, so that a large file
// is read in one call and the end shows without growing the string. A file that grows meanwhile, or has no
// length (a pipe), is still read whole.
int ReadToEnd(int fd, std::string& bytes) {
  constexpr std::size_t MinimumRoom = 65536;
  struct stat status {};
  const bool sized = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0;
  std::size_t used = 0;
  bytes.resize(sized ? static_cast<std::size_t>(status.st_size) + 1 : MinimumRoom);
  for (;;) {
    if (used == bytes.size())
      bytes.resize(2 * bytes.size());
    const ssize_t count = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (count == 0) {
      bytes.resize(used);
      return 0;
    }
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return errno;
    used += static_cast<std::size_t>(count);
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

std::optional<platform::TFileInfo> TNativeFiles::Info(std::u16string_view path) {
  struct stat status {};
  if (::stat(NativePath(path).c_str(), &status) != 0) {
    (void)Fail(errno);
    return std::nullopt;
  }
  if (!S_ISREG(status.st_mode))
    return std::nullopt;
  constexpr std::int64_t NanosecondsPerSecond = 1000000000;
  return platform::TFileInfo{
      static_cast<std::uint64_t>(status.st_size),
      static_cast<std::int64_t>(status.st_mtim.tv_sec) * NanosecondsPerSecond + status.st_mtim.tv_nsec};
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

bool TNativeFiles::ReadPieces(std::u16string_view path, const std::function<void(std::string_view)>& piece) {
  const TFd fd(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0)
    return Fail(errno);
  constexpr std::size_t PieceSize = std::size_t{1} << 20;
  const auto buffer = std::make_unique_for_overwrite<char[]>(PieceSize);
  for (;;) {
    const ssize_t count = ::read(fd.Get(), buffer.get(), PieceSize);
    if (count == 0)
      return true;
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return Fail(errno);
    piece(std::string_view(buffer.get(), static_cast<std::size_t>(count)));
  }
}

std::unique_ptr<platform::IFileWriter> TNativeFiles::Create(std::u16string_view path) {
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    Fail(errno);
    return nullptr;
  }
  return std::make_unique<TNativeFileWriter>(fd, Error);
}

std::unique_ptr<platform::IFileWriter> TNativeFiles::OpenForOverwrite(std::u16string_view path) {
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    Fail(errno);
    return nullptr;
  }
  return std::make_unique<TNativeFileWriter>(fd, Error);
}

std::optional<platform::TTemporaryFile> TNativeFiles::CreateTemporary(std::u16string_view nameStart) {
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error);
  if (error) {
    Fail(error.value());
    return std::nullopt;
  }
  constexpr std::string_view Suffix = ".tmp";
  std::string name = (folder / (Utf16ToUtf8(nameStart) + "XXXXXX")).native() + std::string(Suffix);
  // mkostemps makes the file only readable by its owner, which suits a copy of someone's data.
  const int fd = ::mkostemps(name.data(), static_cast<int>(Suffix.size()), O_CLOEXEC);
  if (fd < 0) {
    Fail(errno);
    return std::nullopt;
  }
  return platform::TTemporaryFile{std::make_unique<TNativeFileWriter>(fd, Error), Utf8ToUtf16(name)};
}

bool TNativeFiles::Replace(std::u16string_view target, std::u16string_view replacement) {
  const fs::path from = NativePath(replacement);
  const fs::path to = NativePath(target);
  // The new content would otherwise get the default permissions, opening up a file its owner had closed.
  struct stat existing {};
  if (::stat(to.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    (void)::chmod(from.c_str(), existing.st_mode & 0777);
  return std::rename(from.c_str(), to.c_str()) == 0 || Fail(errno);
}

bool TNativeFiles::Delete(std::u16string_view path) {
  return ::unlink(NativePath(path).c_str()) == 0 || Fail(errno);
}

platform::TRecycleResult TNativeFiles::Recycle(std::u16string_view path) {
  const TTrashOutcome outcome = MoveToHomeTrash(NativePath(path));
  if (outcome.Result == platform::TRecycleResult::Failed)
    Fail(outcome.Error);
  return outcome.Result;
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

std::u16string TNativeFiles::FinalPath(std::u16string_view path) {
  fs::path current = NativePath(path);
  // The kernel too gives up on chains of more than 40 links.
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error)))
      return hop == 0 ? std::u16string(path) : PathText(current);
    const fs::path next = fs::read_symlink(current, error);
    if (error)
      break;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return std::u16string(path);
}

bool TNativeFiles::IsAccessDenied(const platform::TSystemError& error) const {
  return error.Code == static_cast<std::uint32_t>(EACCES) || error.Code == static_cast<std::uint32_t>(EPERM);
}

}  // namespace tolvane::native
