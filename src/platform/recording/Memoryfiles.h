#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace tolvane::recording {

enum class TFileOperation { Create, Write, Flush, Close, Replace, Delete, Read, Recycle };
inline constexpr std::size_t FileOperationCount = 8;

class TMemoryFileWriter;

// An in-memory file system with Windows manners: paths ignore case, '/' and '\' are alike, a file open for
// writing cannot be replaced or deleted, and a file needs its folder. Drives ("C:") and the root always
// exist. Any call of the writing and reading operations can be made to fail, so every step of a save can be
// tested. Writers must not outlive the file system.
//
// Symbolic links behave as on Linux: opening, reading and writing follow them, while Replace and Delete act
// on the link itself. A folder can be made to refuse new files: creating a file in it or moving one into it
// fails with "access denied", while its existing files can still be read, written and deleted. Temporary
// files go to TemporaryFolder, which exists whenever it is needed. Recycled files leave the file system and
// are kept in order in Recycled(); like Delete, Recycle acts on a link itself.
class TMemoryFiles final : public platform::IFiles {
 public:
  bool FileExists(std::u16string_view path) override;
  bool FolderExists(std::u16string_view path) override;
  std::optional<platform::TFileInfo> Info(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> Create(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> OpenForOverwrite(std::u16string_view path) override;
  std::optional<platform::TTemporaryFile> CreateTemporary(std::u16string_view nameStart) override;
  [[nodiscard]] bool Replace(std::u16string_view target, std::u16string_view replacement) override;
  [[nodiscard]] bool Delete(std::u16string_view path) override;
  [[nodiscard]] platform::TRecycleResult Recycle(std::u16string_view path) override;
  std::optional<std::vector<platform::TFolderEntry>> List(std::u16string_view folder) override;
  [[nodiscard]] bool CreateFolder(std::u16string_view path) override;
  bool CanOpenForWriting(std::u16string_view path) override;
  std::u16string FinalPath(std::u16string_view path) override;
  bool IsAccessDenied(const platform::TSystemError& error) const override;
  platform::TSystemError LastError() const override { return Error; }

  static constexpr std::u16string_view TemporaryFolder = u"C:\\Temp";

  // Test set-up, neither counted nor subject to failures: a file and its missing folders.
  void AddFile(std::u16string_view path, std::string_view bytes);
  std::optional<std::string> Content(std::u16string_view path) const;
  // Every file's path as it was spelled when the file was made, sorted.
  std::vector<std::u16string> FilePaths() const;
  // Every change of a file's content sets its last write to a clock reading no file had before; this sets
  // it to any value, as a file system with a coarse clock or a program that dates files back does.
  void SetLastWrite(std::u16string_view path, std::int64_t lastWrite);
  // Another program holds the file open and denies writers.
  void SetLockedByOtherProgram(std::u16string_view path, bool locked);
  // A symbolic link to a full path, which need not exist.
  void AddLink(std::u16string_view link, std::u16string_view target);
  // Where the link points; nullopt when the path is no link.
  std::optional<std::u16string> LinkTarget(std::u16string_view path) const;
  // The existing folder (or drive) refuses new files, or accepts them again.
  void SetRefusesNewFiles(std::u16string_view folder, bool refuses);
  // Without a recycle bin (there is one by default), Recycle answers NoRecycleBin and leaves files alone.
  void SetHasRecycleBin(bool has) { HasRecycleBin = has; }

  struct TRecycledFile {
    std::u16string Path;  // as spelled when the file was made
    std::string Bytes;
    bool operator==(const TRecycledFile&) const = default;
  };
  // Every file recycled so far, oldest first.
  const std::vector<TRecycledFile>& Recycled() const { return RecycleBin; }

  // The nth call of the kind from now on (1 = the next one) fails with the error and has no effect. Create
  // counts every opening for writing (Create, OpenForOverwrite, CreateTemporary), Write also SetEnd.
  void FailCall(TFileOperation operation, std::size_t nth, platform::TSystemError error);
  // Calls of the kind so far, failed ones included.
  std::size_t Calls(TFileOperation operation) const;
  // Every call of the kinds above so far, in order, failed ones included.
  const std::vector<TFileOperation>& CallLog() const { return Log; }

 private:
  friend class TMemoryFileWriter;

  struct TNode {
    std::u16string Path;  // tidy, as spelled when made
    bool IsFolder = false;
    std::string Bytes;
    int Writers = 0;
    bool LockedByOther = false;
    std::u16string LinkTarget;   // tidy; not empty for a symbolic link
    std::int64_t LastWrite = 0;  // the clock's reading at the last change of the content
  };
  struct TFault {
    TFileOperation Operation;
    std::size_t CallNumber;
    platform::TSystemError Error;
  };

  // Counts the call; false (with the error set) when an injected failure is due.
  [[nodiscard]] bool Begin(TFileOperation operation);
  bool Fail(std::uint32_t code);
  TNode* FindNode(std::u16string_view path);
  const TNode* FindNode(std::u16string_view path) const;
  // The tidy path with links followed; a chain that does not end gives the last path reached.
  std::u16string Resolve(std::u16string_view path) const;
  bool FolderOrRootExists(std::u16string_view tidyPath) const;
  bool RefusesNewFiles(std::u16string_view tidyFolder) const;
  bool MakeFolders(const std::u16string& tidyPath);
  bool CheckWritable(const TNode& node);
  std::unique_ptr<platform::IFileWriter> OpenWriter(const std::u16string& key, TNode& node);

  bool WriteTo(const std::u16string& key, bool open, std::size_t& position, std::string_view bytes);
  bool SetEnd(const std::u16string& key, bool open, std::size_t position);
  bool Flush(bool open);
  bool CloseWriter(const std::u16string& key, bool& open);
  void ReleaseWriter(const std::u16string& key);

  std::map<std::u16string, TNode> Nodes;  // by PathKey
  std::array<std::size_t, FileOperationCount> CallCounts{};
  std::vector<TFileOperation> Log;
  std::vector<TFault> Faults;
  std::set<std::u16string> RefusingFolders;  // by PathKey
  std::size_t TemporaryFiles = 0;
  std::int64_t Clock = 0;  // advances with every change of a file's content
  bool HasRecycleBin = true;
  std::vector<TRecycledFile> RecycleBin;
  platform::TSystemError Error;
};

}  // namespace tolvane::recording
