#pragma once
// The ordered log of every outward action the recording doubles perform, so tests can assert whole sequences.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/Filedialogs.h"
#include "platform/Keyboard.h"
#include "platform/Messagebox.h"
#include "platform/Platformtypes.h"
#include "platform/Shell.h"

namespace tolvane::recording {

struct TClipboardSetAction {
  std::u16string Text;
  // Put there for a paste, marked to stay out of the clipboard history and monitors.
  bool ForPaste = false;
  bool operator==(const TClipboardSetAction&) const = default;
};

struct TClipboardClearAction {
  bool operator==(const TClipboardClearAction&) const = default;
};

// A snapshot of earlier content put back, with its number of formats.
struct TClipboardRestoreAction {
  std::size_t Formats = 0;
  bool operator==(const TClipboardRestoreAction&) const = default;
};

// The records that were actually injected by one SendBatch call, or by Times calls in a row that injected
// the same records (holding a key down for a thousand presses should not take a thousand entries).
struct TKeyBatchAction {
  std::vector<platform::TKeyRecord> Records;
  std::size_t Times = 1;
  bool operator==(const TKeyBatchAction&) const = default;
};

struct TSleepAction {
  std::uint32_t Milliseconds = 0;
  bool operator==(const TSleepAction&) const = default;
};

// A wait that keeps handling messages.
struct TWaitAction {
  std::uint32_t Milliseconds = 0;
  bool operator==(const TWaitAction&) const = default;
};

struct TMessageAction {
  std::u16string Caption;
  std::u16string Text;
  platform::TMsgKind Kind = platform::TMsgKind::Information;
  std::uint32_t Buttons = platform::msgbutton::Ok;
  bool operator==(const TMessageAction&) const = default;
};

struct TShellOpenAction {
  platform::TShellOpenRequest Request;
  bool operator==(const TShellOpenAction&) const = default;
};

struct TForegroundAction {
  platform::TWindowHandle Window = 0;
  bool operator==(const TForegroundAction&) const = default;
};

enum class TFileDialogKind { Open, Save };

// A file dialog shown, whatever it answered.
struct TFileDialogAction {
  TFileDialogKind Kind = TFileDialogKind::Open;
  platform::TFileDialogRequest Request;
  bool operator==(const TFileDialogAction&) const = default;
};

using TAction = std::variant<TClipboardSetAction, TClipboardClearAction, TClipboardRestoreAction,
                             TKeyBatchAction, TSleepAction, TWaitAction, TMessageAction, TShellOpenAction,
                             TForegroundAction, TFileDialogAction>;

class TRecorder {
 public:
  void Record(TAction action);
  // A key batch; one that repeats the batch recorded just before only counts up that entry's Times.
  void RecordKeys(std::span<const platform::TKeyRecord> records);
  // A clipboard write, without copying the text when nothing is kept.
  void RecordClipboardSet(std::u16string_view text, bool forPaste);
  const std::vector<TAction>& Actions() const { return Log; }
  void Clear() { Log.clear(); }

  // A run nobody will look at keeps nothing: the log of a long run would hold every text and key it sent.
  void SetKeeping(bool keep) { Keeping = keep; }
  bool IsKeeping() const { return Keeping; }

  // One trace line per batch sent and per other action, in order (see Trace.h for the format).
  std::vector<std::string> TraceLines() const;
  // The trace lines, each ended by '\n'.
  std::string Trace() const;

 private:
  std::vector<TAction> Log;
  bool Keeping = true;
};

}  // namespace tolvane::recording
