#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace tolvane::recording {

enum class TFileOperation { Create, Write, Flush, Close, Replace, Delete, Read };
inline constexpr std::size_t FileOperationCount = 7;

class TMemoryFileWriter;

// An in-memory file system with Windows manners: paths ignore case, '/' and '\' are alike, a file open for
// writing cannot be replaced or deleted, and a file needs its folder. Drives ("C:") and the root always
// exist. Any call of the writing and reading operations can be made to fail, so every step of a save can be
// tested. Writers must not outlive the file system.
class TMemoryFiles final : public platform::IFiles {
 public:
  bool FileExists(std::u16string_view path) override;
  bool FolderExists(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> Create(std::u16string_view path) override;
  [[nodiscard]] bool Replace(std::u16string_view target, std::u16string_view replacement) override;
  [[nodiscard]] bool Delete(std::u16string_view path) override;
  std::optional<std::vector<platform::TFolderEntry>> List(std::u16string_view folder) override;
  [[nodiscard]] bool CreateFolder(std::u16string_view path) override;
  bool CanOpenForWriting(std::u16string_view path) override;
  platform::TSystemError LastError() const override { return Error; }

  // Test set-up, neither counted nor subject to failures: a file and its missing folders.
  void AddFile(std::u16string_view path, std::string_view bytes);
  std::optional<std::string> Content(std::u16string_view path) const;
  // Every file's path as it was spelled when the file was made, sorted.
  std::vector<std::u16string> FilePaths() const;
  // Another program holds the file open and denies writers.
  void SetLockedByOtherProgram(std::u16string_view path, bool locked);

  // The nth call of the kind from now on (1 = the next one) fails with the error and has no effect.
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
  bool FolderOrRootExists(std::u16string_view tidyPath) const;
  bool MakeFolders(const std::u16string& tidyPath);
  bool CheckWritable(const TNode& node);

  bool WriteTo(const std::u16string& key, bool open, std::string_view bytes);
  bool Flush(bool open);
  bool CloseWriter(const std::u16string& key, bool& open);
  void ReleaseWriter(const std::u16string& key);

  std::map<std::u16string, TNode> Nodes;  // by PathKey
  std::array<std::size_t, FileOperationCount> CallCounts{};
  std::vector<TFileOperation> Log;
  std::vector<TFault> Faults;
  platform::TSystemError Error;
};

}  // namespace tolvane::recording
