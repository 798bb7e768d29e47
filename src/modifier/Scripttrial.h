#pragma once
// Trying a modifier script on a sample text without touching the desktop: the run gets a private clipboard
// that starts with the sample, and its keys, pastes, clipboard writes, shell calls and messages are only
// recorded, as tolvane-cli modify traces them. Sleeps and waits take no time.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Services.h"

namespace tolvane::modifier {

struct TScriptTrial {
  std::u16string Text;                      // what the script made of the sample, delivered or not
  std::optional<std::u16string> Clipboard;  // the private clipboard at the end; nullopt: it holds no text
  std::vector<std::string> Trace;           // one line per outward action, in order (UTF-8)
  std::optional<std::size_t> StoppedLine;   // the script line (from 0) that stopped the run
};

// Locale and code pages are the host's; the date functions see the host's clock. Nothing else of the host
// is used.
TScriptTrial TryScript(const platform::TServices& host, std::u16string_view script,
                       std::u16string_view sample);

}  // namespace tolvane::modifier
