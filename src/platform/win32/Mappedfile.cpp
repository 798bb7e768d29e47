#include "platform/win32/Mappedfile.h"

#include <algorithm>
#include <vector>

#include "platform/win32/Handles.h"

namespace tolvane::win32 {

namespace {

class TMappedContent final : public platform::IFileContent {
 public:
  TMappedContent(const void* view, std::size_t size) : View(view), Size(size) {}
  TMappedContent(const TMappedContent&) = delete;
  TMappedContent& operator=(const TMappedContent&) = delete;
  ~TMappedContent() override { ::UnmapViewOfFile(View); }

  std::string_view Bytes() const override { return {static_cast<const char*>(View), Size}; }

 private:
  const void* View;
  std::size_t Size;
};

}  // namespace

std::unique_ptr<platform::IFileContent> MapFileContent(HANDLE file, std::size_t size) {
  if (size == 0) {
    ::SetLastError(ERROR_FILE_INVALID);
    return nullptr;
  }
  // The view holds its own reference to the mapping, which may go at once.
  const unique_handle mapping(::CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping)
    return nullptr;
  const void* view = ::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, size);
  if (view == nullptr)
    return nullptr;
  return std::make_unique<TMappedContent>(view, size);
}

bool OnFixedDisk(const std::wstring& path) {
  std::vector<wchar_t> root(std::max<std::size_t>(path.size() + 2, MAX_PATH + 1));
  if (!::GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size())))
    return false;
  return ::GetDriveTypeW(root.data()) == DRIVE_FIXED;
}

}  // namespace tolvane::win32
