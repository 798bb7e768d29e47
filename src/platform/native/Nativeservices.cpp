#include "platform/native/Nativeservices.h"

#include <iostream>

#include "platform/native/Localename.h"

namespace tolvane::native {
namespace {

std::string LocaleId(const std::string& configured) {
  return IcuLocaleId(configured.empty() ? EnvironmentLocaleName() : configured);
}

}  // namespace

TNativeServices::TNativeServices(const TNativeOptions& options)
    : Locale(LocaleId(options.LocaleName)),
      CodePages(options.AnsiCodePage),
      MessageBox(options.MessageStream != nullptr ? *options.MessageStream : std::cerr) {}

platform::TServices TNativeServices::Services() {
  return {Clipboard,    Keyboard,   Shell, Registry,       KnownFolders, Foreground,
          Locale,       CodePages,  Files, Time,           MessageBox,   Program,
          SystemColors, ShellLinks, Fonts, VersionStrings, FileDialogs};
}

}  // namespace tolvane::native
