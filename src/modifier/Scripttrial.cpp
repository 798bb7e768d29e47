#include "modifier/Scripttrial.h"

#include "modifier/Qxcliptxt.h"
#include "modifier/Scriptlines.h"
#include "platform/recording/Recordingservices.h"
#include "platform/recording/Tracedtime.h"

namespace tolvane::modifier {

TScriptTrial TryScript(const platform::TServices& host, std::u16string_view script,
                       std::u16string_view sample) {
  recording::TRecordingServices doubles(host.Locale, host.CodePages);
  recording::TTracedTime time(host.Time, doubles.Recorder, recording::TTracedTime::TWaits::Virtual);
  // An empty sample is a clipboard without text, as an empty input is for the command line.
  if (!sample.empty())
    doubles.Clipboard.ChangeExternally(std::u16string(sample));
  const platform::TServices services{doubles.Clipboard,    doubles.Keyboard,
                                     doubles.Shell,        doubles.Registry,
                                     doubles.KnownFolders, doubles.Foreground,
                                     doubles.Locale,       doubles.CodePages,
                                     doubles.Files,        time,
                                     doubles.MessageBox,   doubles.Program,
                                     doubles.SystemColors, doubles.ShellLinks,
                                     doubles.Fonts,        doubles.VersionStrings,
                                     doubles.FileDialogs};
  TScriptTrial trial;
  {
    TQxClipTxt clip(services);
    if (!clip.RunScript(SplitScriptLines(script)))
      trial.StoppedLine = clip.StoppedAt;
    trial.Text = clip.JoinedText();
  }
  trial.Clipboard = doubles.Clipboard.Text();
  trial.Trace = doubles.Recorder.TraceLines();
  return trial;
}

}  // namespace tolvane::modifier
