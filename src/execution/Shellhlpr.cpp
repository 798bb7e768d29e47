#include "execution/Shellhlpr.h"

#include <algorithm>
#include <utility>

namespace tolvane::execution {
namespace {

std::vector<std::u16string> FamilyNames(platform::IFonts& fonts, bool fixedPitchOnly) {
  std::vector<std::u16string> names;
  for (platform::TFontFamily& family : fonts.TrueTypeFamilies()) {
    if (fixedPitchOnly && !family.FixedPitch)
      continue;
    if (family.Name.empty() || family.Name.front() == u'@')
      continue;
    if (std::find(names.begin(), names.end(), family.Name) == names.end())
      names.push_back(std::move(family.Name));
  }
  return names;
}

}  // namespace

std::u16string ReadUserRegString(platform::IRegistry& registry, std::u16string_view keyPath,
                                 std::u16string_view valueName) {
  return registry.ReadString(platform::TRegistryRoot::CurrentUser, keyPath, valueName).value_or(u"");
}

bool SetClipboardText(platform::IClipboard& clipboard, std::u16string_view text) {
  return clipboard.SetText(text);
}

std::optional<std::u16string> GetClipboardText(platform::IClipboard& clipboard) {
  // Asking first spares opening the clipboard when it holds no text.
  if (!clipboard.HasText())
    return std::u16string();
  return clipboard.GetText();
}

std::u16string CreateShellLink(platform::IShellLinks& links, std::u16string_view target,
                               std::u16string_view linkFile, std::u16string_view description,
                               std::u16string_view arguments, std::u16string_view iconFile, int iconIndex) {
  const platform::TShellLink link{std::u16string(target), std::u16string(arguments),
                                  std::u16string(description), std::u16string(iconFile), iconIndex};
  return links.Create(link, linkFile) ? std::u16string(linkFile) : std::u16string();
}

bool IsWow64(platform::IProgramInfo& program) {
  return program.IsWow64();
}

bool IsFileLocked(platform::IFiles& files, std::u16string_view path) {
  return !files.CanOpenForWriting(path);
}

std::u16string FileVersionString(platform::IVersionStrings& versions, std::u16string_view file,
                                 std::u16string_view key) {
  return versions.Value(file, key).value_or(u"");
}

std::vector<std::u16string> ListFixedPitchFonts(platform::IFonts& fonts) {
  return FamilyNames(fonts, true);
}

std::vector<std::u16string> ListTrueTypeFonts(platform::IFonts& fonts) {
  return FamilyNames(fonts, false);
}

}  // namespace tolvane::execution
