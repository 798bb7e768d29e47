#pragma once

#include <string>
#include <string_view>

#include "storage/Globals.h"
#include "storage/Qxmemini.h"

namespace tolvane::storage {

// Reads keys of one section after the other into settings. After the first failure every further read
// leaves its value alone, the way an exception would have stopped reading there.
class TSettingsReader {
 public:
  TSettingsReader(const TQxMemIni& ini, TSettings& settings, const TSettings& defaults,
                  platform::ISystemColors& systemColors)
      : Ini(ini), Settings(settings), Defaults(defaults), SystemColors(systemColors) {}

  // A missing section reads as an empty one.
  void Section(std::u16string_view name);

  void Int(std::u16string_view key, int TSettings::*field) { Int(key, field, Defaults.*field); }
  void Int(std::u16string_view key, int TSettings::*field, int defaultValue);
  void Bool(std::u16string_view key, bool TSettings::*field);
  // System colours are resolved to the scheme's current colour.
  void Color(std::u16string_view key, TSettingsColor TSettings::*field);
  void Text(std::u16string_view key, std::u16string TSettings::*field) { Text(key, field, Defaults.*field); }
  void Text(std::u16string_view key, std::u16string TSettings::*field, std::u16string_view defaultValue);
  void Bounds(std::u16string_view key, std::optional<TWindowBounds> TSettings::*field);

  bool Failed() const { return !Error.empty(); }
  const std::u16string& Failure() const { return Error; }

 private:
  const TQxMemIni& Ini;
  TSettings& Settings;
  const TSettings& Defaults;
  platform::ISystemColors& SystemColors;
  TQxIniSection NoSection;
  const TQxIniSection* Current = &NoSection;
  std::u16string Error;
};

}  // namespace tolvane::storage
