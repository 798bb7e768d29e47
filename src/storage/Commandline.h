#pragma once
// Where the settings file and the default menu file are: the command line, then the defaults.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "storage/Globals.h"

namespace tolvane::storage {

// Applies the options "-i" (settings file), "-m" (menu file), "-n" (base name) and "-p" (working folder),
// each with its value right behind the letter, in either case. Other arguments are ignored; the program's own
// path is not one of them.
void ReadCommandLine(TSettings& settings, const TSettingsServices& services,
                     std::span<const std::u16string> arguments);

// A "-i" or "-m" value as a file that exists or can be created: the extension is added when missing and a
// bare name goes to the application-data folder. A file that cannot be made is reported and gives nullopt.
std::optional<std::u16string> ResolveOptionFile(const TSettingsServices& services, std::u16string_view value,
                                                std::u16string_view extension);

// Settles IniFileName, filling BaseName and WorkingDir where the command line left them empty. A failure is
// reported and leaves IniFileName empty, so no settings are read.
void FindIniFile(TSettings& settings, const TSettingsServices& services);

// Gives ActiveFile its default, WorkingDir + BaseName + ".TvXml", when neither the command line nor the
// settings named a menu file.
void FindActiveFile(TSettings& settings, const TSettingsServices& services);

}  // namespace tolvane::storage
