#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platformtypes.h"

namespace tolvane::platform {

// A file opened for writing. Dropping it without Close() closes it too, but without reporting errors.
class IFileWriter {
 public:
  virtual ~IFileWriter() = default;

  // Writes at the current position, overwriting what is there and extending the file where needed.
  [[nodiscard]] virtual bool Write(std::string_view bytes) = 0;
  // Ends the file at the current position, dropping whatever an earlier, longer content left behind.
  [[nodiscard]] virtual bool SetEnd() = 0;
  // Pushes everything written so far to the disk (FlushFileBuffers / fsync).
  [[nodiscard]] virtual bool Flush() = 0;
  [[nodiscard]] virtual bool Close() = 0;
};

// A file's whole content, readable in place for as long as the object lives.
class IFileContent {
 public:
  virtual ~IFileContent() = default;
  virtual std::string_view Bytes() const = 0;
};

// Content held as a copy in memory.
class TCopiedContent final : public IFileContent {
 public:
  explicit TCopiedContent(std::string bytes) : Copy(std::move(bytes)) {}
  std::string_view Bytes() const override { return Copy; }

 private:
  std::string Copy;
};

// A file made under a name of its own; Writer is never null.
struct TTemporaryFile {
  std::unique_ptr<IFileWriter> Writer;
  std::u16string Path;
};

// What the file system says about a file without reading it.
struct TFileInfo {
  std::uint64_t Size = 0;
  // The last write in the system's own units; only ever compared with another value of the same file.
  std::int64_t LastWrite = 0;

  bool operator==(const TFileInfo&) const = default;
};

struct TFolderEntry {
  std::u16string Name;
  bool IsFolder = false;

  bool operator==(const TFolderEntry&) const = default;
};

// What became of a file handed to IFiles::Recycle.
enum class TRecycleResult {
  Recycled,      // in the recycle bin, from where the user can restore it
  NoRecycleBin,  // where it lies no recycle bin takes it; the file is untouched
  Failed,        // the file is where it was; LastError says why
};

// Files and folders. Paths may use '\\' or '/' as separators; both are accepted on every system.
class IFiles {
 public:
  virtual ~IFiles() = default;

  virtual bool FileExists(std::u16string_view path) = 0;
  virtual bool FolderExists(std::u16string_view path) = 0;
  // Size and last write of the file (a link's target); nullopt when it is missing or cannot be asked.
  virtual std::optional<TFileInfo> Info(std::u16string_view path) = 0;
  // The whole file's bytes; nullopt when it cannot be opened or read.
  virtual std::optional<std::string> ReadAll(std::u16string_view path) = 0;
  // The whole file for reading in place; null when it cannot be opened or read. Where the system allows, a
  // file on a local disk is mapped into memory instead of copied, which spares a large file's worth of
  // fresh memory. The bytes are then no snapshot: another program may write the file while they are read,
  // so whoever needs the content fixed (a stamp of it) takes that from the bytes before anything else.
  virtual std::unique_ptr<IFileContent> ReadContent(std::u16string_view path) {
    std::optional<std::string> bytes = ReadAll(path);
    if (!bytes)
      return nullptr;
    return std::make_unique<TCopiedContent>(std::move(*bytes));
  }
  // The file from start to end a piece at a time, each handed to `piece` in order; false when it cannot be
  // opened or read (LastError says why), after the pieces read before the failure. A large file read this
  // way is never held whole.
  virtual bool ReadPieces(std::u16string_view path, const std::function<void(std::string_view)>& piece) {
    const std::optional<std::string> bytes = ReadAll(path);
    if (!bytes)
      return false;
    piece(*bytes);
    return true;
  }
  // Creates or truncates the file; null on failure.
  virtual std::unique_ptr<IFileWriter> Create(std::u16string_view path) = 0;
  // Opens an existing file for writing from its start, keeping its content until it is overwritten, and
  // keeping the file itself (attributes, permissions, links to it); null when it is missing or not writable.
  virtual std::unique_ptr<IFileWriter> OpenForOverwrite(std::u16string_view path) = 0;
  // Creates a new file in the system's folder for temporary files, under a name that starts with nameStart
  // (a name part without separators) and that no other file has; nullopt on failure.
  virtual std::optional<TTemporaryFile> CreateTemporary(std::u16string_view nameStart) = 0;
  // Moves replacement over target in one step (target may be missing); the target is untouched on failure.
  // An existing target's attributes (hidden, system) carry over to the new content, and so do its access
  // rights: its security on Windows (not under Wine), its permission bits on Linux.
  [[nodiscard]] virtual bool Replace(std::u16string_view target, std::u16string_view replacement) = 0;
  [[nodiscard]] virtual bool Delete(std::u16string_view path) = 0;
  // Moves the file (not a folder) to the system's recycle bin. Nothing here deletes it for good unasked:
  // where it cannot be recycled it stays, and deleting it is the caller's decision, after asking the user.
  [[nodiscard]] virtual TRecycleResult Recycle(std::u16string_view path) = 0;
  // The folder's entries without "." and "..", in no particular order; nullopt when it cannot be listed.
  virtual std::optional<std::vector<TFolderEntry>> List(std::u16string_view folder) = 0;
  // Creates the folder and any missing parents; true when it exists afterwards.
  [[nodiscard]] virtual bool CreateFolder(std::u16string_view path) = 0;
  // True when the existing file can be opened for writing while denying other writers.
  virtual bool CanOpenForWriting(std::u16string_view path) = 0;
  // Where writing the path really writes: the file a symbolic link leads to, through any chain of links;
  // the path itself when it is no link or the link cannot be followed.
  virtual std::u16string FinalPath(std::u16string_view path) = 0;
  // True when the error is this system's refusal for want of permission, as opposed to a missing path, a
  // file in use or a full disk.
  virtual bool IsAccessDenied(const TSystemError& error) const = 0;
  virtual TSystemError LastError() const = 0;
};

}  // namespace tolvane::platform
