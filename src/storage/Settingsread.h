#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/Globals.h"
#include "storage/Qxmemini.h"
#include "storage/Settingsfilestate.h"

namespace tolvane::storage {

// Reads every key of IniFileName over the start values in settings; a missing file gives every key its
// default. The first failure (a key that is not a number, a broken section header, a file that cannot be
// read) stops reading there, is reported and answers false; keys read before keep their new values. state
// receives what WriteSettings needs to keep what was not read. Without IniFileName nothing is read.
[[nodiscard]] bool ReadSettings(TSettings& settings, const TSettingsServices& services,
                                const TSettingsEnvironment& environment, TSettingsFileState& state);

// ReadSettings on a loaded store without reporting: the failure's text, or empty. With state, notes the keys
// read (it does not change state.Read or state.Store).
[[nodiscard]] std::u16string ReadSettingsFrom(const TQxMemIni& ini, TSettings& settings,
                                              platform::ISystemColors& systemColors,
                                              const TSettingsEnvironment& environment,
                                              TSettingsFileState* state = nullptr);

// The first four numbers of the text (a "-" right before digits makes a number negative); nullopt when there
// are fewer.
std::optional<TRect> ParseWindowBounds(std::u16string_view text);

}  // namespace tolvane::storage
