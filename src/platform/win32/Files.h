#pragma once

#include <memory>

#include "platform/Files.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// Files and folders through the Win32 file functions. Files too big to hold in memory (4 GiB and more) are
// refused by ReadAll rather than cut short. Replace uses ReplaceFileW over an existing file, which keeps its
// security on Windows; its attributes are set again explicitly, since Wine's ReplaceFileW loses them (and the
// security too).
class TFiles final : public platform::IFiles {
 public:
  TFiles();

  bool FileExists(std::u16string_view path) override;
  bool FolderExists(std::u16string_view path) override;
  std::optional<platform::TFileInfo> Info(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  bool ReadPieces(std::u16string_view path, const std::function<void(std::string_view)>& piece) override;
  // Mapped from a fixed local disk; read as ReadAll does elsewhere (a network share or a removable disk
  // that goes away while mapped would fault the reader instead of failing the read) and for an empty file.
  std::unique_ptr<platform::IFileContent> ReadContent(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> Create(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> OpenForOverwrite(std::u16string_view path) override;
  // In the folder GetTempPathW names.
  std::optional<platform::TTemporaryFile> CreateTemporary(std::u16string_view nameStart) override;
  [[nodiscard]] bool Replace(std::u16string_view target, std::u16string_view replacement) override;
  [[nodiscard]] bool Delete(std::u16string_view path) override;
  // Through the shell; see Recyclebin.h for when the shell asks the user itself.
  [[nodiscard]] platform::TRecycleResult Recycle(std::u16string_view path) override;
  std::optional<std::vector<platform::TFolderEntry>> List(std::u16string_view folder) override;
  [[nodiscard]] bool CreateFolder(std::u16string_view path) override;
  bool CanOpenForWriting(std::u16string_view path) override;
  // The path GetFinalPathNameByHandleW gives for an existing file, so links of any kind (also Unix links
  // under Wine, which Wine does not show as reparse points) lead to the file itself.
  std::u16string FinalPath(std::u16string_view path) override;
  bool IsAccessDenied(const platform::TSystemError& error) const override;
  platform::TSystemError LastError() const override { return *Error; }

 private:
  bool Fail(DWORD code);
  std::unique_ptr<platform::IFileWriter> OpenWriter(std::u16string_view path, DWORD disposition);
  bool MoveInto(const std::wstring& target, const std::wstring& replacement);
  bool ReplaceExisting(const std::wstring& target, const std::wstring& replacement, DWORD attributes);

  // Shared with the writers this object hands out, which may outlive it.
  std::shared_ptr<platform::TSystemError> Error;
};

}  // namespace tolvane::win32
