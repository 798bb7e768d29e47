#include "execution/Browserchoice.h"

#include <algorithm>

#include "common/Asciicase.h"

namespace tolvane::execution {
namespace {

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

bool IsDefaultEntry(const TBrowserEntry& entry) {
  return entry.Name == DefaultBrowserName && entry.Path && entry.Path->empty();
}

// Registry key names hold no backslash, so a value with one (or a drive) is a program path.
bool LooksLikePath(std::u16string_view stored) {
  return stored.find(u'\\') != std::u16string_view::npos || (stored.size() >= 2 && stored[1] == u':');
}

bool MeansDefault(std::u16string_view stored) {
  return stored.empty() || stored == DefaultBrowserName;
}

const TBrowserEntry* FindByName(const TBrowserList& list, std::u16string_view name) {
  const auto exact =
      std::find_if(list.begin(), list.end(), [&](const TBrowserEntry& e) { return e.Name == name; });
  if (exact != list.end())
    return &*exact;
  const auto loose = std::find_if(list.begin(), list.end(), [&](const TBrowserEntry& e) {
    return EqualsIgnoringAsciiCase(e.Name, name);
  });
  return loose != list.end() ? &*loose : nullptr;
}

int IndexOf(const TBrowserList& list, const TBrowserEntry* entry) {
  return static_cast<int>(entry - list.data());
}

}  // namespace

std::u16string BrowserProgramOf(std::u16string_view command) {
  std::size_t end = command.find(u'"');
  if (end == std::u16string_view::npos) {
    // Unquoted: arguments can only be told apart after the program's extension.
    for (std::size_t at = 0; at + 4 < command.size(); ++at) {
      if (command[at + 4] == u' ' && EqualsIgnoringAsciiCase(command.substr(at, 4), u".exe")) {
        end = at + 4;
        break;
      }
    }
  }
  std::u16string_view program = command.substr(0, end);
  while (!program.empty() && program.back() == u' ')
    program.remove_suffix(1);
  return std::u16string(program);
}

std::u16string StoredBrowserValue(const TBrowserEntry& entry) {
  return IsDefaultEntry(entry) ? std::u16string() : entry.Name;
}

int BrowserListIndex(TBrowserList& list, std::u16string_view stored) {
  if (stored.empty()) {
    const auto found = std::find_if(list.begin(), list.end(), IsDefaultEntry);
    if (found != list.end())
      return static_cast<int>(found - list.begin());
    return list.empty() ? -1 : 0;
  }
  if (const TBrowserEntry* named = FindByName(list, stored))
    return IndexOf(list, named);
  const auto byPath = std::find_if(list.begin(), list.end(), [&](const TBrowserEntry& e) {
    return e.Path && !e.Path->empty() && EqualsIgnoringAsciiCase(BrowserProgramOf(*e.Path), stored);
  });
  if (byPath != list.end())
    return static_cast<int>(byPath - list.begin());
  return FindOrAddBrowser(list, stored);
}

TBrowserChoice ResolveBrowser(std::u16string_view stored, const TBrowserList& installed,
                              platform::IFiles& files) {
  using TKind = TBrowserChoice::TKind;
  if (MeansDefault(stored))
    return {};
  if (files.FileExists(stored))
    return {TKind::Program, std::u16string(stored), false};
  if (!LooksLikePath(stored)) {
    const TBrowserEntry* entry = FindByName(installed, stored);
    if (entry != nullptr && entry->Path) {
      std::u16string program = BrowserProgramOf(*entry->Path);
      if (!program.empty() && files.FileExists(program))
        return {TKind::Program, std::move(program), false};
    }
  }
  return {TKind::Unavailable, u"", LooksLikePath(stored)};
}

TBrowserChoice ResolveBrowser(std::u16string_view stored, platform::IRegistry& registry,
                              platform::IFiles& files, platform::IMessageBox& messageBox) {
  TBrowserList installed;
  if (!MeansDefault(stored) && !LooksLikePath(stored) && !files.FileExists(stored))
    (void)ListInstalledBrowsers(installed, false, registry, messageBox);
  return ResolveBrowser(stored, installed, files);
}

}  // namespace tolvane::execution
