#include "platform/win32/Files.h"

#include <algorithm>
#include <limits>
#include <new>

#include "platform/win32/Filewriter.h"
#include "platform/win32/Handles.h"
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

}  // namespace

TFiles::TFiles() : Error(std::make_shared<platform::TSystemError>()) {}

bool TFiles::FileExists(std::u16string_view path) {
  return IsFile(Attributes(ToWindowsPath(path)));
}

bool TFiles::FolderExists(std::u16string_view path) {
  return IsFolder(Attributes(ToWindowsPath(path)));
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

std::unique_ptr<platform::IFileWriter> TFiles::Create(std::u16string_view path) {
  unique_file file(::CreateFileW(ToWindowsPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    Fail(::GetLastError());
    return nullptr;
  }
  return std::make_unique<TFileWriter>(std::move(file), Error);
}

bool TFiles::Replace(std::u16string_view target, std::u16string_view replacement) {
  if (::MoveFileExW(ToWindowsPath(replacement).c_str(), ToWindowsPath(target).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  return Fail(::GetLastError());
}

bool TFiles::Delete(std::u16string_view path) {
  if (::DeleteFileW(ToWindowsPath(path).c_str()))
    return true;
  return Fail(::GetLastError());
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

bool TFiles::Fail(DWORD code) {
  *Error = SystemError(code);
  return false;
}

}  // namespace tolvane::win32
