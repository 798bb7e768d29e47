#pragma once

#include <memory>

#include "platform/Files.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {

// Files and folders through the Win32 file functions. Files too big to hold in memory (4 GiB and more) are
// refused by ReadAll rather than cut short.
class TFiles final : public platform::IFiles {
 public:
  TFiles();

  bool FileExists(std::u16string_view path) override;
  bool FolderExists(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  std::unique_ptr<platform::IFileWriter> Create(std::u16string_view path) override;
  [[nodiscard]] bool Replace(std::u16string_view target, std::u16string_view replacement) override;
  [[nodiscard]] bool Delete(std::u16string_view path) override;
  std::optional<std::vector<platform::TFolderEntry>> List(std::u16string_view folder) override;
  [[nodiscard]] bool CreateFolder(std::u16string_view path) override;
  bool CanOpenForWriting(std::u16string_view path) override;
  platform::TSystemError LastError() const override { return *Error; }

 private:
  bool Fail(DWORD code);

  // Shared with the writers this object hands out, which may outlive it.
  std::shared_ptr<platform::TSystemError> Error;
};

}  // namespace tolvane::win32
