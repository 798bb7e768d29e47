#include "platform/recording/Recordingservices.h"

namespace tolvane::recording {

platform::TServices TRecordingServices::Services() {
  return {Clipboard,    Keyboard,   Shell, Registry,       KnownFolders, Foreground,
          Locale,       CodePages,  Files, Time,           MessageBox,   Program,
          SystemColors, ShellLinks, Fonts, VersionStrings, FileDialogs};
}

}  // namespace tolvane::recording
