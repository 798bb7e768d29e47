#include "platform/win32/Files.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <memory>
#include <new>
#include <string>

#include "platform/win32/Filewriter.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Mappedfile.h"
#include "platform/win32/Recyclebin.h"
#include "platform/win32/Systemerror.h"
#include "platform/win32/Windowspath.h"

namespace tolvane::win32 {

namespace {

// Above this a whole-file read cannot be held (32-bit builds) or would be cut short by 32-bit sizes.
constexpr ULONGLONG MaxReadSize =
    std::min<ULONGLONG>(std::numeric_limits<DWORD>::max(), std::numeric_limits<std::size_t>::max() / 2);

DWORD Attributes(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str());
}

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
  const std::size_t root = RootLength(path);
  while (path.size() > root && path.back() == L'\\')
    path.pop_back();
  return path;
}

// Reads until the expected size or the end of the file; returns false with the system error set on failure.
bool ReadInto(HANDLE file, std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 30));
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data() + done, chunk, &read, nullptr))
      return false;
    if (read == 0)
      break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return true;
}

// Gives a replaced file back the attributes that describe the file rather than its content (hidden, system,
// not indexed). The archive bit stays as the new content set it, so backup programs see the change.
void KeepAttributes(const std::wstring& path, DWORD before) {
  constexpr DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  constexpr DWORD Settable = Kept | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY |
                             FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;
  const DWORD now = Attributes(path);
  if (now == INVALID_FILE_ATTRIBUTES)
    return;
  const DWORD wanted = (now & Settable & ~Kept) | (before & Kept);
  if (wanted != (now & Settable))
    (void)::SetFileAttributesW(path.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
}

std::optional<std::wstring> TemporaryFolder() {
  const DWORD size = ::GetTempPathW(0, nullptr);
  if (size == 0)
    return std::nullopt;
  std::wstring folder(size, L'\0');
  const DWORD length = ::GetTempPathW(size, folder.data());
  if (length == 0 || length >= size)
    return std::nullopt;
  folder.resize(length);
  return folder;
}

std::wstring FinalPathOf(HANDLE file) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()),
                                                     FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0)
      return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);
  }
}

// Short paths lose the "\\?\" prefix, which messages would show; long ones keep it, as they need it.
std::wstring WithoutLongPrefix(const std::wstring& path) {
  constexpr std::wstring_view LongUnc = L"\\\\?\\UNC\\";
  constexpr std::wstring_view Long = L"\\\\?\\";
  std::wstring shorter;
  if (path.starts_with(LongUnc))
    shorter = L"\\\\" + path.substr(LongUnc.size());
  else if (path.starts_with(Long) && path.size() > Long.size() + 1 && path[Long.size() + 1] == L':')
    shorter = path.substr(Long.size());
  // Room for a longer name beside the file, such as a temporary one.
  return !shorter.empty() && shorter.size() + 16 < MAX_PATH ? shorter : path;
}

std::atomic<unsigned> TemporaryCounter{0};

}  // namespace

TFiles::TFiles() : Error(std::make_shared<platform::TSystemError>()) {}

bool TFiles::FileExists(std::u16string_view path) {
  return IsFile(Attributes(ToWindowsPath(path)));
}

bool TFiles::FolderExists(std::u16string_view path) {
  return IsFolder(Attributes(ToWindowsPath(path)));
}

std::optional<platform::TFileInfo> TFiles::Info(std::u16string_view path) {
  const std::wstring windowsPath = ToWindowsPath(path);
  // Asked by name, so no handle stands in the way of another program replacing the file meanwhile.
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(windowsPath.c_str(), GetFileExInfoStandard, &data)) {
    (void)Fail(::GetLastError());
    return std::nullopt;
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return std::nullopt;
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    // A link answers for itself by name; its target answers through a handle.
    const unique_file file(::CreateFileW(windowsPath.c_str(), 0,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !::GetFileInformationByHandle(file.get(), &info)) {
      (void)Fail(::GetLastError());
      return std::nullopt;
    }
    data.nFileSizeHigh = info.nFileSizeHigh;
    data.nFileSizeLow = info.nFileSizeLow;
    data.ftLastWriteTime = info.ftLastWriteTime;
  }
  const auto high = static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime);
  return platform::TFileInfo{(static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                             static_cast<std::int64_t>((high << 32) | data.ftLastWriteTime.dwLowDateTime)};
}

