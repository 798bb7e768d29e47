#pragma once

#include "platform/Services.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/Codepages.h"
#include "platform/win32/Filedialogs.h"
#include "platform/win32/Files.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Foreground.h"
#include "platform/win32/Keyboard.h"
#include "platform/win32/Knownfolders.h"
#include "platform/win32/Locale.h"
#include "platform/win32/Messagebox.h"
#include "platform/win32/Programinfo.h"
#include "platform/win32/Registry.h"
#include "platform/win32/Shell.h"
#include "platform/win32/Shelllinks.h"
#include "platform/win32/Systemcolors.h"
#include "platform/win32/Time.h"
#include "platform/win32/Versionstrings.h"

namespace tolvane::win32 {

// The program's set of Windows services. Create it on the user-interface thread: the clipboard's
// notification window belongs to the creating thread.
class TWin32Services {
 public:
  TWin32Services() = default;
  // With the program's own message box in place of the system's; the box must outlive this object.
  explicit TWin32Services(platform::IMessageBox& messageBox) : MessageBoxOverride(&messageBox) {}
  TWin32Services(const TWin32Services&) = delete;
  TWin32Services& operator=(const TWin32Services&) = delete;

  // Puts the program's own message box in place of the system's from now on; the box must outlive this
  // object. For a box that needs services of this set itself.
  void UseMessageBox(platform::IMessageBox& messageBox) { MessageBoxOverride = &messageBox; }
  // References into this object; valid while it lives.
  platform::TServices Services();

 private:
  TClipboard Clipboard;
  TKeyboard Keyboard;
  TShell Shell;
  TRegistry Registry;
  TKnownFolders KnownFolders;
  TForegroundWindow Foreground;
  TLocale Locale;
  TCodePages CodePages;
  TFiles Files;
  TTime Time;
  TMessageBox MessageBox;
  platform::IMessageBox* MessageBoxOverride = nullptr;
  TProgramInfo Program;
  TSystemColors SystemColors;
  TShellLinks ShellLinks;
  TFonts Fonts;
  TVersionStrings VersionStrings;
  TFileDialogs FileDialogs;
};

}  // namespace tolvane::win32
