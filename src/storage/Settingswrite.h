#pragma once

#include <string>

#include "storage/Globals.h"
#include "storage/Qxmemini.h"
#include "storage/Settingsfilestate.h"

namespace tolvane::storage {

// Writes every setting to IniFileName as UTF-8 with byte order mark, replacing the file in one step; a
// failure is reported, leaves the old file as it was and answers false. After a partial read (state from
// ReadSettings) only the keys that were read are written, into the file as it was read, so everything else
// in it stays; a file that could not be read at all is not replaced, which is reported.
[[nodiscard]] bool WriteSettings(const TSettings& settings, const TSettingsServices& services,
                                 TSettingsFileState& state);

// The sections and keys in their written order. Empty paths and unset bounds are left out; "Top" is -2 while
// the bar hides itself.
void FillSettingsIni(const TSettings& settings, TQxMemIni& ini);

// "left,top,right,bottom"
std::u16string FormatWindowBounds(const TRect& bounds);

}  // namespace tolvane::storage