std::optional<std::string> TFiles::ReadAll(std::u16string_view path) {
  const unique_file file(::CreateFileW(ToWindowsPath(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !::GetFileSizeEx(file.get(), &size)) {
    Fail(::GetLastError());
    return std::nullopt;
  }
  if (static_cast<ULONGLONG>(size.QuadPart) > MaxReadSize) {
    Fail(ERROR_FILE_TOO_LARGE);
    return std::nullopt;
  }
  try {
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    if (ReadInto(file.get(), bytes))
      return bytes;
    Fail(::GetLastError());
  } catch (const std::bad_alloc&) {
    Fail(ERROR_NOT_ENOUGH_MEMORY);
  }
  return std::nullopt;
}

bool TFiles::ReadPieces(std::u16string_view path, const std::function<void(std::string_view)>& piece) {
  const unique_file file(::CreateFileW(ToWindowsPath(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file)
    return Fail(::GetLastError());
  constexpr DWORD PieceSize = 1U << 20;
  const auto buffer = std::make_unique_for_overwrite<char[]>(PieceSize);
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer.get(), PieceSize, &read, nullptr))
      return Fail(::GetLastError());
    if (read == 0)
      return true;
    piece(std::string_view(buffer.get(), read));
  }
}

std::unique_ptr<platform::IFileContent> TFiles::ReadContent(std::u16string_view path) {
  const std::wstring windowsPath = ToWindowsPath(path);
  if (OnFixedDisk(windowsPath)) {
    const unique_file file(::CreateFileW(windowsPath.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (file && ::GetFileSizeEx(file.get(), &size) && static_cast<ULONGLONG>(size.QuadPart) <= MaxReadSize) {
      if (auto content = MapFileContent(file.get(), static_cast<std::size_t>(size.QuadPart)))
        return content;
    }
  }
  // Whatever kept the file from being mapped, the plain read reports it, or reads what mapping could not.
  return IFiles::ReadContent(path);
}

std::unique_ptr<platform::IFileWriter> TFiles::OpenWriter(std::u16string_view path, DWORD disposition) {
  unique_file file(::CreateFileW(ToWindowsPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    Fail(::GetLastError());
    return nullptr;
  }
  return std::make_unique<TFileWriter>(std::move(file), Error);
}

std::unique_ptr<platform::IFileWriter> TFiles::Create(std::u16string_view path) {
  return OpenWriter(path, CREATE_ALWAYS);
}

std::unique_ptr<platform::IFileWriter> TFiles::OpenForOverwrite(std::u16string_view path) {
  return OpenWriter(path, OPEN_EXISTING);
}

std::optional<platform::TTemporaryFile> TFiles::CreateTemporary(std::u16string_view nameStart) {
  const std::optional<std::wstring> folder = TemporaryFolder();
  if (!folder) {
    Fail(::GetLastError());
    return std::nullopt;
  }
  const std::wstring start =
      *folder + ToWindowsPath(nameStart) + std::to_wstring(::GetCurrentProcessId()) + L"-";
  // The process id keeps instances apart; the counter skips names that earlier processes left behind.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::wstring path = start + std::to_wstring(++TemporaryCounter) + L".tmp";
    unique_file file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file)
      return platform::TTemporaryFile{std::make_unique<TFileWriter>(std::move(file), Error), Narrow16(path)};
    if (::GetLastError() != ERROR_FILE_EXISTS)
      break;
  }
  Fail(::GetLastError());
  return std::nullopt;
}

bool TFiles::Replace(std::u16string_view target, std::u16string_view replacement) {
  const std::wstring to = ToWindowsPath(target);
  const std::wstring from = ToWindowsPath(replacement);
  const DWORD attributes = Attributes(to);
  if (IsFile(attributes))
    return ReplaceExisting(to, from, attributes);
  return MoveInto(to, from);
}

bool TFiles::MoveInto(const std::wstring& target, const std::wstring& replacement) {
  if (::MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  return Fail(::GetLastError());
}

// ReplaceFileW, unlike a move, keeps the replaced file's security and, on Windows, its attributes.
bool TFiles::ReplaceExisting(const std::wstring& target, const std::wstring& replacement, DWORD attributes) {
  if (::ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr)) {
    KeepAttributes(target, attributes);
    return true;
  }
  const DWORD error = ::GetLastError();
  // The old file went away meanwhile, or ReplaceFileW moved it aside and then could not move the new one
  // in: the new content still waits under its own name, and a move puts it in place.
  if ((error == ERROR_FILE_NOT_FOUND && !IsFile(Attributes(target))) ||
      error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
    return MoveInto(target, replacement);
  return Fail(error);
}

bool TFiles::Delete(std::u16string_view path) {
  if (::DeleteFileW(ToWindowsPath(path).c_str()))
    return true;
  return Fail(::GetLastError());
}

platform::TRecycleResult TFiles::Recycle(std::u16string_view path) {
  const TRecycleOutcome outcome = MoveToRecycleBin(path);
  if (outcome.Result == platform::TRecycleResult::Failed)
    Fail(outcome.Error);
  return outcome.Result;
}

std::optional<std::vector<platform::TFolderEntry>> TFiles::List(std::u16string_view folder) {
  const std::wstring pattern = WithoutTrailingSeparators(ToWindowsPath(folder)) + L"\\*";
  WIN32_FIND_DATAW found{};
  const unique_find search(::FindFirstFileW(pattern.c_str(), &found));
  std::vector<platform::TFolderEntry> entries;
  if (!search) {
    // An empty drive root has no "." entry, so nothing is found at all.
    if (::GetLastError() == ERROR_FILE_NOT_FOUND)
      return entries;
    Fail(::GetLastError());
    return std::nullopt;
  }
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..")
      entries.push_back({Narrow16(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (::FindNextFileW(search.get(), &found));
  if (::GetLastError() != ERROR_NO_MORE_FILES) {
    Fail(::GetLastError());
    return std::nullopt;
  }
  return entries;
}

bool TFiles::CreateFolder(std::u16string_view path) {
  const std::wstring full = WithoutTrailingSeparators(ToWindowsPath(path));
  DWORD failure = ERROR_PATH_NOT_FOUND;
  // Each ancestor below the volume root, then the folder itself.
  for (std::size_t end = full.find(L'\\', RootLength(full));; end = full.find(L'\\', end + 1)) {
    const std::wstring prefix = full.substr(0, end);
    if (!prefix.empty() && !IsFolder(Attributes(prefix)) && !::CreateDirectoryW(prefix.c_str(), nullptr))
      failure = ::GetLastError();
    if (end == std::wstring::npos)
      break;
  }
  if (!full.empty() && IsFolder(Attributes(full)))
    return true;
  return Fail(failure);
}

bool TFiles::CanOpenForWriting(std::u16string_view path) {
  const unique_file file(::CreateFileW(ToWindowsPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file)
    return true;
  return Fail(::GetLastError());
}

std::u16string TFiles::FinalPath(std::u16string_view path) {
  const std::wstring windowsPath = ToWindowsPath(path);
  // Opened without access rights: this only asks where the name leads and must not stand in anyone's way.
  const unique_file file(::CreateFileW(windowsPath.c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    return std::u16string(path);
  const std::wstring resolved = WithoutLongPrefix(FinalPathOf(file.get()));
  const bool samePath =
      ::CompareStringOrdinal(resolved.c_str(), static_cast<int>(resolved.size()), windowsPath.c_str(),
                             static_cast<int>(windowsPath.size()), TRUE) == CSTR_EQUAL;
  return resolved.empty() || samePath ? std::u16string(path) : Narrow16(resolved);
}

bool TFiles::IsAccessDenied(const platform::TSystemError& error) const {
  return error.Code == ERROR_ACCESS_DENIED || error.Code == ERROR_NETWORK_ACCESS_DENIED;
}

bool TFiles::Fail(DWORD code) {
  *Error = SystemError(code);
  return false;
}

}  // namespace tolvane::win32
