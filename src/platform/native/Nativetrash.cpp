#include "platform/native/Nativetrash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tolvane::native {
namespace {

namespace fs = std::filesystem;
using platform::TRecycleResult;

std::optional<fs::path> HomeTrash() {
  // A relative value is to be ignored, as for every XDG base folder.
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/')
    return fs::path(data) / "Trash";
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
    return fs::path(home) / ".local" / "share" / "Trash";
  return std::nullopt;
}

// Makes the folder and its missing parents, private to the user as the trash layout asks; errno or 0.
int MakePrivateFolders(const fs::path& folder) {
  fs::path partial;
  for (const fs::path& part : folder) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
      return errno;
  }
  struct stat made {};
  if (::stat(folder.c_str(), &made) != 0)
    return errno;
  return S_ISDIR(made.st_mode) ? 0 : ENOTDIR;
}

// The path as a URI path: bytes other than the unreserved characters and '/' as %XX.
std::string PercentEncoded(std::string_view path) {
  constexpr std::string_view Kept = "/-_.!~*'()";
  constexpr std::string_view Hex = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool alphanumeric =
        (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9');
    if (alphanumeric || Kept.find(c) != std::string_view::npos) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += Hex[byte >> 4];
      encoded += Hex[byte & 0xF];
    }
  }
  return encoded;
}

std::string TrashInfo(const fs::path& origin) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char date[32] = {};
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  return "[Trash Info]\nPath=" + PercentEncoded(origin.native()) + "\nDeletionDate=" + date + "\n";
}

// "menu.TvXml" as the nth of its name: "menu.2.TvXml", keeping the extension that file managers go by.
std::string NumberedName(const fs::path& name, int number) {
  if (number == 1)
    return name.native();
  return name.stem().native() + "." + std::to_string(number) + name.extension().native();
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written < 0)
      return errno;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Claims a name in the trash by making its info file exclusively, so that other programs trashing a file of
// the same name at the same time take another one, and writes the info. A name already used under files/
// without info (left behind by someone) is skipped, never overwritten.
int ClaimName(const fs::path& trash, const fs::path& name, const std::string& info, fs::path& infoFile,
              fs::path& target) {
  for (int number = 1; number <= 10000; ++number) {
    const std::string candidate = NumberedName(name, number);
    infoFile = trash / "info" / (candidate + ".trashinfo");
    const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST)
      continue;
    if (fd < 0)
      return errno;
    target = trash / "files" / candidate;
    struct stat existing {};
    int error = ::lstat(target.c_str(), &existing) == 0 ? EEXIST : WriteAll(fd, info);
    if (::close(fd) != 0 && error == 0)
      error = errno;
    if (error == 0)
      return 0;
    ::unlink(infoFile.c_str());
    if (error != EEXIST)
      return error;
  }
  return EEXIST;
}

}  // namespace

TTrashOutcome MoveToHomeTrash(const fs::path& file) {
  // The folder's real location, so the recorded origin holds however the path reached it.
  std::error_code pathError;
  const fs::path folder = fs::canonical(fs::absolute(file, pathError).parent_path(), pathError);
  if (pathError)
    return {TRecycleResult::Failed, pathError.value()};
  const fs::path origin = folder / file.filename();
  struct stat item {};
  if (::lstat(origin.c_str(), &item) != 0)
    return {TRecycleResult::Failed, errno};
  if (S_ISDIR(item.st_mode))
    return {TRecycleResult::Failed, EISDIR};

  const std::optional<fs::path> trash = HomeTrash();
  if (!trash)
    return {TRecycleResult::NoRecycleBin, 0};
  for (const char* part : {"files", "info"}) {
    if (const int error = MakePrivateFolders(*trash / part); error != 0)
      return {TRecycleResult::Failed, error};
  }
  struct stat files {};
  if (::stat((*trash / "files").c_str(), &files) != 0)
    return {TRecycleResult::Failed, errno};
  if (files.st_dev != item.st_dev)
    return {TRecycleResult::NoRecycleBin, 0};

  fs::path infoFile;
  fs::path target;
  if (const int error = ClaimName(*trash, origin.filename(), TrashInfo(origin), infoFile, target); error != 0)
    return {TRecycleResult::Failed, error};
  if (std::rename(origin.c_str(), target.c_str()) == 0)
    return {TRecycleResult::Recycled, 0};
  const int error = errno;
  ::unlink(infoFile.c_str());
  // Another mount of the same device (a bind mount) still refuses a rename across it.
  if (error == EXDEV)
    return {TRecycleResult::NoRecycleBin, 0};
  return {TRecycleResult::Failed, error};
}

}  // namespace tolvane::native
