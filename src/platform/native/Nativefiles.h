#pragma once

#include <memory>

#include "platform/Files.h"

namespace tolvane::native {

// IFiles on POSIX and std::filesystem. Error codes are errno values. The writer test in CanOpenForWriting
// uses open-file-description locks, which also see locks held through other descriptors of this process.
// Replace keeps the target's permission bits, not its owner.
class TNativeFiles final : public platform::IFiles {
 public:
  bool FileExists(std::u16string_view path) override;
  bool FolderExists(std::u16string_view path) override;
  std::optional<platform::TFileInfo> Info(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  bool ReadPieces(std::u16string_view path, const std::function<void(std::string_view)>& piece) override;
  std::unique_ptr<platform::IFileWriter> Create(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> OpenForOverwrite(std::u16string_view path) override;
  // In $TMPDIR, else /tmp.
  std::optional<platform::TTemporaryFile> CreateTemporary(std::u16string_view nameStart) override;
  [[nodiscard]] bool Replace(std::u16string_view target, std::u16string_view replacement) override;
  [[nodiscard]] bool Delete(std::u16string_view path) override;
  // Into the home trash (see Nativetrash.h); NoRecycleBin for a file on another file system than the trash.
  [[nodiscard]] platform::TRecycleResult Recycle(std::u16string_view path) override;
  std::optional<std::vector<platform::TFolderEntry>> List(std::u16string_view folder) override;
  [[nodiscard]] bool CreateFolder(std::u16string_view path) override;
  bool CanOpenForWriting(std::u16string_view path) override;
  std::u16string FinalPath(std::u16string_view path) override;
  bool IsAccessDenied(const platform::TSystemError& error) const override;
  platform::TSystemError LastError() const override { return *Error; }

 private:
  bool Fail(int code);

  std::shared_ptr<platform::TSystemError> Error = std::make_shared<platform::TSystemError>();
};

}  // namespace tolvane::native
