#include "platform/win32/Filewriter.h"

#include <algorithm>
#include <utility>

#include "platform/win32/Systemerror.h"

namespace tolvane::win32 {

namespace {

// WriteFile counts in 32 bits; larger buffers go in pieces.
constexpr std::size_t MaxChunk = 1U << 30;

}  // namespace

TFileWriter::TFileWriter(unique_file file, std::shared_ptr<platform::TSystemError> error)
    : File(std::move(file)), Error(std::move(error)) {}

bool TFileWriter::Write(std::string_view bytes) {
  if (!File)
    return Fail(ERROR_INVALID_HANDLE);
  while (!bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size(), MaxChunk));
    DWORD written = 0;
    if (!::WriteFile(File.get(), bytes.data(), chunk, &written, nullptr))
      return Fail(::GetLastError());
    if (written == 0)
      return Fail(ERROR_WRITE_FAULT);
    bytes.remove_prefix(written);
  }
  return true;
}

bool TFileWriter::SetEnd() {
  if (!File)
    return Fail(ERROR_INVALID_HANDLE);
  if (!::SetEndOfFile(File.get()))
    return Fail(::GetLastError());
  return true;
}

bool TFileWriter::Flush() {
  if (!File)
    return Fail(ERROR_INVALID_HANDLE);
  if (!::FlushFileBuffers(File.get()))
    return Fail(::GetLastError());
  return true;
}

bool TFileWriter::Close() {
  if (!File)
    return true;
  // CloseHandle can report a failed deferred write, which the owner's silent close would lose.
  if (!::CloseHandle(File.release()))
    return Fail(::GetLastError());
  return true;
}

bool TFileWriter::Fail(DWORD code) {
  *Error = SystemError(code);
  return false;
}

}  // namespace tolvane::win32
