#pragma once
// The installed web browsers, for the browser choice of web-site items.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Messagebox.h"
#include "platform/Registry.h"

namespace tolvane::execution {

inline constexpr std::u16string_view BrowsersKey = u"Software\\Clients\\StartMenuInternet";
inline constexpr std::u16string_view DefaultBrowserName = u"Default Browser";

struct TBrowserEntry {
  std::u16string Name;
  // The program path: empty for "Default Browser", nullopt when the browser's command could not be read.
  std::optional<std::u16string> Path;

  bool operator==(const TBrowserEntry&) const = default;
};
using TBrowserList = std::vector<TBrowserEntry>;

// Replaces the list with the browsers registered for the machine, "Default Browser" first when asked for.
// Returns the index of the user's default browser: 0 when it names none of the list, -1 when the user has no
// default or the list is empty. Without the browsers key the list is left as it was and the result is -1; a
// registry value that cannot be read is reported in a box and gives -1 as well.
int ListInstalledBrowsers(TBrowserList& list, bool addDefault, platform::IRegistry& registry,
                          platform::IMessageBox& messageBox);
void FreeBrowserList(TBrowserList& list);
// The index of the first entry with exactly this path; when there is none, a new entry named by the path.
int FindOrAddBrowser(TBrowserList& list, std::u16string_view path);
// The text without trailing, then leading, double quotes and blanks.
std::u16string StripQuotesAndBlanks(std::u16string_view text);

}  // namespace tolvane::execution
