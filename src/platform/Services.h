#pragma once
// The whole set of operating-system services the portable core may use. The program builds one set from the
// Windows implementations, tolvane-cli and the native tools from the Linux ones, and unit tests from the
// recording doubles; the core never sees which.

#include "platform/Clipboard.h"
#include "platform/Codepages.h"
#include "platform/Filedialogs.h"
#include "platform/Files.h"
#include "platform/Fonts.h"
#include "platform/Foreground.h"
#include "platform/Keyboard.h"
#include "platform/Knownfolders.h"
#include "platform/Locale.h"
#include "platform/Messagebox.h"
#include "platform/Programinfo.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Shelllinks.h"
#include "platform/Systemcolors.h"
#include "platform/Time.h"
#include "platform/Versionstrings.h"

namespace tolvane::platform {

struct TServices {
  IClipboard& Clipboard;
  IKeyboard& Keyboard;
  IShell& Shell;
  IRegistry& Registry;
  IKnownFolders& KnownFolders;
  IForegroundWindow& Foreground;
  ILocale& Locale;
  ICodePages& CodePages;
  IFiles& Files;
  ITime& Time;
  IMessageBox& MessageBox;
  IProgramInfo& Program;
  ISystemColors& SystemColors;
  IShellLinks& ShellLinks;
  IFonts& Fonts;
  IVersionStrings& VersionStrings;
  IFileDialogs& FileDialogs;
};

}  // namespace tolvane::platform
