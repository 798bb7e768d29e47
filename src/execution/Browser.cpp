#include "execution/Browser.h"

#include <algorithm>
#include <cstdint>

#include "execution/Shellhlpr.h"

namespace tolvane::execution {
namespace {

using platform::TRegistryRoot;

bool IsQuoteOrBlank(char16_t c) {
  return c == u'"' || c == u' ';
}

// A command key or value that is missing or closed to us only leaves the entry without a path; any other
// failure (a value that is no string, a read that breaks off) is a registry error.
bool IsAbsence(std::uint32_t code) {
  constexpr std::uint32_t FileNotFound = 2, PathNotFound = 3, AccessDenied = 5;
  return code == FileNotFound || code == PathNotFound || code == AccessDenied;
}

// False when a command could not be read; the entries before it keep their paths.
bool AttachPaths(TBrowserList& list, platform::IRegistry& registry) {
  for (TBrowserEntry& entry : list) {
    const std::u16string commandKey =
        std::u16string(BrowsersKey) + u'\\' + entry.Name + u"\\shell\\open\\command";
    if (std::optional<std::u16string> command =
            registry.ReadString(TRegistryRoot::LocalMachine, commandKey, u""))
      entry.Path = StripQuotesAndBlanks(*command);
    else if (!IsAbsence(registry.LastError().Code))
      return false;
  }
  return true;
}

int DefaultBrowserIndex(const TBrowserList& list, platform::IRegistry& registry) {
  const std::u16string userDefault = ReadUserRegString(registry, BrowsersKey, u"");
  if (userDefault.empty())
    return -1;
  const auto found = std::find_if(list.begin(), list.end(),
                                  [&](const TBrowserEntry& entry) { return entry.Name == userDefault; });
  if (found != list.end())
    return static_cast<int>(found - list.begin());
  return list.empty() ? -1 : 0;
}

}  // namespace

std::u16string StripQuotesAndBlanks(std::u16string_view text) {
  while (!text.empty() && IsQuoteOrBlank(text.back()))
    text.remove_suffix(1);
  while (!text.empty() && IsQuoteOrBlank(text.front()))
    text.remove_prefix(1);
  return std::u16string(text);
}

int ListInstalledBrowsers(TBrowserList& list, bool addDefault, platform::IRegistry& registry,
                          platform::IMessageBox& messageBox) {
  const std::optional<std::vector<std::u16string>> names =
      registry.SubKeyNames(TRegistryRoot::LocalMachine, BrowsersKey);
  if (!names)
    return -1;
  list.clear();
  for (const std::u16string& name : *names)
    list.push_back({name, std::nullopt});
  if (!AttachPaths(list, registry)) {
    ShowErrorMessage(messageBox, u"Registry Error !!", u"The message is:\r\n" + registry.LastError().Message);
    return -1;
  }
  if (addDefault)
    list.insert(list.begin(), {std::u16string(DefaultBrowserName), std::u16string()});
  return DefaultBrowserIndex(list, registry);
}

void FreeBrowserList(TBrowserList& list) {
  list.clear();
}

int FindOrAddBrowser(TBrowserList& list, std::u16string_view path) {
  const auto found =
      std::find_if(list.begin(), list.end(), [&](const TBrowserEntry& entry) { return entry.Path == path; });
  if (found != list.end())
    return static_cast<int>(found - list.begin());
  // The new entry carries its path as well, so a later lookup of the same path finds it instead of adding it
  // again.
  list.push_back({std::u16string(path), std::u16string(path)});
  return static_cast<int>(list.size()) - 1;
}

}  // namespace tolvane::execution
