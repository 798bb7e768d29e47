#pragma once
// How the menu knows whether its file changed on disk since it read or wrote it: the file's size and last
// write as the file system reports them, and a hash of the bytes read or written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace tolvane::storage {

struct TDiskStamp {
  platform::TFileInfo Info;
  std::uint64_t Hash = 0;

  bool operator==(const TDiskStamp&) const = default;
};

enum class TDiskChange {
  Unchanged,  // the same content (also when only its time moved, as when a sync tool writes it again)
  Changed,    // another content, or a file where there was none
  Missing,    // gone, or cannot be asked
};

// The stamp of bytes just read or written. info is what the file system said about the file around that
// moment; when its size is not that of the bytes the file was changing meanwhile, and the stamp keeps no
// time, so the next comparison looks at the content.
TDiskStamp StampOf(const std::optional<platform::TFileInfo>& info, std::string_view bytes);

// Compares the file with what was known of it (nullopt: it was missing). Only a file of the same size with
// another time is read, to compare its hash; then stamp takes its new time when the content is the same,
// and bytes (when given) receives what was read.
TDiskChange CompareWithDisk(platform::IFiles& files, std::u16string_view path,
                            std::optional<TDiskStamp>& stamp, std::string* bytes = nullptr);

// True when both name the same file as Windows spells paths: letters in either case, '/' or '\'.
bool SameFilePath(std::u16string_view left, std::u16string_view right);

}  // namespace tolvane::storage
