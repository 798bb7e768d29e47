#include "platform/win32/Win32services.h"

namespace tolvane::win32 {

platform::TServices TWin32Services::Services() {
  platform::IMessageBox& messageBox = MessageBoxOverride != nullptr ? *MessageBoxOverride : MessageBox;
  return {Clipboard,    Keyboard,   Shell, Registry,       KnownFolders, Foreground,
          Locale,       CodePages,  Files, Time,           messageBox,   Program,
          SystemColors, ShellLinks, Fonts, VersionStrings, FileDialogs};
}

}  // namespace tolvane::win32
