#pragma once

#include <string>
#include <string_view>

#include "storage/Globals.h"
#include "storage/Qxmemini.h"
#include "storage/Settingsfilestate.h"

namespace tolvane::storage {

// Reads keys of one section after the other into settings. After the first failure every further read
// leaves its value alone, the way an exception would have stopped reading there. With readKeys, notes every
// key whose value came from the file or is known to be missing from it (a store parsed to its end).
class TSettingsReader {
 public:
  TSettingsReader(const TQxMemIni& ini, TSettings& settings, const TSettings& defaults,
                  platform::ISystemColors& systemColors, TSettingsFileState* state = nullptr)
      : Ini(ini), Settings(settings), Defaults(defaults), SystemColors(systemColors), State(state) {}

  // A missing section reads as an empty one.
  void Section(std::u16string_view name);

  void Int(std::u16string_view key, int TSettings::*field) { Int(key, field, Defaults.*field); }
  void Int(std::u16string_view key, int TSettings::*field, int defaultValue);
  void Bool(std::u16string_view key, bool TSettings::*field);
  // System colours are resolved to the scheme's current colour.
  void Color(std::u16string_view key, TSettingsColor TSettings::*field);
  void Text(std::u16string_view key, std::u16string TSettings::*field) { Text(key, field, Defaults.*field); }
  void Text(std::u16string_view key, std::u16string TSettings::*field, std::u16string_view defaultValue);
  void Bounds(std::u16string_view key, std::optional<TRect> TSettings::*field);

  bool Failed() const { return !Error.empty(); }
  const std::u16string& Failure() const { return Error; }
  // The key whose value could not be read.
  const std::u16string& FailedKey() const { return FailedAt; }
  // Whether the section's lines are all known: it was found, or the whole file was parsed.
  bool SectionKnown(std::u16string_view name) const;

 private:
  const TQxMemIni& Ini;
  TSettings& Settings;
  const TSettings& Defaults;
  platform::ISystemColors& SystemColors;
  TSettingsFileState* State;
  TQxIniSection NoSection;
  const TQxIniSection* Current = &NoSection;
  std::u16string CurrentName;
  std::u16string Error;
  std::u16string FailedAt;

  void NoteRead(std::u16string_view key);
};

}  // namespace tolvane::storage
