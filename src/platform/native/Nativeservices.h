#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "platform/Services.h"
#include "platform/native/Nativeclipboard.h"
#include "platform/native/Nativecodepages.h"
#include "platform/native/Nativefiles.h"
#include "platform/native/Nativefonts.h"
#include "platform/native/Nativeforeground.h"
#include "platform/native/Nativekeyboard.h"
#include "platform/native/Nativeknownfolders.h"
#include "platform/native/Nativelocale.h"
#include "platform/native/Nativeprograminfo.h"
#include "platform/native/Nativeregistry.h"
#include "platform/native/Nativeshell.h"
#include "platform/native/Nativeshelllinks.h"
#include "platform/native/Nativetime.h"
#include "platform/native/Nativeversionstrings.h"
#include "platform/portable/Fixedsystemcolors.h"
#include "platform/portable/Streammessagebox.h"
#include "platform/portable/Unattendedfiledialogs.h"

namespace tolvane::native {

struct TNativeOptions {
  // An ICU or POSIX locale name ("da_DK", "da_DK.UTF-8"); empty: LC_ALL, LC_COLLATE or LANG.
  std::string LocaleName;
  std::uint32_t AnsiCodePage = 1252;
  // Where message boxes are written; null for standard error.
  std::ostream* MessageStream = nullptr;
};

// The Linux service set, for tolvane-cli and the native tools.
struct TNativeServices {
  explicit TNativeServices(const TNativeOptions& options = {});
  TNativeServices(const TNativeServices&) = delete;
  TNativeServices& operator=(const TNativeServices&) = delete;

  platform::TServices Services();

  TNativeClipboard Clipboard;
  TNativeKeyboard Keyboard;
  TNativeShell Shell;
  TNativeRegistry Registry;
  TNativeKnownFolders KnownFolders;
  TNativeForeground Foreground;
  TNativeLocale Locale;
  TNativeCodePages CodePages;
  TNativeFiles Files;
  TNativeTime Time;
  portable::TStreamMessageBox MessageBox;
  TNativeProgramInfo Program;
  portable::TFixedSystemColors SystemColors;
  TNativeShellLinks ShellLinks;
  TNativeFonts Fonts;
  TNativeVersionStrings VersionStrings;
  portable::TUnattendedFileDialogs FileDialogs;
};

}  // namespace tolvane::native
