#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// A file opened for writing. Dropping it without Close() closes it too, but without reporting errors.
class IFileWriter {
 public:
  virtual ~IFileWriter() = default;

  [[nodiscard]] virtual bool Write(std::string_view bytes) = 0;
  // Pushes everything written so far to the disk (FlushFileBuffers / fsync).
  [[nodiscard]] virtual bool Flush() = 0;
  [[nodiscard]] virtual bool Close() = 0;
};

struct TFolderEntry {
  std::u16string Name;
  bool IsFolder = false;

  bool operator==(const TFolderEntry&) const = default;
};

// Files and folders. Paths may use '\\' or '/' as separators; both are accepted on every system.
class IFiles {
 public:
  virtual ~IFiles() = default;

  virtual bool FileExists(std::u16string_view path) = 0;
  virtual bool FolderExists(std::u16string_view path) = 0;
  // The whole file's bytes; nullopt when it cannot be opened or read.
  virtual std::optional<std::string> ReadAll(std::u16string_view path) = 0;
  // Creates or truncates the file; null on failure.
  virtual std::unique_ptr<IFileWriter> Create(std::u16string_view path) = 0;
  // Moves replacement over target in one step (target may be missing); the target is untouched on failure.
  [[nodiscard]] virtual bool Replace(std::u16string_view target, std::u16string_view replacement) = 0;
  [[nodiscard]] virtual bool Delete(std::u16string_view path) = 0;
  // The folder's entries without "." and "..", in no particular order; nullopt when it cannot be listed.
  virtual std::optional<std::vector<TFolderEntry>> List(std::u16string_view folder) = 0;
  // Creates the folder and any missing parents; true when it exists afterwards.
  [[nodiscard]] virtual bool CreateFolder(std::u16string_view path) = 0;
  // True when the existing file can be opened for writing while denying other writers.
  virtual bool CanOpenForWriting(std::u16string_view path) = 0;
  virtual TSystemError LastError() const = 0;
};

}  // namespace tolvane::platform
