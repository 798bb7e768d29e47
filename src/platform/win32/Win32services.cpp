#include "platform/win32/Win32services.h"

namespace tolvane::win32 {

platform::TServices TWin32Services::Services() {
  return {Clipboard, Keyboard, Shell, Registry,   KnownFolders, Foreground,  Locale,
          CodePages, Files,    Time,  MessageBox, Program,      SystemColors};
}

}  // namespace tolvane::win32
