#pragma once
// What reading the settings file leaves for the write at close, so that a file that could not be read
// completely loses nothing when the settings are written.

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "storage/Qxmemini.h"

namespace tolvane::storage {

enum class TSettingsRead {
  Complete,    // read to its end, or there was no file: the settings are written afresh
  Partial,     // reading stopped early: the keys read are written into the file as read, all else stays
  Unreadable,  // nothing could be read (an unreadable or refused file): the file is not replaced
};

struct TSettingsFileState {
  TSettingsRead Read = TSettingsRead::Complete;
  // The file as read, for a partial read.
  std::unique_ptr<TQxMemIni> Store;
  // Section and key of every setting taken from the file, or known to be missing from it.
  std::set<std::pair<std::u16string, std::u16string>> ReadKeys;
  bool MrusRead = false;
};

}  // namespace tolvane::storage
