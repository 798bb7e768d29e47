// tolvane-cli macro: a keystroke macro's parsed events and the injection calls it is played as.

#include <cstdio>
#include <string_view>

#include "cli/Cliio.h"
#include "cli/Commands.h"
#include "common/Unicode.h"
#include "execution/Macroplayer.h"
#include "execution/Qxinputlist.h"
#include "platform/recording/Recordingkeyboard.h"
#include "platform/recording/Recordingtime.h"
#include "storage/Item.h"

namespace tolvane::cli {
namespace {

constexpr std::string_view MacroHelp =
    "Usage: tolvane-cli macro TEXT [--lines | --new-line-home]\n"
    "\n"
    "Parses the keystroke macro TEXT (UTF-8) and prints its events, one per line:\n"
    "  down XX, up XX     virtual key XX (two hex digits), followed by ' ext' for an extended key\n"
    "  char XXXX          a UTF-16 code unit typed as a character\n"
    "  pause              a pause\n"
    "then the injection calls one playback makes, in the --trace form of 'tolvane-cli modify'\n"
    "('keys ...' per call, 'sleep N' for the waits between calls and for pauses).\n"
    "  --lines            TEXT is the multi-line editing form: line breaks are stored as Enter\n"
    "  --new-line-home    the same, with Home after every Enter\n"
    "With either option the stored form is printed first, on a line of its own.\n";

std::string Hex(unsigned value, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

std::string EventLine(const execution::TInputItem& item) {
  const std::string ext = item.Extended ? " ext" : "";
  switch (item.Kind) {
    case execution::TInputKind::KeyDown:
      return "down " + Hex(item.Code, 2) + ext;
    case execution::TInputKind::KeyUp:
      return "up " + Hex(item.Code, 2) + ext;
    case execution::TInputKind::KeyPress:
      return "press " + Hex(item.Code, 2) + ext;
    case execution::TInputKind::Character:
      return "char " + Hex(item.Code, 4);
    case execution::TInputKind::Pause:
      return "pause";
  }
  return "unknown";
}

struct TMacroOptions {
  std::string Text;
  bool Lines = false;
  bool NewLineHome = false;
};

// Nullopt after a usage error has been written.
std::optional<TMacroOptions> ParseOptions(const std::vector<std::string>& args, TCliStreams streams) {
  TMacroOptions options;
  bool haveText = false;
  for (const std::string& arg : args) {
    if (arg == "--lines") {
      options.Lines = true;
    } else if (arg == "--new-line-home") {
      options.Lines = options.NewLineHome = true;
    } else if (arg.size() > 1 && arg.starts_with("--")) {
      UsageError(streams, "macro", "unknown option '" + arg + "'");
      return std::nullopt;
    } else if (haveText) {
      UsageError(streams, "macro", "expects one TEXT (quote it when it has blanks)");
      return std::nullopt;
    } else {
      options.Text = arg;
      haveText = true;
    }
  }
  if (!haveText) {
    UsageError(streams, "macro", "missing TEXT");
    return std::nullopt;
  }
  return options;
}

}  // namespace

int RunMacro(const std::vector<std::string>& args, TCliStreams streams) {
  if (WantsHelp(args)) {
    streams.Out << MacroHelp;
    return ExitOk;
  }
  const std::optional<TMacroOptions> options = ParseOptions(args, streams);
  if (!options)
    return ExitUsage;
  std::u16string stored = Utf8ToUtf16(options->Text);
  if (options->Lines) {
    storage::TItem item;
    item.NewLineHome = options->NewLineHome;
    item.SetMacroLines(stored);
    stored = item.KeyMacro;
    streams.Out << Utf16ToUtf8(stored) << '\n';
  }
  execution::TQxInputList list(stored);
  for (const execution::TInputItem& item : list.Items())
    streams.Out << EventLine(item) << '\n';
  recording::TRecorder recorder;
  recording::TRecordingKeyboard keyboard(recorder);
  recording::TRecordingTime time(recorder);
  const bool played = execution::PlayInputList(list, 1, keyboard, time);
  streams.Out << recorder.Trace();
  return played ? ExitOk : ExitStopped;
}

}  // namespace tolvane::cli
