#pragma once

#include "platform/Services.h"
#include "platform/portable/Fixedsystemcolors.h"
#include "platform/recording/Fixedfonts.h"
#include "platform/recording/Fixedknownfolders.h"
#include "platform/recording/Fixedprograminfo.h"
#include "platform/recording/Fixedversionstrings.h"
#include "platform/recording/Memoryfiles.h"
#include "platform/recording/Memoryregistry.h"
#include "platform/recording/Recorder.h"
#include "platform/recording/Recordingclipboard.h"
#include "platform/recording/Recordingfiledialogs.h"
#include "platform/recording/Recordingforeground.h"
#include "platform/recording/Recordingkeyboard.h"
#include "platform/recording/Recordingmessagebox.h"
#include "platform/recording/Recordingshell.h"
#include "platform/recording/Recordingshelllinks.h"
#include "platform/recording/Recordingtime.h"

namespace tolvane::recording {

// A complete service set of doubles sharing one recorder. Locale and code pages are the host's real ones,
// since they have no outward effect worth recording.
struct TRecordingServices {
  TRecordingServices(platform::ILocale& locale, platform::ICodePages& codePages)
      : Locale(locale), CodePages(codePages) {}
  TRecordingServices(const TRecordingServices&) = delete;
  TRecordingServices& operator=(const TRecordingServices&) = delete;

  platform::TServices Services();

  TRecorder Recorder;
  TRecordingClipboard Clipboard{Recorder};
  TRecordingKeyboard Keyboard{Recorder};
  TRecordingShell Shell{Recorder};
  TMemoryRegistry Registry;
  TFixedKnownFolders KnownFolders;
  TRecordingForeground Foreground{Recorder};
  platform::ILocale& Locale;
  platform::ICodePages& CodePages;
  TMemoryFiles Files;
  TRecordingTime Time{Recorder};
  TRecordingMessageBox MessageBox{Recorder};
  TFixedProgramInfo Program;
  portable::TFixedSystemColors SystemColors;
  TRecordingShellLinks ShellLinks;
  TFixedFonts Fonts;
  TFixedVersionStrings VersionStrings;
  TRecordingFileDialogs FileDialogs{Recorder};
};

}  // namespace tolvane::recording
