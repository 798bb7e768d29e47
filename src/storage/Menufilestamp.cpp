#include "storage/Menufilestamp.h"

#include "common/Asciicase.h"
#include "common/Bytehash.h"

namespace tolvane::storage {
namespace {

// A time no file system gives: the next comparison cannot trust the time alone.
constexpr std::int64_t UnknownTime = -1;

char16_t PathUnit(char16_t unit) {
  return unit == u'/' ? u'\\' : AsciiLower(unit);
}

}  // namespace

TDiskStamp StampOf(const std::optional<platform::TFileInfo>& info, std::string_view bytes) {
  TDiskStamp stamp{{bytes.size(), UnknownTime}, HashBytes(bytes)};
  if (info && info->Size == bytes.size())
    stamp.Info.LastWrite = info->LastWrite;
  return stamp;
}

TDiskChange CompareWithDisk(platform::IFiles& files, std::u16string_view path,
                            std::optional<TDiskStamp>& stamp, std::string* bytes) {
  const std::optional<platform::TFileInfo> info = files.Info(path);
  if (!info)
    return TDiskChange::Missing;
  if (!stamp || info->Size != stamp->Info.Size)
    return TDiskChange::Changed;
  if (info->LastWrite == stamp->Info.LastWrite)
    return TDiskChange::Unchanged;
  std::optional<std::string> read = files.ReadAll(path);
  // Unreadable now, it cannot be shown to be ours: treated as changed, so nothing is overwritten unasked.
  if (!read)
    return TDiskChange::Changed;
  const TDiskStamp now = StampOf(info, *read);
  if (bytes != nullptr)
    *bytes = std::move(*read);
  if (now.Hash != stamp->Hash || now.Info.Size != stamp->Info.Size)
    return TDiskChange::Changed;
  stamp->Info = now.Info;
  return TDiskChange::Unchanged;
}

bool SameFilePath(std::u16string_view left, std::u16string_view right) {
  if (left.size() != right.size())
    return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (PathUnit(left[i]) != PathUnit(right[i]))
      return false;
  }
  return true;
}

}  // namespace tolvane::storage
